// The settings file: one "key=value" line per setting, comments after "#".

#include "settings/Settings.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

namespace SettingsFile {

namespace {

// Far more than the file ever holds; anything larger is not ours.
constexpr std::streamsize MaxFileBytes = 64 * 1024;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

const SettingDescription* FindSetting(const std::string& key) {
    for (const SettingDescription& setting : SettingsTable())
        if (key == setting.key)
            return &setting;
    return nullptr;
}

const SettingChoice* FindWord(const SettingDescription& setting, const std::string& word) {
    for (const SettingChoice& choice : setting.choices)
        if (word == choice.word)
            return &choice;
    return nullptr;
}

// Takes one line into the settings; false when it is none the game wrote.
bool ReadLine(const std::string& raw, Settings& settings) {
    const std::string line = Trimmed(raw);
    // Comments, and section headings for those who expect them in an ini file.
    if (line.empty() || line[0] == '#' || line[0] == ';' ||
        (line.front() == '[' && line.back() == ']'))
        return true;
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    const SettingDescription* setting = FindSetting(Trimmed(line.substr(0, equals)));
    if (setting == nullptr)
        return false;
    const SettingChoice* choice = FindWord(*setting, Trimmed(line.substr(equals + 1)));
    if (choice == nullptr)
        return false;
    settings.*setting->field = choice->value;
    return true;
}

void Report(const std::string& method, const std::string& message) {
    std::cout << "SettingsFile::" << method << "() - " << message << std::endl;
}

} // namespace

Settings Read(const std::string& path) {
    Settings settings;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        Report("Read", "Datei: " + path + " nicht gefunden, es gelten die Standardwerte.");
        return settings;
    }
    std::ifstream file(path, std::ios::binary);
    std::string content(static_cast<std::size_t>(MaxFileBytes) + 1, '\0');
    file.read(&content[0], MaxFileBytes + 1);
    if (!std::filesystem::is_regular_file(path, error) || file.bad() ||
        (file.fail() && !file.eof())) {
        Report("Read", "Datei: " + path + " ist nicht lesbar, es gelten die Standardwerte.");
        return settings;
    }
    if (file.gcount() > MaxFileBytes) {
        Report("Read", "Datei: " + path + " ist zu gross, es gelten die Standardwerte.");
        return settings;
    }
    content.resize(static_cast<std::size_t>(file.gcount()));

    std::istringstream lines(content);
    std::string line;
    int number = 0;
    int firstDamaged = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!ReadLine(line, settings) && firstDamaged == 0)
            firstDamaged = number;
    }
    if (firstDamaged != 0)
        Report("Read", "Datei: " + path + " ist beschaedigt (Zeile " +
                           std::to_string(firstDamaged) +
                           "), was nicht lesbar ist, hat den Standardwert.");
    return settings;
}

bool Write(const std::string& path, const Settings& settings) {
    std::ostringstream text;
    text << "# Ostravel: Einstellungen. Das Spiel schreibt diese Datei bei jeder Aenderung neu.\n";
    for (const SettingDescription& setting : SettingsTable()) {
        const SettingChoice* choice = FindChoice(setting, settings.*setting.field);
        if (choice == nullptr)
            choice = FindChoice(setting, Settings().*setting.field);
        text << "\n# " << setting.label << ":";
        for (const SettingChoice& allowed : setting.choices)
            text << ' ' << allowed.word;
        text << '\n' << setting.key << '=' << choice->word << '\n';
    }

    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string partial = path + ".tmp";
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    file << text.str();
    file.close();
    if (!file || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        Report("Write", "Datei: " + path + " konnte nicht geschrieben werden.");
        return false;
    }
    return true;
}

} // namespace SettingsFile
