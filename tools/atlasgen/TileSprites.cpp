#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

#include <algorithm>
#include <utility>
#include <vector>

namespace Atlas = GameParams::Graphics::SIZE128PX;

namespace {

constexpr int Size = TileCanvasSize;
constexpr int RollCount = 1000;

// The rectangles a tile type can show over all rolls of its dice, the most
// frequent (the plain look) first, then the rarer variants.
std::vector<sf::IntRect> TileVariants(TileType type) {
    std::vector<std::pair<sf::IntRect, int>> seen;
    for (int roll = 0; roll < RollCount; ++roll) {
        const sf::IntRect rect = Atlas::GetTileTexture(type, roll);
        auto found = std::find_if(seen.begin(), seen.end(),
                                  [&](const auto& entry) { return entry.first == rect; });
        if (found == seen.end())
            seen.push_back({rect, 1});
        else
            ++found->second;
    }
    std::stable_sort(seen.begin(), seen.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<sf::IntRect> variants;
    for (const auto& entry : seen)
        variants.push_back(entry.first);
    return variants;
}

PixelCanvas Grass() {
    PixelCanvas canvas(Size, Size);
    const sf::Color base(86, 150, 62);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const float n = Noise01(x, y, 11);
            sf::Color color = Shade(base, 0.9f + 0.18f * n);
            if (HashNoise(x, y, 12) % 9 == 0)
                color = Shade(base, 0.74f); // shaded blade
            else if (HashNoise(x, y, 13) % 13 == 0)
                color = sf::Color(124, 184, 84); // sunlit tip
            canvas.set(x, y, color);
        }
    return canvas;
}

void Flower(PixelCanvas& canvas, int x, int y, sf::Color petals) {
    canvas.fillRect(x, y + 2, 1, 3, sf::Color(50, 110, 40)); // stem
    canvas.fillRect(x - 1, y - 1, 3, 3, petals);
    canvas.set(x - 2, y, petals);
    canvas.set(x + 2, y, petals);
    canvas.set(x, y - 2, petals);
    canvas.set(x, y + 2, petals);
    canvas.set(x, y, sf::Color(250, 214, 60));
}

PixelCanvas GrassWithFlowers() {
    PixelCanvas canvas = Grass();
    Flower(canvas, 9, 10, sf::Color(250, 250, 250));
    Flower(canvas, 21, 8, sf::Color(236, 70, 80));
    Flower(canvas, 14, 21, sf::Color(250, 250, 250));
    Flower(canvas, 24, 20, sf::Color(160, 120, 236));
    return canvas;
}

PixelCanvas GrassWithStone() {
    PixelCanvas canvas = Grass();
    canvas.blendEllipse(17.f, 18.f, 7.f, 5.f, WithAlpha(sf::Color::Black, 70));
    canvas.fillEllipse(16.f, 16.f, 7.f, 5.f, sf::Color(128, 128, 122));
    canvas.fillEllipse(15.f, 15.f, 5.f, 3.f, sf::Color(156, 156, 150));
    canvas.fillEllipse(14.f, 14.f, 2.f, 1.2f, sf::Color(190, 190, 184));
    canvas.set(19, 18, sf::Color(104, 104, 100));
    canvas.set(20, 17, sf::Color(104, 104, 100));
    return canvas;
}

// Wall tiles touch each other, so the brick bond repeats exactly every tile.
PixelCanvas Wall() {
    PixelCanvas canvas(Size, Size);
    const sf::Color mortar(178, 170, 158);
    const sf::Color brick(156, 74, 56);
    canvas.fillRect(0, 0, Size, Size, mortar);
    constexpr int BrickLength = 8;
    constexpr int CourseHeight = 4;
    for (int course = 0; course < Size / CourseHeight; ++course) {
        const int shift = (course % 2) * (BrickLength / 2);
        for (int slot = -1; slot < Size / BrickLength; ++slot) {
            const int left = slot * BrickLength + shift;
            const int top = course * CourseHeight;
            const float tone = 0.85f + 0.25f * Noise01(slot + 7, course, 21);
            const sf::Color face = Shade(brick, tone);
            canvas.fillRect(left, top, BrickLength - 1, CourseHeight - 1, face);
            canvas.fillRect(left, top, BrickLength - 1, 1, Shade(face, 1.15f));
            canvas.fillRect(left, top + CourseHeight - 2, BrickLength - 1, 1, Shade(face, 0.85f));
        }
    }
    return canvas;
}

// Floor slabs of 16 with a grout line on the top and left edge, so that a
// room of floor tiles shows one continuous grid.
PixelCanvas Floor() {
    PixelCanvas canvas(Size, Size);
    const sf::Color slab(200, 194, 182);
    const sf::Color grout(166, 160, 150);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const bool joint = x % 16 == 0 || y % 16 == 0;
            const float n = Noise01(x, y, 31);
            canvas.set(x, y, joint ? grout : Shade(slab, 0.97f + 0.06f * n));
        }
    return canvas;
}

PixelCanvas FloorWithStain() {
    PixelCanvas canvas = Floor();
    const sf::Color stain(110, 84, 60, 110);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const float dx = (x + 0.5f - 19.f) / 6.5f;
            const float dy = (y + 0.5f - 18.f) / 4.5f;
            const float wobble = 0.25f * Noise01(x, y, 33);
            if (dx * dx + dy * dy <= 1.f - wobble)
                canvas.blend(x, y, stain);
        }
    canvas.blendEllipse(10.f, 13.f, 1.6f, 1.2f, stain);
    // A hairline crack running across one slab.
    const sf::Color crack(120, 114, 106);
    canvas.line(3, 4, 6, 7, crack);
    canvas.line(6, 7, 8, 7, crack);
    canvas.line(8, 7, 11, 10, crack);
    return canvas;
}

PixelCanvas Road() {
    PixelCanvas canvas(Size, Size);
    const sf::Color asphalt(74, 76, 80);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            sf::Color color = Shade(asphalt, 0.93f + 0.12f * Noise01(x, y, 41));
            if (HashNoise(x, y, 42) % 17 == 0)
                color = sf::Color(98, 100, 104); // grit
            canvas.set(x, y, color);
        }
    return canvas;
}

// The dash runs through the atlas's white pixel; it is painted pure white
// and wide enough that smoothed sampling of that pixel still gives white.
PixelCanvas RoadWithMarking(const sf::IntRect& rect) {
    PixelCanvas canvas = Road();
    const sf::Vector2i white = Atlas::GetWhitePixelTexture();
    const int centreRow = (white.y - rect.top) / PixelArtScale;
    canvas.fillRect(3, centreRow - 1, Size - 6, 3, sf::Color::White);
    return canvas;
}

} // namespace

void DrawTiles(sf::Image& atlas) {
    const std::vector<sf::IntRect> grass = TileVariants(TileGrass);
    Grass().paintInto(atlas, grass.at(0));
    if (grass.size() > 1)
        GrassWithFlowers().paintInto(atlas, grass[1]);
    if (grass.size() > 2)
        GrassWithStone().paintInto(atlas, grass[2]);

    const std::vector<sf::IntRect> floor = TileVariants(TileFloor);
    Floor().paintInto(atlas, floor.at(0));
    if (floor.size() > 1)
        FloorWithStain().paintInto(atlas, floor[1]);

    Wall().paintInto(atlas, Atlas::GetTileTexture(TileWall, 0));
    Road().paintInto(atlas, Atlas::GetTileTexture(TileRoad, 0));
    const sf::IntRect marking = Atlas::GetTileTexture(TileRoadMarking, 0);
    RoadWithMarking(marking).paintInto(atlas, marking);
}
