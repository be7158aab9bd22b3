#include "persist/SaveFolder.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace GameParams {

namespace {

std::string& CurrentSaveFolder() {
    static std::string folder = "save";
    return folder;
}

} // namespace

const std::string& SaveFolder() {
    return CurrentSaveFolder();
}

void SetSaveFolder(const std::string& folder) {
    CurrentSaveFolder() = folder;
}

bool EnsureSaveFolder() {
    const std::string& folder = SaveFolder();
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return true;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) {
        std::cout << "GameParams::EnsureSaveFolder() - Ordner " << folder
                  << " konnte nicht angelegt werden." << std::endl;
        return false;
    }
    return true;
}

} // namespace GameParams
