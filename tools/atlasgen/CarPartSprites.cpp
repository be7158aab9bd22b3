#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

#include <cmath>

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Parts, assemblies and the finished car.
namespace {

constexpr int Size = TileCanvasSize;
constexpr float Pi = 3.14159265f;
const sf::Color Outline(36, 32, 30);
const sf::Color TyreBlack(40, 40, 44);
const sf::Color Chrome(196, 202, 210);

void Finish(PixelCanvas& canvas) {
    canvas.outline(Outline);
    canvas.dropShadow(1, 1, sf::Color(0, 0, 0, 60));
}

void Wheel(PixelCanvas& canvas, float cx, float cy, float radius) {
    canvas.fillEllipse(cx, cy, radius, radius, TyreBlack);
    canvas.fillEllipse(cx, cy, radius * 0.55f, radius * 0.55f, Chrome);
    canvas.fillEllipse(cx, cy, radius * 0.2f + 0.3f, radius * 0.2f + 0.3f,
                       sf::Color(110, 114, 120));
}

PixelCanvas Tyre() {
    PixelCanvas canvas(Size, Size);
    canvas.fillEllipse(16.f, 16.f, 13.f, 13.f, TyreBlack);
    // Tread blocks around the rim.
    canvas.fillWhere(
        [](int x, int y) {
            const float dx = x + 0.5f - 16.f;
            const float dy = y + 0.5f - 16.f;
            const float distance = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx) + Pi;
            return distance > 10.5f && distance <= 13.f &&
                   std::fmod(angle * 16.f / (2.f * Pi), 1.f) < 0.35f;
        },
        sf::Color(70, 70, 76));
    canvas.fillEllipse(16.f, 16.f, 7.5f, 7.5f, Chrome);
    canvas.fillRing(16.f, 16.f, 7.5f, 6.2f, sf::Color(150, 156, 164));
    canvas.fillEllipse(16.f, 16.f, 2.5f, 2.5f, sf::Color(110, 114, 120));
    canvas.fillEllipse(13.f, 12.f, 1.5f, 1.f, sf::Color(240, 244, 250));
    Finish(canvas);
    return canvas;
}

PixelCanvas BrakeDisc() {
    PixelCanvas canvas(Size, Size);
    canvas.fillEllipse(16.f, 17.f, 12.f, 12.f, sf::Color(170, 172, 178));
    canvas.fillRing(16.f, 17.f, 12.f, 10.5f, sf::Color(130, 132, 138));
    canvas.fillEllipse(16.f, 17.f, 5.f, 5.f, sf::Color(120, 122, 128));
    canvas.fillEllipse(16.f, 17.f, 2.f, 2.f, sf::Color(60, 60, 64));
    for (int hole = 0; hole < 8; ++hole) {
        const float angle = hole * Pi / 4.f;
        canvas.set(static_cast<int>(16.f + 7.5f * std::cos(angle)),
                   static_cast<int>(17.f + 7.5f * std::sin(angle)), sf::Color(70, 70, 76));
    }
    // The red calliper gripping the disc.
    canvas.fillRect(20, 3, 9, 9, sf::Color(206, 40, 40));
    canvas.fillRect(20, 3, 9, 2, sf::Color(240, 90, 80));
    canvas.fillRect(22, 7, 4, 2, sf::Color(250, 250, 250));
    Finish(canvas);
    return canvas;
}

PixelCanvas Spring() {
    PixelCanvas canvas(Size, Size);
    const sf::Color coil(236, 170, 30);
    canvas.fillRect(14, 2, 4, 28, sf::Color(110, 114, 122)); // damper rod
    canvas.fillRect(14, 2, 1, 28, sf::Color(170, 174, 182));
    canvas.fillRect(9, 3, 14, 3, sf::Color(90, 94, 100));
    canvas.fillRect(9, 26, 14, 3, sf::Color(90, 94, 100));
    for (int turn = 0; turn < 5; ++turn) {
        const int y = 7 + 4 * turn;
        canvas.line(8, y + 3, 23, y, coil);
        canvas.line(8, y + 4, 23, y + 1, Shade(coil, 0.8f));
    }
    Finish(canvas);
    return canvas;
}

PixelCanvas SteeringWheel() {
    PixelCanvas canvas(Size, Size);
    const sf::Color grip(44, 44, 50);
    canvas.fillRing(16.f, 16.f, 13.f, 9.5f, grip);
    canvas.fillRing(16.f, 16.f, 12.5f, 11.5f, sf::Color(84, 84, 92));
    canvas.fillRect(4, 15, 24, 3, sf::Color(70, 70, 78));
    canvas.fillRect(15, 16, 3, 12, sf::Color(70, 70, 78));
    canvas.fillEllipse(16.5f, 17.f, 4.f, 4.f, sf::Color(90, 90, 98));
    canvas.fillEllipse(16.5f, 17.f, 2.f, 2.f, sf::Color(200, 40, 40)); // horn badge
    Finish(canvas);
    return canvas;
}

void Gearwheel(PixelCanvas& canvas, float cx, float cy, float radius, sf::Color metal) {
    canvas.fillWhere(
        [&](int x, int y) {
            const float dx = x + 0.5f - cx;
            const float dy = y + 0.5f - cy;
            const float distance = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx) + Pi;
            const bool onTooth = std::fmod(angle * 10.f / (2.f * Pi), 1.f) < 0.5f;
            return distance <= radius - 1.5f || (onTooth && distance <= radius);
        },
        metal);
    canvas.fillEllipse(cx, cy, radius * 0.3f, radius * 0.3f, Shade(metal, 0.55f));
}

PixelCanvas Gearbox() {
    PixelCanvas canvas(Size, Size);
    const sf::Color casing(96, 104, 116);
    canvas.fillRect(4, 12, 22, 16, casing);
    canvas.fillRect(4, 12, 22, 2, Shade(casing, 1.3f));
    canvas.fillRect(26, 17, 4, 5, Shade(casing, 0.8f)); // output shaft
    canvas.fillRect(8, 21, 2, 2, Shade(casing, 0.6f));
    canvas.fillRect(20, 24, 2, 2, Shade(casing, 0.6f));
    Gearwheel(canvas, 12.f, 10.f, 7.5f, sf::Color(214, 176, 70));
    Gearwheel(canvas, 22.f, 9.f, 5.f, sf::Color(200, 204, 212));
    Finish(canvas);
    return canvas;
}

PixelCanvas Exhaust() {
    PixelCanvas canvas(Size, Size);
    const sf::Color pipe(150, 140, 130);
    canvas.fillRect(1, 13, 9, 3, pipe);
    canvas.fillRect(1, 13, 9, 1, Shade(pipe, 1.25f));
    // Silencer.
    canvas.fillRect(9, 9, 15, 11, sf::Color(180, 176, 170));
    canvas.fillRect(8, 10, 17, 9, sf::Color(180, 176, 170));
    canvas.fillRect(9, 10, 15, 2, sf::Color(220, 218, 214));
    canvas.fillRect(9, 17, 15, 2, sf::Color(130, 126, 120));
    canvas.fillRect(13, 10, 1, 9, sf::Color(150, 146, 140));
    canvas.fillRect(19, 10, 1, 9, sf::Color(150, 146, 140));
    // Tail pipe with a little smoke.
    canvas.fillRect(24, 15, 5, 3, pipe);
    canvas.fillRect(28, 14, 2, 5, Shade(pipe, 0.7f));
    canvas.fillEllipse(28.f, 8.f, 2.5f, 2.f, sf::Color(200, 200, 206, 160));
    canvas.fillEllipse(25.f, 5.f, 1.8f, 1.5f, sf::Color(210, 210, 216, 130));
    Finish(canvas);
    return canvas;
}

void Block(PixelCanvas& canvas, sf::Color metal) {
    canvas.fillRect(4, 8, 24, 18, metal);
    canvas.fillRect(4, 8, 24, 2, Shade(metal, 1.2f));
    canvas.fillRect(4, 24, 24, 2, Shade(metal, 0.75f));
    canvas.fillRect(26, 10, 2, 14, Shade(metal, 0.85f));
}

// Seen from above and in front: the deck with its four bores, then the
// ribbed side of the block.
PixelCanvas EngineBlock() {
    PixelCanvas canvas(Size, Size);
    const sf::Color iron(150, 156, 164);
    canvas.fillRect(3, 6, 26, 12, Shade(iron, 1.1f));
    canvas.fillRect(3, 18, 26, 9, Shade(iron, 0.8f));
    canvas.fillRect(3, 17, 26, 1, Shade(iron, 1.3f));
    for (int rib = 0; rib < 4; ++rib)
        canvas.fillRect(6 + 6 * rib, 19, 2, 7, Shade(iron, 0.65f));
    for (int bore = 0; bore < 4; ++bore) {
        const float cx = 7.5f + 6.f * bore;
        canvas.fillEllipse(cx, 11.5f, 2.7f, 2.7f, sf::Color(214, 218, 226)); // liner
        canvas.fillEllipse(cx, 11.5f, 1.6f, 1.6f, sf::Color(56, 58, 64));
    }
    Finish(canvas);
    return canvas;
}

PixelCanvas Engine() {
    PixelCanvas canvas(Size, Size);
    Block(canvas, sf::Color(90, 94, 102));
    // Red valve cover with the spark plug leads.
    canvas.fillRect(6, 5, 20, 9, sf::Color(200, 40, 36));
    canvas.fillRect(6, 5, 20, 2, sf::Color(240, 90, 80));
    for (int plug = 0; plug < 4; ++plug)
        canvas.fillRect(8 + 5 * plug, 9, 2, 3, sf::Color(40, 40, 44));
    // Belt and pulley at the front.
    canvas.fillEllipse(9.f, 20.f, 3.5f, 3.5f, sf::Color(40, 40, 44));
    canvas.fillEllipse(9.f, 20.f, 1.5f, 1.5f, Chrome);
    canvas.fillRect(15, 17, 9, 6, sf::Color(60, 130, 200)); // intake
    canvas.fillRect(15, 17, 9, 1, sf::Color(120, 180, 240));
    Finish(canvas);
    return canvas;
}

// A ladder frame with axles and wheels, seen from above.
PixelCanvas Chassis() {
    PixelCanvas canvas(Size, Size);
    const sf::Color frame(70, 74, 84);
    Wheel(canvas, 8.f, 7.f, 3.6f);
    Wheel(canvas, 24.f, 7.f, 3.6f);
    Wheel(canvas, 8.f, 25.f, 3.6f);
    Wheel(canvas, 24.f, 25.f, 3.6f);
    canvas.fillRect(11, 3, 3, 26, frame);
    canvas.fillRect(18, 3, 3, 26, frame);
    canvas.fillRect(11, 3, 1, 26, Shade(frame, 1.4f));
    canvas.fillRect(18, 3, 1, 26, Shade(frame, 1.4f));
    canvas.fillRect(5, 6, 22, 2, sf::Color(120, 124, 134));
    canvas.fillRect(5, 24, 22, 2, sf::Color(120, 124, 134));
    canvas.fillRect(14, 12, 4, 2, frame);
    canvas.fillRect(14, 18, 4, 2, frame);
    Finish(canvas);
    return canvas;
}

// Side view of a small car; the body alone shows empty wheel arches.
void CarShell(PixelCanvas& canvas, sf::Color paint) {
    canvas.fillRect(2, 15, 28, 8, paint);
    canvas.fillRect(3, 14, 26, 1, paint);
    for (int row = 0; row < 6; ++row)
        canvas.fillRect(9 - row / 2, 8 + row, 14 + row, 1, paint);
    canvas.fillRect(10, 9, 5, 4, sf::Color(170, 214, 240)); // windows
    canvas.fillRect(16, 9, 5, 4, sf::Color(170, 214, 240));
    canvas.set(21, 10, sf::Color(170, 214, 240));
    canvas.fillRect(2, 15, 28, 1, Shade(paint, 1.25f));
    canvas.fillRect(2, 21, 28, 2, Shade(paint, 0.7f));
    canvas.fillRect(15, 15, 1, 6, Shade(paint, 0.75f));      // door seam
    canvas.fillRect(28, 16, 2, 2, sf::Color(255, 240, 150)); // head lamp
    canvas.fillRect(2, 16, 1, 2, sf::Color(230, 40, 40));
    canvas.fillEllipse(8.f, 23.f, 4.5f, 4.5f, sf::Color::Transparent);
    canvas.fillEllipse(24.f, 23.f, 4.5f, 4.5f, sf::Color::Transparent);
}

PixelCanvas CarBody() {
    PixelCanvas canvas(Size, Size);
    CarShell(canvas, sf::Color(160, 166, 176)); // bare primer grey
    Finish(canvas);
    return canvas;
}

PixelCanvas Car() {
    PixelCanvas canvas(Size, Size);
    CarShell(canvas, sf::Color(40, 110, 210));
    Wheel(canvas, 8.f, 23.f, 3.8f);
    Wheel(canvas, 24.f, 23.f, 3.8f);
    Finish(canvas);
    return canvas;
}

} // namespace

void DrawCarParts(sf::Image& atlas) {
    Tyre().centred().paintInto(atlas, Atlas::GetTexture(ItemTyre));
    BrakeDisc().centred().paintInto(atlas, Atlas::GetTexture(ItemBrake));
    Spring().centred().paintInto(atlas, Atlas::GetTexture(ItemSuspension));
    SteeringWheel().centred().paintInto(atlas, Atlas::GetTexture(ItemSteering));
    Gearbox().centred().paintInto(atlas, Atlas::GetTexture(ItemGearbox));
    Exhaust().centred().paintInto(atlas, Atlas::GetTexture(ItemExhaust));
    EngineBlock().centred().paintInto(atlas, Atlas::GetTexture(ItemEngineBlock));
    Chassis().centred().paintInto(atlas, Atlas::GetTexture(ItemChassis));
    CarBody().centred().paintInto(atlas, Atlas::GetTexture(ItemBody));
    Engine().centred().paintInto(atlas, Atlas::GetTexture(ItemEngine));
    Car().centred().paintInto(atlas, Atlas::GetTexture(ItemCar));
}
