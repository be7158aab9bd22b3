#include "AtlasSections.hpp"
#include "GameIcon.hpp"

#include "params/Graphics.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Err.hpp>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

namespace {

// Covers the employee layers, the truck, the HUD and task icon rows and the
// cursor frames.
constexpr unsigned AtlasWidth = 2688;
constexpr unsigned AtlasHeight = 4096;

// The white pixel is sampled with smoothing, so its neighbours count too.
constexpr int WhiteMargin = 4;

bool WhitePixelIsWhite(const sf::Image& atlas) {
    const sf::Vector2i white = GameParams::Graphics::SIZE128PX::GetWhitePixelTexture();
    for (int y = white.y - WhiteMargin; y <= white.y + WhiteMargin; ++y)
        for (int x = white.x - WhiteMargin; x <= white.x + WhiteMargin; ++x)
            if (atlas.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) !=
                sf::Color::White)
                return false;
    return true;
}

// The icon for the desktop: atlasgen --icon SIZE FILE.
int WriteIcon(const std::string& size, const char* path) {
    const int pixels = std::atoi(size.c_str());
    if (pixels < 16 || pixels > 1024 || !DrawGameIcon(pixels).saveToFile(path)) {
        std::cout << "atlasgen - Symbol " << path << " konnte nicht geschrieben werden."
                  << std::endl;
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Failures are reported in one line of our own.
    sf::err().rdbuf(nullptr);
    if (argc == 4 && std::string(argv[1]) == "--icon")
        return WriteIcon(argv[2], argv[3]);
    if (argc != 2) {
        std::cout
            << "atlasgen - Aufruf: atlasgen <ausgabe.png> | atlasgen --icon <groesse> <ausgabe.png>"
            << std::endl;
        return 1;
    }
    sf::Image atlas;
    atlas.create(AtlasWidth, AtlasHeight, sf::Color::Transparent);
    try {
        DrawTiles(atlas);
        DrawZones(atlas);
        DrawObjects(atlas);
        DrawRawMaterials(atlas);
        DrawCarParts(atlas);
        DrawHudIcons(atlas);
        DrawTaskIcons(atlas);
        DrawCursorFrames(atlas);
        DrawEmployeeLayers(atlas);
        DrawTruck(atlas);
        DrawAlertIcons(atlas);
    } catch (const std::exception& failure) {
        std::cout << "atlasgen - " << failure.what() << std::endl;
        return 1;
    }
    if (!WhitePixelIsWhite(atlas)) {
        std::cout << "atlasgen - weisses Pixel ist nicht weiss!" << std::endl;
        return 1;
    }
    if (!atlas.saveToFile(argv[1])) {
        std::cout << "atlasgen - " << argv[1] << " konnte nicht geschrieben werden." << std::endl;
        return 1;
    }
    return 0;
}
