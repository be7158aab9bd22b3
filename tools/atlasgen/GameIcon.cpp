// The game's icon for the desktop's menus and the window: a brick factory
// with a saw-tooth roof and a smoking chimney on a patch of grass. Drawn at
// each size from shapes given on a 32-unit square, so every size is crisp.

#include "GameIcon.hpp"

#include "IconShapes.hpp"
#include "PixelCanvas.hpp"

#include <cmath>

namespace {

constexpr float Units = 32.f;

const sf::Color Grass(86, 160, 62);
const sf::Color GrassLight(130, 200, 90);
const sf::Color Brick(178, 74, 52);
const sf::Color Roof(92, 96, 108);
const sf::Color Window(255, 226, 120);
const sf::Color Smoke(214, 218, 224);

// The shapes, each a test of a point given in units.
bool InRoundedSquare(float x, float y) {
    const float radius = 6.f;
    const float cx = std::fmin(std::fmax(x, 1.f + radius), 31.f - radius);
    const float cy = std::fmin(std::fmax(y, 1.f + radius), 31.f - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InWall(float x, float y) {
    return x >= 5.f && x < 27.f && y >= 15.f && y < 26.f;
}

// Three teeth, each rising to the right.
bool InRoof(float x, float y) {
    if (x < 5.f || x >= 23.f || y >= 15.f)
        return false;
    const float along = std::fmod(x - 5.f, 6.f);
    return y >= 15.f - along;
}

bool InChimney(float x, float y) {
    return x >= 23.f && x < 27.f && y >= 6.f && y < 15.f;
}

bool InWindow(float x, float y) {
    if (y < 18.f || y >= 22.f)
        return false;
    for (float left : {7.f, 13.f, 19.f})
        if (x >= left && x < left + 3.f)
            return true;
    return false;
}

bool InSmoke(float x, float y) {
    auto puff = [x, y](float cx, float cy, float r) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
    return puff(25.f, 4.5f, 2.f) || puff(21.5f, 3.f, 1.6f);
}

} // namespace

sf::Image DrawGameIcon(int size) {
    PixelCanvas canvas(size, size);
    const float unit = static_cast<float>(size) / Units;
    auto at = [unit](auto shape) {
        return [unit, shape](int x, int y) { return shape((x + 0.5f) / unit, (y + 0.5f) / unit); };
    };
    canvas.fillWhere(at(InRoundedSquare), Grass);
    canvas.fillWhere(at([](float x, float y) { return InRoundedSquare(x, y) && y < 12.f; }),
                     GrassLight);
    canvas.fillWhere(at(InWall), Brick);
    canvas.fillWhere(at(InRoof), Roof);
    canvas.fillWhere(at(InChimney), Shade(Brick, 0.8f));
    canvas.fillWhere(at(InWindow), Window);
    canvas.fillWhere(at(InSmoke), Smoke);
    canvas.outline(IconShapes::Outline);

    sf::Image icon;
    icon.create(static_cast<unsigned>(size), static_cast<unsigned>(size), sf::Color::Transparent);
    canvas.paintInto(icon, {0, 0, size, size});
    return icon;
}
