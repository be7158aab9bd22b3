// Saving and loading the running game by name in the save folder, and
// starting a new one.

#include "app/Game.hpp"

#include "persist/SaveGames.hpp"
#include "ui/MenuButtonKind.hpp"

#include <ctime>
#include <iostream>

bool Game::saveGame(const std::string& name) {
    // Nothing outside the save folder is ever written.
    const std::string problem = GameParams::SaveNameProblem(name);
    if (!problem.empty()) {
        std::cout << "Game::saveGame() - Spielstandname ungueltig: " << problem << std::endl;
        return false;
    }
    if (!level->save(GameParams::SaveGamePath(name), std::time(nullptr)))
        return false;
    requestSavePicture(name);
    markProgressSaved();
    return true;
}

bool Game::loadGame(const std::string& name) {
    const std::string problem = GameParams::SaveNameProblem(name);
    if (!problem.empty()) {
        std::cout << "Game::loadGame() - Spielstandname ungueltig: " << problem << std::endl;
        return false;
    }
    // A file that fails to load leaves the game that was running.
    const bool loaded = level->loadKeepingCurrent(GameParams::SaveGamePath(name));
    const bool replacedByNewGame = !loaded && level->getTileAt(0, 0) == nullptr;
    if (replacedByNewGame) {
        // Not even the running game could be put back: a new one, never an
        // empty level that cannot be drawn or updated.
        std::cout << "Game::loadGame() - Neues Spiel statt des verlorenen Spielstands."
                  << std::endl;
        level.reset();
        level = std::make_unique<Level>(this, &spriteAtlas, "");
    }
    adoptLevel();
    // A failed load that put the running game back keeps what it had not saved.
    if (loaded || replacedByNewGame) {
        markProgressSaved();
        progressMarkUnsettled = loaded;
    }
    return loaded;
}

void Game::adoptLevel() {
    // Everything that pointed into the old world is let go of or pointed anew.
    selectedObject = nullptr;
    sound.levelReplaced();
    setZoom(zoomIndex);
    gameTime.setChanged();
    const BankAccount& account = level->getBankAccount();
    gui.setBalanceText(account.getBalanceText(), account.getBalance() < 0.0);
}

void Game::askNewGame() {
    if (!hasUnsavedProgress()) {
        startNewGame();
        return;
    }
    ask("Neues Spiel beginnen?", {"Nicht gespeicherte Fortschritte gehen verloren."},
        ButtonConfirmNewGame, [this] { startNewGame(); });
}

void Game::startNewGame() {
    // The registries of ids are shared by every level: the old one goes first.
    level.reset();
    level = std::make_unique<Level>(this, &spriteAtlas, "");
    // A new clock at the speed the player chose; the dialogs' pause stays.
    const unsigned speed = gameTime.getSpeedLevel();
    gameTime = GameTime();
    gameTime.setSpeedLevel(speed);
    worldView.setCenter(newGameViewCentre);
    adoptLevel();
    markProgressSaved();
    // Straight into the new game.
    if (getTopMenu() == &mainMenu)
        closeTopMenu();
}
