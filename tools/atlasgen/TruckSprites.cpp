#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"
#include "PixelFont.hpp"

#include "params/Graphics.hpp"

#include <cmath>

namespace Atlas = GameParams::Graphics::SIZE128PX;

// The delivery truck drives along the street from left to right and is seen
// from the side, cab in front. Its wheels are separate sprites that the game
// turns, so the body leaves the wheel arches empty.
namespace {

constexpr float Pi = 3.14159265f;
const sf::Color Outline(34, 30, 30);
const sf::Color CabPaint(206, 52, 42);
const sf::Color BoxPaint(236, 236, 230);
const sf::Color Glass(120, 170, 205);
const sf::Color Chrome(190, 196, 204);

sf::Vector2f WheelCentre(int wheel) {
    return Atlas::GetTruckTireOffset(wheel) / static_cast<float>(PixelArtScale);
}

void CargoBox(PixelCanvas& canvas) {
    canvas.fillRect(1, 6, 60, 42, BoxPaint);
    canvas.fillRect(1, 6, 60, 2, sf::Color(250, 250, 246));
    canvas.fillRect(1, 45, 60, 3, Shade(BoxPaint, 0.8f));
    for (int rib = 10; rib < 60; rib += 10)
        canvas.fillRect(rib, 8, 1, 37, Shade(BoxPaint, 0.9f));
    canvas.fillRect(1, 30, 60, 5, sf::Color(40, 90, 170)); // company stripe
    canvas.fillRect(1, 35, 60, 1, sf::Color(240, 190, 40));
    const std::string name = "OSTRAVEL";
    const int textLeft = 31 - PixelTextWidth(name) / 2;
    canvas.fillRect(textLeft - 2, 16, PixelTextWidth(name) + 4, 9, sf::Color(40, 90, 170));
    DrawPixelText(canvas, textLeft, 18, name, sf::Color::White);
    canvas.fillRect(1, 40, 2, 4, sf::Color(220, 40, 40)); // tail light
}

void Cab(PixelCanvas& canvas) {
    // Body with a sloped windscreen at the front.
    canvas.fillWhere(
        [](int x, int y) {
            if (x < 62 || x > 94 || y < 16 || y > 49)
                return false;
            const int slope = 86 + (y - 16) / 2;
            return x <= slope || y >= 34;
        },
        CabPaint);
    canvas.fillRect(62, 16, 24, 2, Shade(CabPaint, 1.25f));
    canvas.fillRect(62, 46, 33, 3, Shade(CabPaint, 0.75f));
    // Side window with the driver's silhouette.
    canvas.fillRect(66, 20, 17, 13, Glass);
    canvas.fillRect(66, 20, 17, 2, Shade(Glass, 1.3f));
    canvas.fillEllipse(75.f, 26.f, 3.f, 3.f, Shade(Glass, 0.55f));
    canvas.fillRect(71, 29, 9, 4, Shade(Glass, 0.55f));
    canvas.line(69, 31, 72, 22, Shade(Glass, 1.2f));
    // Windscreen seen edge-on.
    canvas.fillWhere(
        [](int x, int y) {
            const int slope = 86 + (y - 16) / 2;
            return y >= 19 && y <= 32 && x >= slope - 3 && x <= slope - 1;
        },
        Shade(Glass, 0.85f));
    canvas.fillRect(84, 20, 1, 13, Shade(CabPaint, 0.7f));   // pillar
    canvas.fillRect(64, 35, 1, 11, Shade(CabPaint, 0.7f));   // door seam
    canvas.fillRect(78, 36, 4, 1, Shade(CabPaint, 0.6f));    // handle
    canvas.fillRect(66, 43, 6, 2, Shade(CabPaint, 0.6f));    // step
    canvas.fillRect(91, 38, 4, 3, sf::Color(255, 236, 140)); // head lamp
    canvas.fillRect(89, 47, 7, 4, Chrome);                   // bumper
    canvas.fillRect(62, 22, 2, 6, sf::Color(60, 60, 66));    // mirror arm
}

void Undercarriage(PixelCanvas& canvas) {
    canvas.fillRect(2, 48, 92, 4, sf::Color(56, 56, 62));
    canvas.fillRect(40, 48, 14, 6, Chrome); // fuel tank
    canvas.fillRect(40, 48, 14, 1, sf::Color(230, 234, 240));
}

void WheelArches(PixelCanvas& canvas) {
    for (int wheel = 0; wheel < 2; ++wheel) {
        const sf::Vector2f centre = WheelCentre(wheel);
        canvas.fillEllipse(centre.x, centre.y, 12.f, 12.f, sf::Color(30, 30, 34));
        canvas.fillWhere(
            [&](int x, int y) {
                return std::hypot(x + 0.5f - centre.x, y + 0.5f - centre.y) <= 10.5f ||
                       (y + 0.5f > centre.y && std::abs(x + 0.5f - centre.x) <= 12.f);
            },
            sf::Color::Transparent);
    }
}

PixelCanvas TruckBody() {
    const sf::IntRect rect = Atlas::GetTruckTexture();
    PixelCanvas canvas(rect.width / PixelArtScale, rect.height / PixelArtScale);
    CargoBox(canvas);
    Undercarriage(canvas);
    Cab(canvas);
    WheelArches(canvas);
    canvas.outline(Outline);
    return canvas;
}

// Rim and bolts are not symmetric, so the turning of the wheel shows.
PixelCanvas TruckTyre() {
    const sf::IntRect rect = Atlas::GetTruckTireTexture();
    const int size = rect.width / PixelArtScale;
    const float centre = size / 2.f;
    PixelCanvas canvas(size, size);
    canvas.fillEllipse(centre, centre, 9.5f, 9.5f, sf::Color(38, 38, 42));
    canvas.fillWhere(
        [&](int x, int y) {
            const float dx = x + 0.5f - centre;
            const float dy = y + 0.5f - centre;
            const float angle = std::atan2(dy, dx) + Pi;
            return std::hypot(dx, dy) > 8.f && std::hypot(dx, dy) <= 9.5f &&
                   std::fmod(angle * 12.f / (2.f * Pi), 1.f) < 0.4f;
        },
        sf::Color(66, 66, 72));
    canvas.fillEllipse(centre, centre, 5.5f, 5.5f, Chrome);
    canvas.fillEllipse(centre, centre, 2.f, 2.f, sf::Color(100, 104, 112));
    for (int bolt = 0; bolt < 5; ++bolt) {
        const float angle = bolt * 2.f * Pi / 5.f;
        canvas.set(static_cast<int>(centre + 3.6f * std::cos(angle)),
                   static_cast<int>(centre + 3.6f * std::sin(angle)), sf::Color(80, 84, 90));
    }
    canvas.set(static_cast<int>(centre) + 6, static_cast<int>(centre) - 1,
               sf::Color(220, 200, 60)); // valve
    canvas.outline(Outline);
    return canvas;
}

} // namespace

void DrawTruck(sf::Image& atlas) {
    TruckBody().paintInto(atlas, Atlas::GetTruckTexture());
    TruckTyre().paintInto(atlas, Atlas::GetTruckTireTexture());
}
