#include "persist/SaveGames.hpp"

#include "persist/SaveFolder.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>

namespace GameParams {

namespace {

// The suffix of the partial file a save is written to first, and of the
// picture beside it.
const std::string PartialSuffix = ".tmp";
const std::string PictureSuffix = ".png";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

struct FileTimes {
    long long seconds = 0;
    long long nanoseconds = 0;
};

FileTimes FileTime(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {};
    return {static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec};
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

std::vector<SaveGameListing> ListSaveGamesNewestFirst() {
    std::vector<std::pair<SaveGameListing, long long>> timed;
    for (std::string& name : ListSaveGames()) {
        SaveGameListing listing;
        const std::string path = SaveGamePath(name);
        const FileTimes file = FileTime(path);
        listing.summary = ReadSaveHeaderOf(path);
        listing.savedAt = listing.summary.savedAt ? *listing.summary.savedAt : file.seconds;
        listing.name = std::move(name);
        timed.emplace_back(std::move(listing), file.nanoseconds);
    }
    // Saves of the same second (an autosave right after a quick save) in
    // the order the file times give.
    std::sort(timed.begin(), timed.end(), [](const auto& a, const auto& b) {
        if (a.first.savedAt != b.first.savedAt)
            return a.first.savedAt > b.first.savedAt;
        if (a.second != b.second)
            return a.second > b.second;
        return a.first.name < b.first.name;
    });
    std::vector<SaveGameListing> listings;
    for (auto& entry : timed)
        listings.push_back(std::move(entry.first));
    return listings;
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
            return "Steuerzeichen sind im Namen nicht erlaubt.";
    }
    // A save under such a name would be overwritten by the partial file or
    // the picture of the save without the suffix.
    for (const std::string& suffix : {PartialSuffix, PictureSuffix})
        if (EndsWith(name, suffix))
            return "Der Name darf nicht auf " + suffix + " enden.";
    return "";
}

bool IsTypedSaveNameCharacter(unsigned codepoint) {
    const bool asciiLetter =
        (codepoint >= 'A' && codepoint <= 'Z') || (codepoint >= 'a' && codepoint <= 'z');
    const bool digit = codepoint >= '0' && codepoint <= '9';
    // Latin-1's letters: À to ÿ without the signs × and ÷.
    const bool accentedLetter =
        codepoint >= 0xC0 && codepoint <= 0xFF && codepoint != 0xD7 && codepoint != 0xF7;
    return asciiLetter || digit || accentedLetter || codepoint == ' ';
}

std::string SaveGamePath(const std::string& name) {
    return SaveFolder() + "/" + name;
}

std::string SavePicturePath(const std::string& name) {
    return PicturePathBeside(SaveGamePath(name));
}

std::string PicturePathBeside(const std::string& savePath) {
    return savePath + PictureSuffix;
}

bool DeleteSaveGame(const std::string& name) {
    const std::string problem = SaveNameProblem(name);
    std::error_code error;
    if (name.empty() || !problem.empty() ||
        !std::filesystem::is_regular_file(SaveGamePath(name), error)) {
        std::cout << "GameParams::DeleteSaveGame() - Kein Spielstand: " << name << std::endl;
        return false;
    }
    if (!std::filesystem::remove(SaveGamePath(name), error) || error) {
        std::cout << "GameParams::DeleteSaveGame() - Datei: " << SaveGamePath(name)
                  << " konnte nicht geloescht werden." << std::endl;
        return false;
    }
    // A picture without its save would only be shown for a later save of
    // the same name.
    std::filesystem::remove(SavePicturePath(name), error);
    return true;
}

} // namespace GameParams
