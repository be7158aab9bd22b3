#include "settings/Settings.hpp"

bool Settings::operator==(const Settings& other) const {
    for (const SettingDescription& setting : SettingsTable())
        if (this->*setting.field != other.*setting.field)
            return false;
    return true;
}

namespace {

std::vector<SettingChoice> VolumeChoices() {
    return {{0, "0", "Aus"}, {30, "30", "30 %"}, {60, "60", "60 %"}, {100, "100", "100 %"}};
}

} // namespace

const std::vector<SettingDescription>& SettingsTable() {
    static const std::vector<SettingDescription> table = {
        {"window_mode",
         "Fenstermodus",
         &Settings::fullScreen,
         {{0, "window", "Fenster"}, {1, "fullscreen", "Vollbild"}}},
        {"interface_scale",
         "Oberflächengröße",
         &Settings::interfaceScale,
         {{100, "100", "100 %"}, {150, "150", "150 %"}, {200, "200", "200 %"}}},
        {"autosave_days",
         "Automatisch speichern",
         &Settings::autosaveDays,
         {{1, "1", "Jeden Tag"}, {3, "3", "Alle 3 Tage"}, {7, "7", "Jede Woche"}, {0, "0", "Nie"}}},
        {"scroll_speed",
         "Scrollgeschwindigkeit",
         &Settings::scrollSpeed,
         {{250, "250", "Langsam"}, {500, "500", "Normal"}, {1000, "1000", "Schnell"}}},
        {"edge_scrolling",
         "Scrollen am Bildrand",
         &Settings::edgeScrolling,
         {{1, "on", "An"}, {0, "off", "Aus"}}},
        {"show_fps", "Bildrate anzeigen", &Settings::showFps, {{1, "on", "An"}, {0, "off", "Aus"}}},
        {"sound", "Ton (Taste M)", &Settings::soundOn, {{1, "on", "An"}, {0, "off", "Aus"}}},
        {"master_volume", "Gesamtlautstärke", &Settings::masterVolume, VolumeChoices()},
        {"effects_volume", "Geräusche", &Settings::effectsVolume, VolumeChoices()},
        {"ambience_volume", "Fabrikklang", &Settings::ambienceVolume, VolumeChoices()},
    };
    return table;
}

const SettingChoice* FindChoice(const SettingDescription& setting, int value) {
    for (const SettingChoice& choice : setting.choices)
        if (choice.value == value)
            return &choice;
    return nullptr;
}
