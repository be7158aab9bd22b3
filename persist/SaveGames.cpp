#include "persist/SaveGames.hpp"

#include "persist/SaveFolder.hpp"

#include <filesystem>
#include <system_error>

namespace GameParams {

namespace {

// The suffix of the partial file a save is written to first.
const std::string PartialSuffix = ".tmp";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

std::vector<std::string> ListSaveGames() {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(SaveFolder(), error);
    if (error)
        return names;
    // The iterator never yields "." or ".."; a name the game would refuse to
    // save under is none of its save games. Folders are listed.
    for (const std::filesystem::directory_iterator end; entry != end; entry.increment(error)) {
        if (error)
            break;
        std::string name = entry->path().filename().string();
        if (SaveNameProblem(name).empty())
            names.push_back(std::move(name));
    }
    return names;
}

bool SaveGameExists(const std::string& name) {
    std::error_code error;
    return !name.empty() && std::filesystem::exists(SaveGamePath(name), error);
}

std::string SaveNameProblem(const std::string& name) {
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "Der Name darf weder / noch \\ enthalten.";
    if (name == "." || name == "..")
        return "Der Name darf nicht . oder .. sein.";
    if (!name.empty() && name.front() == '.')
        return "Der Name darf nicht mit einem Punkt beginnen.";
    if (name.size() > MaxSaveNameBytes)
        return "Der Name ist zu lang.";
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127)
            return "Der Name enthaelt Steuerzeichen.";
    }
    // A save under such a name would be overwritten by the partial file of
    // the save without the suffix.
    if (EndsWith(name, PartialSuffix))
        return "Der Name darf nicht auf " + PartialSuffix + " enden.";
    return "";
}

std::string SaveGamePath(const std::string& name) {
    return SaveFolder() + "/" + name;
}

} // namespace GameParams
