#include "AtlasSections.hpp"
#include "IconShapes.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Icons of the task kinds, shown in the staff dialog at about 36 pixels with
// the employee's skill written over their lower edge. Each is a light plate
// with a bold picture in its upper part, so the black caption below stays
// readable.
namespace {

using namespace IconShapes;

constexpr int Size = TileCanvasSize;
const sf::Color Plate(246, 242, 230);
const sf::Color Ink(52, 50, 60);
const sf::Color Wood(196, 140, 80);
const sf::Color Steel(130, 136, 150);
const sf::Color Blue(60, 120, 220);

PixelCanvas Blank() {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(2, 1, Size - 4, Size - 2, Plate);
    canvas.fillRect(1, 2, Size - 2, Size - 4, Plate);
    return canvas;
}

void Finish(PixelCanvas& canvas) {
    canvas.outline(Outline);
}

void ArrowUp(PixelCanvas& canvas, int x, int top, int length, sf::Color color) {
    canvas.fillRect(x - 1, top + 3, 3, length - 3, color);
    for (int step = 0; step < 4; ++step)
        canvas.fillRect(x - step, top + step, 1 + 2 * step, 1, color);
}

void ArrowDown(PixelCanvas& canvas, int x, int top, int length, sf::Color color) {
    canvas.fillRect(x - 1, top, 3, length - 3, color);
    for (int step = 0; step < 4; ++step)
        canvas.fillRect(x - step, top + length - 1 - step, 1 + 2 * step, 1, color);
}

PixelCanvas ErrorIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillEllipse(16.f, 12.f, 8.f, 8.f, Red);
    canvas.fillRect(15, 6, 3, 8, sf::Color::White);
    canvas.fillRect(15, 16, 3, 2, sf::Color::White);
    Finish(canvas);
    return canvas;
}

PixelCanvas NoneIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillRing(16.f, 12.f, 8.f, 6.f, Steel);
    canvas.line(11, 17, 21, 7, Steel);
    canvas.line(11, 16, 20, 7, Steel);
    Finish(canvas);
    return canvas;
}

PixelCanvas IdleIcon() {
    PixelCanvas canvas = Blank();
    // "Z z": a big and a small one, rising.
    const struct { int x, y, size; } letters[] = {{6, 9, 10}, {19, 4, 7}};
    for (const auto& z : letters) {
        canvas.fillRect(z.x, z.y, z.size, 2, Blue);
        canvas.fillRect(z.x, z.y + z.size - 1, z.size, 2, Blue);
        for (int step = 0; step < z.size - 1; ++step)
            canvas.fillRect(z.x + z.size - 2 - step, z.y + 1 + step, 2, 1, Blue);
    }
    Finish(canvas);
    return canvas;
}

PixelCanvas WaitIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillRect(9, 3, 14, 2, Wood);
    canvas.fillRect(9, 19, 14, 2, Wood);
    for (int row = 0; row < 7; ++row) {
        const int half = 6 - row;
        canvas.fillRect(16 - half - 1, 5 + row, 2 * half + 2, 1, sf::Color(200, 220, 240));
        canvas.fillRect(16 - row - 1, 12 + row, 2 * row + 2, 1, sf::Color(200, 220, 240));
    }
    canvas.fillRect(13, 15, 6, 4, Gold); // the sand that has run through
    canvas.fillRect(15, 11, 2, 4, Gold);
    Finish(canvas);
    return canvas;
}

// Carrying goods: a crate on a hand truck, moving right.
PixelCanvas CarryIcon() {
    PixelCanvas canvas = Blank();
    Crate(canvas, 11, 7, 11);
    canvas.fillRect(8, 3, 2, 17, Ink);
    canvas.fillRect(8, 18, 16, 2, Ink);
    canvas.fillEllipse(11.f, 21.f, 2.5f, 2.5f, Ink);
    for (int line = 0; line < 3; ++line)
        canvas.fillRect(2, 8 + 4 * line, 4, 1, Steel);
    Finish(canvas);
    return canvas;
}

// Work at the bench: a hammer crossed with a wrench.
PixelCanvas WorkIcon() {
    PixelCanvas canvas = Blank();
    for (int step = 0; step < 14; ++step)
        canvas.fillRect(8 + step, 6 + step, 2, 2, Steel); // wrench shaft
    canvas.fillRing(8.f, 6.f, 4.f, 1.8f, Steel);
    canvas.fillRect(5, 3, 3, 3, sf::Color::Transparent);
    for (int step = 0; step < 13; ++step)
        canvas.fillRect(22 - step, 8 + step, 2, 2, Wood); // hammer handle
    canvas.fillRect(17, 3, 10, 5, Ink);
    canvas.fillRect(17, 3, 10, 1, Steel);
    Finish(canvas);
    return canvas;
}

PixelCanvas EatIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillEllipse(16.f, 12.f, 7.5f, 7.5f, sf::Color::White);
    canvas.fillRing(16.f, 12.f, 7.5f, 6.5f, Steel);
    canvas.fillEllipse(16.f, 12.f, 4.f, 4.f, sf::Color(230, 120, 60));
    canvas.fillRect(4, 4, 1, 5, Steel); // fork
    canvas.fillRect(6, 4, 1, 5, Steel);
    canvas.fillRect(4, 8, 3, 1, Steel);
    canvas.fillRect(5, 8, 1, 13, Steel);
    canvas.fillRect(26, 4, 2, 17, Steel); // knife
    canvas.fillRect(27, 4, 1, 8, Shade(Steel, 1.3f));
    Finish(canvas);
    return canvas;
}

PixelCanvas ToiletIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillRect(9, 3, 14, 6, sf::Color::White); // cistern
    canvas.frameRect(9, 3, 14, 6, Steel);
    canvas.fillEllipse(16.f, 13.f, 8.f, 3.f, sf::Color::White);
    canvas.fillRing(16.f, 13.f, 8.f, 7.f, Steel);
    canvas.fillRect(12, 15, 8, 6, sf::Color::White);
    canvas.frameRect(12, 15, 8, 6, Steel);
    Finish(canvas);
    return canvas;
}

PixelCanvas CoffeeIcon() {
    PixelCanvas canvas = Blank();
    const sf::Color cup(250, 250, 250);
    canvas.fillRect(8, 10, 13, 10, cup);
    canvas.frameRect(8, 10, 13, 10, Steel);
    canvas.fillRect(9, 11, 11, 2, sf::Color(110, 66, 36));
    canvas.fillRing(22.f, 14.f, 3.5f, 2.f, Steel);
    canvas.fillRect(6, 20, 17, 1, Steel);
    for (int x : {11, 15, 19})
        for (int y = 3; y < 9; ++y)
            canvas.fillRect(x + (y % 3 == 0 ? 1 : 0), y, 1, 1, Steel);
    Finish(canvas);
    return canvas;
}

PixelCanvas SmokeIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillRect(4, 15, 18, 4, sf::Color::White);
    canvas.fillRect(22, 15, 5, 4, sf::Color(230, 150, 60));
    canvas.fillRect(27, 15, 1, 4, Red);
    for (int y = 3; y < 13; ++y)
        canvas.blendRect(24 + (y / 3) % 2 * 2 - 1, y, 2, 1, WithAlpha(Steel, 200));
    Finish(canvas);
    return canvas;
}

PixelCanvas SocialIcon() {
    PixelCanvas canvas = Blank();
    canvas.fillEllipse(12.f, 9.f, 8.f, 5.5f, Blue);
    canvas.fillRect(7, 13, 3, 4, Blue);
    canvas.fillEllipse(21.f, 15.f, 7.f, 5.f, Green);
    canvas.fillRect(23, 18, 3, 4, Green);
    for (int dot = 0; dot < 3; ++dot)
        canvas.fillRect(8 + 3 * dot, 8, 2, 2, sf::Color::White);
    Finish(canvas);
    return canvas;
}

PixelCanvas TransportIcon() {
    PixelCanvas canvas = Blank();
    Crate(canvas, 5, 6, 12);
    ArrowRight(canvas, 18, 12, 10, Green);
    Finish(canvas);
    return canvas;
}

// A crate with an arrow beside it: goods taken up or put down.
PixelCanvas CrateAndArrow(void (*arrow)(PixelCanvas&, int, int, int, sf::Color), sf::Color color) {
    PixelCanvas canvas = Blank();
    Crate(canvas, 4, 9, 12);
    arrow(canvas, 23, 3, 17, color);
    Finish(canvas);
    return canvas;
}

PixelCanvas PickUpIcon() {
    return CrateAndArrow(ArrowUp, Green);
}

PixelCanvas DeliverIcon() {
    return CrateAndArrow(ArrowDown, Blue);
}

// Research: a flask with something bubbling in it.
PixelCanvas ResearchIcon() {
    PixelCanvas canvas = Blank();
    const sf::Color glass(220, 236, 246);
    const sf::Color liquid(120, 200, 90);
    canvas.fillRect(13, 3, 6, 7, glass);
    canvas.fillRect(12, 3, 8, 1, Steel);
    // The body widens by a pixel each row below the neck; the liquid fills
    // it from row 14 down.
    const auto body = [](int fromRow) {
        return [fromRow](int x, int y) {
            const int half = 3 + (y - 10);
            return y >= fromRow && y <= 20 && x >= 16 - half && x < 16 + half;
        };
    };
    canvas.fillWhere(body(10), glass);
    canvas.fillWhere(body(14), liquid);
    canvas.fillEllipse(14.f, 16.f, 1.f, 1.f, sf::Color::White);
    canvas.fillEllipse(18.f, 18.f, 1.f, 1.f, sf::Color::White);
    Finish(canvas);
    return canvas;
}

} // namespace

void DrawTaskIcons(sf::Image& atlas) {
    const struct {
        int kind;
        PixelCanvas (*draw)();
    } icons[] = {
        {TaskError, ErrorIcon},
        {TaskNone, NoneIcon},
        {TaskIdle, IdleIcon},
        {TaskWait, WaitIcon},
        {TaskWalk, CarryIcon},
        {TaskWork, WorkIcon},
        {TaskEat, EatIcon},
        {TaskToilet, ToiletIcon},
        {TaskCoffee, CoffeeIcon},
        {TaskSmoke, SmokeIcon},
        {TaskSocial, SocialIcon},
        {TaskTransport, TransportIcon},
        {TaskPickUp, PickUpIcon},
        {TaskDeliver, DeliverIcon},
        {GameParams::Graphics::ResearchTaskIcon, ResearchIcon},
    };
    for (const auto& icon : icons)
        icon.draw().paintInto(atlas, Atlas::GetTaskIconTexture(icon.kind));
}
