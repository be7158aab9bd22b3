#include "persist/SaveFolder.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace GameParams {

const char* const SaveFolder = "save";

bool EnsureSaveFolder() {
    std::error_code error;
    if (std::filesystem::is_directory(SaveFolder, error))
        return true;
    std::filesystem::create_directories(SaveFolder, error);
    if (error || !std::filesystem::is_directory(SaveFolder, error)) {
        std::cout << "GameParams::EnsureSaveFolder() - Ordner " << SaveFolder
                  << " konnte nicht angelegt werden." << std::endl;
        return false;
    }
    return true;
}

} // namespace GameParams
