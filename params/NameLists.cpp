#include "params/Texts.hpp"

#include "params/Random.hpp"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <utility>

namespace GameParams::Texts {

namespace {

std::vector<std::string> maleFirstNames;
std::vector<std::string> femaleFirstNames;
std::vector<std::string> lastNames;

constexpr int Female = 1;

bool ReadNameFile(const std::string& path, std::vector<std::string>& names) {
    std::ifstream file(path);
    if (!file.is_open()) {
        std::cout << "GameParams::Texts::Init() - Datei: " << path
                  << " konnte nicht geoeffnet werden." << std::endl;
        return false;
    }
    names.clear();
    // Reading until end of file, not until a read fails, keeps the empty
    // entry after a final line break: such a file yields one more name.
    while (!file.eof()) {
        std::string line;
        std::getline(file, line);
        names.push_back(line);
    }
    return true;
}

std::string Draw(const std::vector<std::string>& names) {
    if (names.empty()) {
        return "NO NAME AVAILABLE";
    }
    return names[static_cast<std::size_t>(Random()) % names.size()];
}

} // namespace

void Init(const std::string& assetFolder) {
    const struct {
        const char* path;
        std::vector<std::string>& names;
    } files[] = {
        {"data/vornamen_maennlich.txt", maleFirstNames},
        {"data/vornamen_weiblich.txt", femaleFirstNames},
        {"data/nachnamen.txt", lastNames},
    };
    for (const auto& file : files) {
        const std::string path = assetFolder.empty() ? file.path : assetFolder + "/" + file.path;
        if (!ReadNameFile(path, file.names)) {
            return;
        }
    }
}

const std::vector<std::string>& GetMaleFirstNames() {
    return maleFirstNames;
}

const std::vector<std::string>& GetFemaleFirstNames() {
    return femaleFirstNames;
}

const std::vector<std::string>& GetLastNames() {
    return lastNames;
}

void SetMaleFirstNames(std::vector<std::string> names) {
    maleFirstNames = std::move(names);
}

void SetFemaleFirstNames(std::vector<std::string> names) {
    femaleFirstNames = std::move(names);
}

void SetLastNames(std::vector<std::string> names) {
    lastNames = std::move(names);
}

std::string GetFirstName(int gender) {
    return Draw(gender == Female ? femaleFirstNames : maleFirstNames);
}

std::string GetLastName() {
    return Draw(lastNames);
}

} // namespace GameParams::Texts
