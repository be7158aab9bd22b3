#pragma once

#include <string>
#include <vector>

// What the player chose in the settings dialog. Every field holds one of the
// values its line of the settings table allows; the defaults are the game as
// it always was, with an autosave every day and without the frame counter
// (a debugging aid: F3 shows it).
struct Settings {
    int fullScreen = 0;
    int interfaceScale = 100; // percent
    int autosaveDays = 1;     // 0: never
    int scrollSpeed = 500;    // pixels per second at 1:1
    int edgeScrolling = 0;
    int showFps = 0;
    // Sound: on or off (the M key), and three volumes in percent.
    int soundOn = 1;
    int masterVolume = 100;
    int effectsVolume = 100;
    int ambienceVolume = 60;

    bool operator==(const Settings& other) const;
    bool operator!=(const Settings& other) const { return !(*this == other); }
};

// One value a setting may take: as the file writes it and as the dialog says it.
struct SettingChoice {
    int value;
    const char* word;
    const char* caption; // UTF-8
};

// One line of the settings table: the file, the dialog and the game read
// each setting through it, so none of them can disagree about its values.
struct SettingDescription {
    const char* key;
    const char* label; // UTF-8
    int Settings::*field;
    std::vector<SettingChoice> choices;
};

const std::vector<SettingDescription>& SettingsTable();

// The choice of that value, or null when the setting does not allow it.
const SettingChoice* FindChoice(const SettingDescription& setting, int value);

namespace SettingsFile {

// The settings in the file. A missing, unreadable or damaged file is no
// failure: what cannot be read keeps its default, and one line on standard
// output says why. The file is the player's to edit, so nothing in it is
// trusted.
Settings Read(const std::string& path);
// The whole file, written beside it first and renamed over it; false (with
// a message) when it cannot be written.
bool Write(const std::string& path, const Settings& settings);

} // namespace SettingsFile
