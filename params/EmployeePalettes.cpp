#include "params/Graphics.hpp"

#include "params/Random.hpp"

#include <cstdlib>
#include <vector>

// The looks a new employee can get. Each pick draws exactly one rand(), and
// the employee draws them in the order skin, hair, upper body, lower body.
namespace GameParams::Graphics {

namespace {

const std::vector<sf::Color> SkinColors = {
    {254, 218, 181}, {253, 203, 162}, {213, 168, 125}, {119, 95, 79}, {231, 156, 113},
};

const std::vector<sf::Color> HairColors = {
    {236, 49, 55}, {250, 255, 65}, {255, 151, 63}, {22, 19, 22},    {112, 63, 45},
    {64, 50, 37},  {149, 99, 27},  {90, 76, 78},   {164, 142, 128},
};

const std::vector<sf::Color> UpperBodyColors = {
    {255, 255, 255}, {248, 227, 8},   {155, 28, 41},   {112, 143, 199}, {0, 38, 76},
    {179, 16, 30},   {141, 198, 63},  {113, 113, 116}, {74, 162, 180},  {55, 174, 183},
    {255, 185, 0},   {111, 125, 107}, {126, 171, 49},  {187, 37, 125},  {221, 38, 69},
    {203, 255, 107}, {91, 24, 46},    {76, 188, 28},   {255, 93, 15},   {152, 50, 53},
};

const std::vector<sf::Color> LowerBodyColors = {
    {41, 42, 62},    {221, 38, 69},   {79, 103, 167}, {41, 92, 59},    {110, 111, 111},
    {255, 151, 63},  {219, 215, 216}, {55, 174, 183}, {63, 122, 125},  {62, 56, 68},
    {245, 212, 239}, {22, 19, 22},    {112, 63, 45},  {155, 121, 108},
};

sf::Color Pick(const std::vector<sf::Color>& palette) {
    return palette[static_cast<std::size_t>(Random()) % palette.size()];
}

} // namespace

sf::Color GetRandomSkinColor() {
    return Pick(SkinColors);
}
sf::Color GetRandomHairColor() {
    return Pick(HairColors);
}
sf::Color GetRandomUpperBodyColor() {
    return Pick(UpperBodyColors);
}
sf::Color GetRandomLowerBodyColor() {
    return Pick(LowerBodyColors);
}

} // namespace GameParams::Graphics
