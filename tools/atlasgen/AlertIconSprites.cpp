#include "AtlasSections.hpp"
#include "IconShapes.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Icons of the alert list. They are shown at little more than 20 pixels, so
// each is one bold thing (a wall, a bench, a crate, a truck) with a badge
// that says what is wrong with it, in the look of the HUD icons.
namespace {

using namespace IconShapes;

constexpr int Size = TileCanvasSize;
const sf::Color Brick(176, 80, 58);
const sf::Color Metal(120, 126, 140);
const sf::Color Wood(176, 112, 58);

void BadgeDisc(PixelCanvas& canvas, sf::Color color) {
    canvas.fillEllipse(24.f, 24.f, 7.5f, 7.5f, Outline);
    canvas.fillEllipse(24.f, 24.f, 6.5f, 6.5f, color);
}

void CrossBadge(PixelCanvas& canvas) {
    BadgeDisc(canvas, Red);
    for (int step = -2; step <= 2; ++step) {
        canvas.fillRect(24 + step - 1, 24 + step - 1, 2, 2, sf::Color::White);
        canvas.fillRect(24 + step - 1, 24 - step - 1, 2, 2, sf::Color::White);
    }
}

// A red disc with a white bar: no way through.
void NoEntryBadge(PixelCanvas& canvas) {
    BadgeDisc(canvas, Red);
    canvas.fillRect(20, 23, 9, 3, sf::Color::White);
}

void ExclamationBadge(PixelCanvas& canvas, sf::Color color) {
    BadgeDisc(canvas, color);
    canvas.fillRect(23, 19, 3, 7, sf::Color::White);
    canvas.fillRect(23, 27, 3, 2, sf::Color::White);
}

void QuestionBadge(PixelCanvas& canvas) {
    BadgeDisc(canvas, Gold);
    const sf::Color ink(60, 40, 10);
    canvas.fillRect(21, 19, 6, 2, ink);
    canvas.fillRect(26, 20, 2, 3, ink);
    canvas.fillRect(24, 23, 3, 2, ink);
    canvas.fillRect(23, 24, 2, 2, ink);
    canvas.fillRect(23, 27, 2, 2, ink);
}

// An hourglass on a blue disc: waiting.
void WaitBadge(PixelCanvas& canvas) {
    BadgeDisc(canvas, sf::Color(60, 110, 210));
    const sf::Color sand(250, 230, 160);
    canvas.fillRect(20, 19, 9, 1, sf::Color::White);
    canvas.fillRect(20, 29, 9, 1, sf::Color::White);
    for (int row = 0; row < 4; ++row) {
        canvas.fillRect(21 + row, 20 + row, 7 - 2 * row, 1, sand);
        canvas.fillRect(21 + row, 28 - row, 7 - 2 * row, 1, sand);
    }
    canvas.fillRect(24, 24, 1, 1, sand);
}

void MinusBadge(PixelCanvas& canvas) {
    BadgeDisc(canvas, Red);
    canvas.fillRect(20, 23, 9, 3, sf::Color::White);
    canvas.fillRect(20, 23, 9, 1, sf::Color(255, 220, 220));
}

// A room seen from above: four walls, with a wide gap in the top one when open.
void Walls(PixelCanvas& canvas, bool open) {
    canvas.fillRect(3, 3, 22, 22, sf::Color(210, 204, 192));
    canvas.frameRect(3, 3, 22, 22, Brick);
    canvas.frameRect(4, 4, 20, 20, Brick);
    canvas.frameRect(5, 5, 18, 18, Shade(Brick, 0.8f));
    if (open)
        canvas.fillRect(9, 2, 10, 5, sf::Color::Transparent);
}

void Bench(PixelCanvas& canvas) {
    canvas.fillRect(2, 9, 22, 4, Shade(Wood, 1.15f)); // top
    canvas.fillRect(2, 13, 22, 2, Shade(Wood, 0.8f));
    canvas.fillRect(4, 15, 3, 12, Shade(Wood, 0.7f)); // legs
    canvas.fillRect(19, 15, 3, 12, Shade(Wood, 0.7f));
    canvas.fillRect(9, 4, 7, 5, Metal); // a vice on the top
    canvas.fillRect(9, 4, 7, 1, Shade(Metal, 1.4f));
}

// An office desk with a lamp on it.
void Desk(PixelCanvas& canvas) {
    canvas.fillRect(2, 12, 24, 4, Shade(Wood, 1.15f)); // top
    canvas.fillRect(2, 16, 24, 2, Shade(Wood, 0.8f));
    canvas.fillRect(3, 18, 8, 9, Shade(Wood, 0.9f)); // drawers
    canvas.fillRect(4, 21, 6, 1, Shade(Wood, 0.6f));
    canvas.fillRect(4, 24, 6, 1, Shade(Wood, 0.6f));
    canvas.fillRect(21, 18, 3, 9, Shade(Wood, 0.7f)); // leg
    canvas.fillRect(17, 4, 2, 8, Metal); // the lamp
    canvas.fillRect(14, 3, 8, 3, sf::Color(240, 200, 60));
}

void Person(PixelCanvas& canvas, float cx, float top, sf::Color shirt) {
    canvas.fillEllipse(cx, top + 16.f, 8.f, 7.f, shirt);
    canvas.fillRect(static_cast<int>(cx) - 8, static_cast<int>(top) + 16, 16, 7, shirt);
    canvas.fillEllipse(cx, top + 6.f, 5.f, 5.f, sf::Color(246, 204, 164));
    canvas.fillEllipse(cx, top + 3.f, 5.f, 2.5f, sf::Color(110, 70, 40));
}

void OpenRoom(PixelCanvas& canvas) {
    Walls(canvas, true);
}

void ClosedRoom(PixelCanvas& canvas) {
    Walls(canvas, false);
}

void BenchWithCrate(PixelCanvas& canvas) {
    Bench(canvas);
    Crate(canvas, 3, 1, 8);
}

void StackedCrates(PixelCanvas& canvas) {
    Crate(canvas, 2, 15, 11);
    Crate(canvas, 13, 15, 11);
    Crate(canvas, 7, 4, 11);
}

// A toilet seen from the side: the bowl, the cistern behind it.
void Toilet(PixelCanvas& canvas) {
    const sf::Color porcelain(244, 246, 250);
    canvas.fillRect(4, 4, 7, 12, porcelain);
    canvas.fillRect(4, 15, 18, 4, porcelain);
    canvas.fillEllipse(13.f, 19.f, 9.f, 5.f, porcelain);
    canvas.fillRect(9, 22, 8, 5, Shade(porcelain, 0.85f));
    canvas.fillRect(4, 15, 18, 1, sf::Color(150, 170, 200));
}

// A fridge with a crate in front of it.
void BlockedFridge(PixelCanvas& canvas) {
    const sf::Color white(236, 240, 244);
    canvas.fillRect(3, 2, 13, 26, white);
    canvas.fillRect(3, 11, 13, 1, Shade(white, 0.7f));
    canvas.fillRect(13, 5, 1, 4, Metal);
    canvas.fillRect(13, 14, 1, 6, Metal);
    Crate(canvas, 9, 15, 12);
}

void Lorry(PixelCanvas& canvas) {
    canvas.fillRect(1, 7, 17, 13, sf::Color(60, 110, 210)); // box
    canvas.fillRect(1, 7, 17, 2, sf::Color(100, 150, 240));
    canvas.fillRect(18, 11, 8, 9, sf::Color(230, 230, 236)); // cab
    canvas.fillRect(20, 13, 4, 3, sf::Color(140, 190, 230));
    canvas.fillEllipse(6.f, 21.f, 3.f, 3.f, sf::Color(40, 40, 46));
    canvas.fillEllipse(21.f, 21.f, 3.f, 3.f, sf::Color(40, 40, 46));
}

void Unloading(PixelCanvas& canvas) {
    Lorry(canvas);
    ArrowLeft(canvas, 3, 28, 14, Green);
}

void Loading(PixelCanvas& canvas) {
    Lorry(canvas);
    ArrowRight(canvas, 1, 28, 14, sf::Color(240, 150, 30));
}

void Idler(PixelCanvas& canvas) {
    Person(canvas, 13.f, 4.f, sf::Color(150, 150, 160));
}

void Coin(PixelCanvas& canvas) {
    canvas.fillEllipse(13.f, 13.f, 10.f, 10.f, Gold);
    canvas.fillRing(13.f, 13.f, 9.f, 7.5f, Shade(Gold, 0.8f));
    canvas.fillRect(12, 7, 2, 12, Shade(Gold, 0.65f));
}

void OrangeExclamation(PixelCanvas& canvas) {
    ExclamationBadge(canvas, sf::Color(240, 150, 30));
}

void RedExclamation(PixelCanvas& canvas) {
    ExclamationBadge(canvas, Red);
}

struct AlertIcon {
    void (*thing)(PixelCanvas&);
    void (*badge)(PixelCanvas&);
};

// In the order of the kinds, as the HUD asks for them.
const AlertIcon Icons[GameParams::Graphics::AlertIconCount] = {
    {OpenRoom, OrangeExclamation}, {ClosedRoom, NoEntryBadge},
    {Bench, QuestionBadge},        {Bench, WaitBadge},
    {BenchWithCrate, CrossBadge},  {StackedCrates, RedExclamation},
    {Toilet, CrossBadge},          {BlockedFridge, NoEntryBadge},
    {Unloading, CrossBadge},       {Loading, CrossBadge},
    {Idler, QuestionBadge},        {Coin, MinusBadge},
    {Desk, CrossBadge},            {Desk, QuestionBadge},
};

} // namespace

void DrawAlertIcons(sf::Image& atlas) {
    for (int kind = 0; kind < GameParams::Graphics::AlertIconCount; ++kind) {
        PixelCanvas canvas(Size, Size);
        Icons[kind].thing(canvas);
        canvas.outline(Outline);
        Icons[kind].badge(canvas);
        canvas.paintInto(atlas, Atlas::GetAlertIconTexture(kind));
    }
}
