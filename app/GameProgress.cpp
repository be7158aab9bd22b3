// Whether anything happened since the game was last saved, loaded or started:
// the level's file text then and now. Written only when asked, at the moment
// the player is about to lose it.

#include "app/Game.hpp"

std::string Game::progressText() {
    // The view's zoom (kept in the level for drawing) and the clock's speed
    // (set to 0 by every dialog) are written too, but are no progress.
    const float zoom = level->getZoom();
    const unsigned speed = gameTime.getSpeedLevel();
    level->setZoom(1.f);
    gameTime.setSpeedLevel(0);
    std::string text = level->fileText();
    level->setZoom(zoom);
    gameTime.setSpeedLevel(speed);
    return text;
}

void Game::markProgressSaved() {
    savedProgress = progressText();
}

void Game::settleProgressMark(float gameMinutes) {
    // A loaded level draws its applicants at its first update, which moves
    // the employees' id counter in the file. That update runs paused (loads
    // come from a dialog) and is no progress.
    if (!progressMarkUnsettled)
        return;
    progressMarkUnsettled = false;
    if (gameMinutes == 0.f)
        markProgressSaved();
}

bool Game::hasUnsavedProgress() {
    return progressText() != savedProgress;
}
