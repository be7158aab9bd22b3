#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"
#include "PixelFont.hpp"

#include "params/Graphics.hpp"

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Raw materials and the first processing stage. Each needs a shape of its
// own, since storage cells show nothing but the picture and a count.
namespace {

constexpr int Size = TileCanvasSize;
const sf::Color Outline(36, 32, 30);

void Finish(PixelCanvas& canvas) {
    canvas.outline(Outline);
    canvas.dropShadow(1, 1, sf::Color(0, 0, 0, 60));
}

// A long bar seen from the front-top: light top face, darker front face.
void Bar(PixelCanvas& canvas, int x, int y, int length, sf::Color metal) {
    canvas.fillRect(x, y, length, 2, Shade(metal, 1.2f));
    canvas.fillRect(x, y + 2, length, 3, metal);
    canvas.fillRect(x, y + 4, length, 1, Shade(metal, 0.75f));
    canvas.fillRect(x + length - 2, y, 2, 5, Shade(metal, 0.9f));
}

PixelCanvas Steel() {
    PixelCanvas canvas(Size, Size);
    const sf::Color steel(120, 128, 140);
    Bar(canvas, 4, 20, 24, steel);
    Bar(canvas, 6, 14, 22, steel);
    Bar(canvas, 3, 8, 24, steel);
    canvas.fillRect(6, 9, 10, 1, sf::Color(200, 208, 220)); // glint
    Finish(canvas);
    return canvas;
}

PixelCanvas Glass() {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(5, 4, 22, 24, sf::Color(168, 214, 240, 190));
    canvas.frameRect(5, 4, 22, 24, sf::Color(110, 170, 210, 230));
    for (int step = 0; step < 7; ++step) {
        canvas.set(9 + step, 16 - step * 1, sf::Color(250, 254, 255, 230));
        canvas.set(10 + step, 16 - step * 1, sf::Color(250, 254, 255, 230));
    }
    for (int step = 0; step < 4; ++step)
        canvas.set(16 + step, 24 - step, sf::Color(250, 254, 255, 230));
    Finish(canvas);
    return canvas;
}

// A bale of raw rubber: dark, soft corners, pressed ridges.
PixelCanvas Rubber() {
    PixelCanvas canvas(Size, Size);
    const sf::Color rubber(58, 52, 50);
    canvas.fillRect(5, 9, 22, 16, rubber);
    canvas.fillRect(6, 8, 20, 1, rubber);
    canvas.fillRect(6, 25, 20, 1, rubber);
    canvas.fillRect(5, 9, 22, 3, Shade(rubber, 1.5f));
    for (int ridge = 0; ridge < 4; ++ridge)
        canvas.fillRect(7, 14 + 3 * ridge, 18, 1, Shade(rubber, 0.65f));
    canvas.fillRect(14, 9, 4, 17, sf::Color(190, 150, 60)); // strap
    canvas.fillRect(14, 9, 4, 3, sf::Color(220, 180, 90));
    Finish(canvas);
    return canvas;
}

// A trapezoid ingot with its top face, outlined on its own so that a stack
// of them stays a stack.
PixelCanvas Ingot(int width, sf::Color metal) {
    PixelCanvas ingot(width + 2, 10);
    ingot.fillRect(3, 1, width - 4, 3, Shade(metal, 1.15f));
    ingot.fillRect(2, 4, width - 2, 3, metal);
    ingot.fillRect(1, 7, width, 2, Shade(metal, 0.8f));
    ingot.fillRect(3, 1, width - 4, 1, Shade(metal, 1.3f));
    ingot.outline(Outline);
    return ingot;
}

PixelCanvas Aluminium() {
    PixelCanvas canvas(Size, Size);
    const sf::Color aluminium(200, 206, 214);
    const PixelCanvas ingot = Ingot(14, aluminium);
    canvas.overlay(ingot, 1, 18);
    canvas.overlay(ingot, 15, 18);
    canvas.overlay(ingot, 8, 10);
    DrawPixelText(canvas, 13, 13, "AL", sf::Color(100, 110, 130));
    Finish(canvas);
    return canvas;
}

// Magnesium comes as round rods, darker and faintly green.
PixelCanvas Magnesium() {
    PixelCanvas canvas(Size, Size);
    const sf::Color magnesium(150, 162, 150);
    for (int rod = 0; rod < 3; ++rod) {
        const float cy = 10.f + 7.f * rod;
        canvas.fillRect(7, static_cast<int>(cy) - 3, 18, 6, magnesium);
        canvas.fillRect(7, static_cast<int>(cy) - 3, 18, 1, Shade(magnesium, 1.3f));
        canvas.fillRect(7, static_cast<int>(cy) + 2, 18, 1, Shade(magnesium, 0.7f));
        canvas.fillEllipse(25.f, cy, 2.5f, 3.f, Shade(magnesium, 1.2f));
        canvas.fillEllipse(25.f, cy, 1.f, 1.4f, Shade(magnesium, 0.9f));
    }
    DrawPixelText(canvas, 10, 14, "MG", sf::Color(70, 90, 70));
    Finish(canvas);
    return canvas;
}

void Log(PixelCanvas& canvas, int x, float cy, int length) {
    const sf::Color bark(112, 72, 40);
    const int top = static_cast<int>(cy) - 4;
    canvas.fillRect(x, top, length, 8, bark);
    canvas.fillRect(x, top + 1, length, 1, Shade(bark, 1.3f));
    canvas.fillRect(x, top + 6, length, 1, Shade(bark, 0.7f));
    const float endX = static_cast<float>(x + length);
    canvas.fillEllipse(endX, cy, 3.f, 4.f, sf::Color(222, 180, 120));
    canvas.fillRing(endX, cy, 2.4f, 1.4f, sf::Color(184, 136, 80));
    canvas.set(x + length, static_cast<int>(cy), sf::Color(150, 100, 56));
}

PixelCanvas Wood() {
    PixelCanvas canvas(Size, Size);
    Log(canvas, 3, 22.f, 20);
    Log(canvas, 6, 22.f - 8.f, 20);
    Log(canvas, 3, 22.f - 16.f + 1.f, 16);
    Finish(canvas);
    return canvas;
}

// A jerry can; petrol and diesel differ in colour and label.
PixelCanvas Canister(sf::Color paint, sf::Color label) {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(7, 8, 18, 21, paint);
    canvas.fillRect(7, 8, 3, 21, Shade(paint, 1.25f));
    canvas.fillRect(22, 8, 3, 21, Shade(paint, 0.78f));
    canvas.fillRect(10, 4, 9, 4, paint); // handle
    canvas.fillRect(12, 5, 5, 2, sf::Color::Transparent);
    canvas.fillRect(20, 3, 4, 5, sf::Color(60, 60, 64)); // spout
    canvas.line(9, 10, 22, 26, Shade(paint, 0.85f));     // pressed X
    canvas.line(22, 10, 9, 26, Shade(paint, 0.85f));
    canvas.fillRect(11, 15, 10, 7, label);
    Finish(canvas);
    return canvas;
}

PixelCanvas SheetMetal() {
    PixelCanvas canvas(Size, Size);
    const sf::Color metal(150, 170, 190);
    for (int sheet = 0; sheet < 4; ++sheet) {
        const int y = 21 - 4 * sheet;
        // A flat sheet in oblique view: a parallelogram with a thin edge.
        for (int row = 0; row < 5; ++row)
            canvas.fillRect(3 + (4 - row) + sheet, y - 4 + row, 22, 1,
                            Shade(metal, 1.05f + 0.03f * row));
        canvas.fillRect(3 + sheet, y + 1, 22, 2, Shade(metal, 0.7f));
    }
    canvas.line(14, 6, 20, 6, sf::Color(230, 240, 250));
    Finish(canvas);
    return canvas;
}

PixelCanvas WoodenBoard() {
    PixelCanvas canvas(Size, Size);
    const sf::Color board(226, 184, 124);
    for (int plank = 0; plank < 3; ++plank) {
        const int y = 8 + 7 * plank;
        canvas.fillRect(3, y, 26, 5, board);
        canvas.fillRect(3, y, 26, 1, Shade(board, 1.1f));
        canvas.fillRect(3, y + 4, 26, 1, Shade(board, 0.75f));
        canvas.fillRect(6 + 5 * plank, y + 2, 9, 1, Shade(board, 0.85f));              // grain
        canvas.fillEllipse(21.f - 4 * plank, y + 2.5f, 1.2f, 1.f, Shade(board, 0.7f)); // knot
    }
    Finish(canvas);
    return canvas;
}

} // namespace

void DrawRawMaterials(sf::Image& atlas) {
    Steel().centred().paintInto(atlas, Atlas::GetTexture(ItemSteel));
    Glass().centred().paintInto(atlas, Atlas::GetTexture(ItemGlass));
    Rubber().centred().paintInto(atlas, Atlas::GetTexture(ItemRubber));
    Aluminium().centred().paintInto(atlas, Atlas::GetTexture(ItemAluminium));
    Magnesium().centred().paintInto(atlas, Atlas::GetTexture(ItemMagnesium));
    Wood().centred().paintInto(atlas, Atlas::GetTexture(ItemWood));
    Canister(sf::Color(210, 44, 40), sf::Color(250, 230, 200))
        .centred()
        .paintInto(atlas, Atlas::GetTexture(ItemPetrol));
    Canister(sf::Color(40, 44, 50), sf::Color(250, 200, 30))
        .centred()
        .paintInto(atlas, Atlas::GetTexture(ItemDiesel));
    SheetMetal().centred().paintInto(atlas, Atlas::GetTexture(ItemSheetMetal));
    WoodenBoard().centred().paintInto(atlas, Atlas::GetTexture(ItemWoodenBoard));
}
