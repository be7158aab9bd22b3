#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

#include <cmath>

namespace Atlas = GameParams::Graphics::SIZE128PX;

namespace {

constexpr int Size = TileCanvasSize;
constexpr float Pi = 3.14159265f;

// Zones lie over the floor, which has to show through: nothing here is
// more than about half opaque.
constexpr sf::Uint8 FillAlpha = 90;
constexpr sf::Uint8 EdgeAlpha = 120;
constexpr sf::Uint8 SignAlpha = 140;

using Pictogram = void (*)(PixelCanvas&);

void ForkAndKnife(PixelCanvas& sign) {
    const sf::Color ink(0, 0, 0);
    for (int tine = 0; tine < 3; ++tine)
        sign.fillRect(8 + 2 * tine, 7, 1, 6, ink);
    sign.fillRect(8, 13, 5, 2, ink);
    sign.fillRect(9, 15, 3, 10, ink);
    sign.fillRect(19, 7, 2, 1, ink);
    sign.fillRect(18, 8, 4, 9, ink);
    sign.fillRect(19, 17, 3, 8, ink);
}

void WaterDrop(PixelCanvas& sign) {
    sign.fillWhere(
        [](int x, int y) {
            const float dx = x + 0.5f - 16.f;
            const float dy = y + 0.5f - 19.f;
            if (dx * dx + dy * dy <= 36.f)
                return true;
            const float depth = (y + 0.5f - 6.f) / 13.f;
            return y >= 6 && y < 19 && std::abs(dx) <= depth * 6.f;
        },
        sf::Color::Black);
    sign.fillRect(13, 18, 1, 3, sf::Color::Transparent);
    sign.fillRect(14, 21, 1, 1, sf::Color::Transparent);
}

void PaperSheet(PixelCanvas& sign) {
    const sf::Color ink(0, 0, 0);
    sign.fillRect(10, 7, 10, 18, ink);
    sign.fillRect(20, 10, 2, 15, ink);
    sign.set(20, 8, ink);
    sign.fillRect(20, 9, 1, 1, ink);
    for (int row = 0; row < 5; ++row)
        sign.fillRect(12, 10 + 3 * row, row == 4 ? 5 : 8, 1, sf::Color::Transparent);
}

void Crate(PixelCanvas& sign) {
    const sf::Color ink(0, 0, 0);
    sign.frameRect(8, 8, 16, 16, ink);
    sign.frameRect(9, 9, 14, 14, ink);
    sign.line(10, 10, 21, 21, ink);
    sign.line(11, 10, 21, 20, ink);
    sign.line(21, 10, 10, 21, ink);
    sign.line(20, 10, 10, 20, ink);
}

void Gear(PixelCanvas& sign) {
    sign.fillWhere(
        [](int x, int y) {
            const float dx = x + 0.5f - 16.f;
            const float dy = y + 0.5f - 16.f;
            const float distance = std::hypot(dx, dy);
            if (distance < 3.f)
                return false;
            if (distance <= 6.f)
                return true;
            const float angle = std::atan2(dy, dx) + Pi;
            const bool onTooth = std::fmod(angle * 8.f / (2.f * Pi) + 0.25f, 1.f) < 0.5f;
            return onTooth && distance <= 8.6f;
        },
        sf::Color::Black);
}

void Tray(PixelCanvas& sign) {
    const sf::Color ink(0, 0, 0);
    sign.fillRect(7, 20, 2, 5, ink);
    sign.fillRect(23, 20, 2, 5, ink);
    sign.fillRect(7, 23, 18, 2, ink);
}

void ArrowIntoTray(PixelCanvas& sign) {
    Tray(sign);
    sign.fillRect(14, 6, 4, 8, sf::Color::Black);
    for (int row = 0; row < 6; ++row)
        sign.fillRect(10 + row, 14 + row, 12 - 2 * row, 1, sf::Color::Black);
}

void ArrowOutOfTray(PixelCanvas& sign) {
    Tray(sign);
    for (int row = 0; row < 6; ++row)
        sign.fillRect(15 - row, 5 + row, 2 + 2 * row, 1, sf::Color::Black);
    sign.fillRect(14, 11, 4, 9, sf::Color::Black);
}

PixelCanvas ZoneMarking(sf::Color color, Pictogram drawSign) {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(0, 0, Size, Size, WithAlpha(color, FillAlpha));
    canvas.frameRect(0, 0, Size, Size, WithAlpha(Shade(color, 0.8f), EdgeAlpha));

    PixelCanvas sign(Size, Size);
    drawSign(sign);
    const sf::Color ink = WithAlpha(Shade(color, 0.45f), SignAlpha);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (sign.isOpaque(x, y))
                canvas.set(x, y, ink);
    return canvas;
}

struct ZoneLook {
    ZoneType type;
    sf::Color color;
    Pictogram sign;
};

const ZoneLook ZoneLooks[] = {
    {ZoneKitchen, sf::Color(244, 146, 40), ForkAndKnife},
    {ZoneBathroom, sf::Color(56, 160, 240), WaterDrop},
    {ZoneOffice, sf::Color(160, 96, 226), PaperSheet},
    {ZoneStorage, sf::Color(184, 122, 60), Crate},
    {ZoneWorkshop, sf::Color(236, 206, 36), Gear},
    {ZoneGoodsIn, sf::Color(64, 190, 80), ArrowIntoTray},
    {ZoneGoodsOut, sf::Color(230, 64, 56), ArrowOutOfTray},
};

} // namespace

void DrawZones(sf::Image& atlas) {
    // The zone-0 rectangle stays empty: every cell without a zone draws it,
    // and so does every failed lookup.
    for (const ZoneLook& look : ZoneLooks)
        ZoneMarking(look.color, look.sign).paintInto(atlas, Atlas::GetTexture(look.type));
}
