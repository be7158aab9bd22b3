// Draws the game's sounds into a folder: soundgen <folder>. Run by the build;
// the same program always writes the same bytes.

#include "sound/SoundId.hpp"
#include "tools/soundgen/Recipes.hpp"
#include "tools/soundgen/WavFile.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cout << "usage: soundgen <folder>" << std::endl;
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const SoundFile& file : SoundFiles)
        if (!WriteWav((folder / file.name).string(), DrawSound(file.id)))
            return 1;
    return 0;
}
