// Saving and loading the running game by name in the save folder.

#include "app/Game.hpp"

#include "persist/SaveGames.hpp"

#include <iostream>

bool Game::saveGame(const std::string& name) {
    // Nothing outside the save folder is ever written.
    const std::string problem = GameParams::SaveNameProblem(name);
    if (!problem.empty()) {
        std::cout << "Game::saveGame() - Spielstandname ungueltig: " << problem << std::endl;
        return false;
    }
    return level->save(GameParams::SaveGamePath(name));
}

bool Game::loadGame(const std::string& name) {
    const std::string problem = GameParams::SaveNameProblem(name);
    if (!problem.empty()) {
        std::cout << "Game::loadGame() - Spielstandname ungueltig: " << problem << std::endl;
        return false;
    }
    // A file that fails to load leaves the game that was running.
    const bool loaded = level->loadKeepingCurrent(GameParams::SaveGamePath(name));
    if (!loaded && level->getTileAt(0, 0) == nullptr) {
        // Not even the running game could be put back: a new one, never an
        // empty level that cannot be drawn or updated.
        std::cout << "Game::loadGame() - Neues Spiel statt des verlorenen Spielstands."
                  << std::endl;
        level.reset();
        level = std::make_unique<Level>(this, &spriteAtlas, "");
    }
    // Everything that pointed into the old world is let go of or pointed anew.
    selectedObject = nullptr;
    setZoom(zoomIndex);
    gameTime.setChanged();
    gui.setBalanceText(level->getBankAccount().getBalanceText());
    return loaded;
}
