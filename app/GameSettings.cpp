// The player's settings: read at start, in effect at once when changed, and
// written to the file with every change.

#include "app/Game.hpp"

#include "paths/OldSaves.hpp"
#include "paths/UserFolders.hpp"
#include "persist/SaveFolder.hpp"

#include <filesystem>
#include <system_error>

void Game::readSettings() {
    settingsPath = UserFolders::SettingsFile().string();
    std::error_code error;
    const bool existed = std::filesystem::exists(settingsPath, error);
    settings = SettingsFile::Read(settingsPath);
    // The first start leaves a file the player can find and read.
    if (!existed)
        SettingsFile::Write(settingsPath, settings);
}

void Game::applySettings(const Settings& chosen) {
    const bool modeChanged = chosen.fullScreen != settings.fullScreen;
    const bool scaleChanged = chosen.interfaceScale != settings.interfaceScale;
    settings = chosen;
    scrollSpeed = static_cast<float>(settings.scrollSpeed);
    // The settings table lets only 0, 1, 3 and 7 days through.
    setAutosaveInterval(static_cast<AutosaveInterval>(settings.autosaveDays));
    sound.setVolumes(VolumesFrom(settings));
    if (modeChanged || (window && (settings.fullScreen != 0) != fullScreenShown))
        windowModeChangePending = true;
    if (scaleChanged && window)
        fitViewsToWindow();
}

void Game::changeSetting(int Settings::*field, int value) {
    Settings chosen = settings;
    chosen.*field = value;
    if (chosen == settings)
        return;
    applySettings(chosen);
    SettingsFile::Write(settingsPath, settings);
    if (settingsMenu.isOpen())
        buildSettingsMenu();
}

void Game::prepareSaveFolder() {
    const std::filesystem::path folder = UserFolders::SaveFolder();
    GameParams::SetSaveFolder(folder.string());
    if (!GameParams::EnsureSaveFolder())
        return;
    // An older game kept its saves beside itself.
    const std::filesystem::path program = UserFolders::ProgramFolder();
    if (!program.empty())
        UserFolders::CopyOldSaves(program / "save", folder,
                                  UserFolders::DataFolder() / "copied-old-saves");
}
