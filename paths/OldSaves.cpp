#include "paths/OldSaves.hpp"

#include "persist/SaveGames.hpp"

#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace UserFolders {

namespace {

bool WasCopied(const fs::path& copiedList, const std::string& folder) {
    std::ifstream list(copiedList);
    std::string line;
    while (std::getline(list, line))
        if (line == folder)
            return true;
    return false;
}

void Report(const std::string& message) {
    std::cout << "UserFolders::CopyOldSaves() - " << message << std::endl;
}

} // namespace

int CopyOldSaves(const fs::path& oldFolder, const fs::path& saveFolder,
                 const fs::path& copiedList) {
    std::error_code error;
    if (oldFolder.empty() || !fs::is_directory(oldFolder, error))
        return 0;
    // Started with the old folder as the save folder (a test, a symlink):
    // nothing to copy, and nothing to remember.
    if (fs::equivalent(oldFolder, saveFolder, error))
        return 0;
    const std::string key = fs::absolute(oldFolder, error).lexically_normal().string();
    if (WasCopied(copiedList, key))
        return 0;

    int copied = 0;
    fs::directory_iterator entry(oldFolder, error);
    for (const fs::directory_iterator end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        // Only what the game could have saved there: no partial or hidden
        // files, no folders.
        std::error_code skipped;
        if (!GameParams::SaveNameProblem(name).empty() || !entry->is_regular_file(skipped))
            continue;
        const fs::path target = saveFolder / name;
        if (fs::exists(target, skipped))
            continue;
        std::error_code failed;
        if (!fs::copy_file(entry->path(), target, failed)) {
            Report("Datei " + entry->path().string() + " konnte nicht kopiert werden.");
            return copied;
        }
        ++copied;
    }
    if (error) {
        Report("Ordner " + oldFolder.string() + " konnte nicht gelesen werden.");
        return copied;
    }
    std::ofstream list(copiedList, std::ios::app);
    list << key << '\n';
    if (!list) {
        Report("Datei " + copiedList.string() + " konnte nicht geschrieben werden.");
        return copied;
    }
    if (copied > 0)
        Report(std::to_string(copied) + " Spielstaende aus " + key + " nach " +
               saveFolder.string() + " kopiert.");
    return copied;
}

} // namespace UserFolders
