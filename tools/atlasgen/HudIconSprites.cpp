#include "AtlasSections.hpp"
#include "IconShapes.hpp"
#include "PixelCanvas.hpp"
#include "PixelFont.hpp"

#include "params/Graphics.hpp"

#include <cmath>

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Icons of the panel and dialog buttons. They are shown at 64 and 48
// pixels, so they keep to a few bold shapes with a dark rim.
namespace {

using namespace IconShapes;

constexpr int Size = TileCanvasSize;

void Finish(PixelCanvas& canvas) {
    canvas.outline(Outline);
}

// A head and shoulders, the way staff are shown in every icon.
void Person(PixelCanvas& canvas, float cx, float top, sf::Color shirt) {
    canvas.fillEllipse(cx, top + 15.f, 8.f, 7.f, shirt);
    canvas.fillRect(static_cast<int>(cx) - 8, static_cast<int>(top) + 15, 16, 6, shirt);
    canvas.fillEllipse(cx, top + 15.f, 8.f, 1.f, Shade(shirt, 1.2f));
    canvas.fillEllipse(cx, top + 5.5f, 4.5f, 4.5f, sf::Color(246, 204, 164));
    canvas.fillEllipse(cx, top + 3.f, 4.5f, 2.5f, sf::Color(110, 70, 40));
}

void Badge(PixelCanvas& canvas, sf::Color color) {
    canvas.fillEllipse(24.f, 24.f, 6.5f, 6.5f, Outline);
    canvas.fillEllipse(24.f, 24.f, 5.5f, 5.5f, color);
}

void PlusBadge(PixelCanvas& canvas) {
    Badge(canvas, Green);
    canvas.fillRect(21, 23, 7, 2, sf::Color::White);
    canvas.fillRect(23, 21, 2, 7, sf::Color::White);
}

void CrossBadge(PixelCanvas& canvas) {
    Badge(canvas, Red);
    for (int step = -2; step <= 2; ++step) {
        canvas.fillRect(24 + step - 1, 24 + step - 1, 2, 2, sf::Color::White);
        canvas.fillRect(24 + step - 1, 24 - step - 1, 2, 2, sf::Color::White);
    }
}

PixelCanvas TilesPanel() {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(3, 3, 12, 12, sf::Color(86, 160, 62));
    canvas.fillRect(4, 5, 1, 1, sf::Color(130, 200, 90));
    canvas.fillRect(9, 9, 1, 1, sf::Color(130, 200, 90));
    canvas.fillRect(17, 3, 12, 12, sf::Color(180, 172, 160));
    for (int course = 0; course < 3; ++course)
        for (int brick = -1; brick < 2; ++brick)
            canvas.fillRect(17 + brick * 6 + (course % 2) * 3, 3 + course * 4, 5, 3,
                            sf::Color(170, 80, 58));
    canvas.fillRect(3, 17, 12, 12, sf::Color(210, 204, 192));
    canvas.fillRect(9, 17, 1, 12, sf::Color(170, 164, 154));
    canvas.fillRect(3, 23, 12, 1, sf::Color(170, 164, 154));
    canvas.fillRect(17, 17, 12, 12, sf::Color(76, 78, 84));
    canvas.fillRect(19, 22, 8, 2, sf::Color::White);
    // The brick sprite overshoots its square; trim it back.
    canvas.fillRect(15, 0, 2, 17, sf::Color::Transparent);
    canvas.fillRect(29, 0, 3, 17, sf::Color::Transparent);
    Finish(canvas);
    return canvas;
}

PixelCanvas ZonesPanel() {
    PixelCanvas canvas(Size, Size);
    const sf::Color colors[4] = {sf::Color(244, 146, 40), sf::Color(56, 160, 240),
                                 sf::Color(160, 96, 226), sf::Color(64, 190, 80)};
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int x = 4 + (quarter % 2) * 12;
        const int y = 4 + (quarter / 2) * 12;
        canvas.fillRect(x, y, 12, 12, colors[quarter]);
        canvas.fillRect(x, y, 12, 2, Shade(colors[quarter], 1.2f));
    }
    // Dashed boundary: the zone is a marked area, not a tile.
    for (int step = 0; step < 24; step += 4) {
        canvas.fillRect(4 + step, 4, 2, 1, sf::Color::White);
        canvas.fillRect(4 + step, 27, 2, 1, sf::Color::White);
        canvas.fillRect(4, 4 + step, 1, 2, sf::Color::White);
        canvas.fillRect(27, 4 + step, 1, 2, sf::Color::White);
    }
    Finish(canvas);
    return canvas;
}

PixelCanvas FurniturePanel() {
    PixelCanvas canvas(Size, Size);
    const sf::Color wood(176, 112, 58);
    canvas.fillRect(6, 4, 4, 17, wood); // backrest
    canvas.fillRect(6, 4, 1, 17, Shade(wood, 1.25f));
    canvas.fillRect(6, 16, 15, 4, Shade(wood, 1.1f)); // seat
    canvas.fillRect(6, 20, 3, 8, Shade(wood, 0.8f));
    canvas.fillRect(18, 20, 3, 8, Shade(wood, 0.8f));
    // A small table beside it.
    canvas.fillRect(19, 11, 11, 3, sf::Color(210, 160, 100));
    canvas.fillRect(23, 14, 3, 14, sf::Color(150, 100, 56));
    canvas.fillRect(21, 27, 7, 1, sf::Color(150, 100, 56));
    Finish(canvas);
    return canvas;
}

PixelCanvas StaffPanel() {
    PixelCanvas canvas(Size, Size);
    Person(canvas, 21.f, 3.f, sf::Color(70, 160, 90));
    canvas.outline(Outline);
    Person(canvas, 12.f, 8.f, sf::Color(60, 110, 210));
    Finish(canvas);
    return canvas;
}

void Coin(PixelCanvas& canvas, float cx, float cy, float radius) {
    canvas.fillEllipse(cx, cy, radius, radius, Gold);
    canvas.fillRing(cx, cy, radius - 1.f, radius - 2.f, Shade(Gold, 0.8f));
    canvas.fillRect(static_cast<int>(cx) - 1, static_cast<int>(cy - radius) + 3, 2,
                    static_cast<int>(2 * radius) - 6, Shade(Gold, 0.7f));
}

PixelCanvas TradePanel() {
    PixelCanvas canvas(Size, Size);
    Crate(canvas, 18, 12, 11);
    Coin(canvas, 8.f, 17.f, 6.f);
    ArrowRight(canvas, 6, 5, 20, Green);
    ArrowLeft(canvas, 6, 28, 20, Red);
    Finish(canvas);
    return canvas;
}

PixelCanvas PriceHistory() {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(3, 4, 26, 24, sf::Color(250, 250, 246));
    canvas.fillRect(6, 7, 1, 18, sf::Color(90, 90, 100));
    canvas.fillRect(6, 24, 21, 1, sf::Color(90, 90, 100));
    for (int y = 10; y < 24; y += 4)
        canvas.fillRect(7, y, 20, 1, sf::Color(220, 222, 228));
    const int points[][2] = {{8, 20}, {12, 16}, {16, 18}, {20, 11}, {25, 8}};
    for (int i = 0; i + 1 < 5; ++i) {
        const sf::Color color = points[i + 1][1] > points[i][1] ? Red : Green;
        canvas.line(points[i][0], points[i][1], points[i + 1][0], points[i + 1][1], color);
        canvas.line(points[i][0], points[i][1] - 1, points[i + 1][0], points[i + 1][1] - 1, color);
    }
    Finish(canvas);
    return canvas;
}

PixelCanvas BuyItems() {
    PixelCanvas canvas(Size, Size);
    const sf::Color metal(120, 126, 140);
    canvas.fillRect(2, 5, 5, 2, metal); // handle
    for (int row = 0; row < 10; ++row)
        canvas.fillRect(7 + row / 4, 8 + row, 20 - row / 2 - row / 4, 1, metal);
    for (int x = 10; x < 26; x += 4)
        canvas.fillRect(x, 9, 1, 8, Shade(metal, 1.4f));
    canvas.fillRect(9, 19, 16, 2, metal);
    canvas.fillEllipse(11.f, 24.f, 2.f, 2.f, Shade(metal, 0.6f));
    canvas.fillEllipse(22.f, 24.f, 2.f, 2.f, Shade(metal, 0.6f));
    canvas.outline(Outline);
    PlusBadge(canvas);
    return canvas;
}

PixelCanvas SellItems() {
    PixelCanvas canvas(Size, Size);
    const sf::Color tag(250, 170, 50);
    // A price tag hanging at an angle.
    canvas.fillWhere(
        [](int x, int y) {
            const int u = x + y;
            const int v = x - y;
            return u >= 16 && u <= 46 && v >= -9 && v <= 9 && (u >= 22 || std::abs(v) <= u - 13);
        },
        tag);
    canvas.fillEllipse(10.5f, 10.5f, 1.6f, 1.6f, sf::Color::Transparent);
    canvas.line(10, 10, 5, 4, sf::Color(120, 100, 80));
    Coin(canvas, 19.f, 19.f, 5.f);
    Finish(canvas);
    return canvas;
}

PixelCanvas LabourMarket() {
    PixelCanvas canvas(Size, Size);
    Person(canvas, 13.f, 5.f, sf::Color(60, 110, 210));
    canvas.outline(Outline);
    PlusBadge(canvas);
    return canvas;
}

PixelCanvas DismissStaff() {
    PixelCanvas canvas(Size, Size);
    Person(canvas, 13.f, 5.f, sf::Color(110, 110, 120));
    canvas.outline(Outline);
    CrossBadge(canvas);
    return canvas;
}

PixelCanvas WorkPriorities() {
    PixelCanvas canvas(Size, Size);
    const char* ranks[3] = {"1", "2", "3"};
    const sf::Color bars[3] = {Red, Gold, Green};
    for (int row = 0; row < 3; ++row) {
        const int y = 4 + 9 * row;
        canvas.fillRect(2, y, 7, 7, sf::Color(250, 250, 246));
        DrawPixelText(canvas, 4, y + 1, ranks[row], sf::Color(40, 40, 50));
        canvas.fillRect(11, y + 1, 18 - 4 * row, 5, bars[row]);
        canvas.fillRect(11, y + 1, 18 - 4 * row, 1, Shade(bars[row], 1.2f));
    }
    Finish(canvas);
    return canvas;
}

// A ledger sheet with a bar for each day, and a coin: the money's story.
PixelCanvas Statistics() {
    PixelCanvas canvas(Size, Size);
    canvas.fillRect(3, 3, 24, 26, sf::Color(250, 250, 246));
    canvas.fillRect(3, 3, 24, 4, sf::Color(60, 110, 210));
    for (int y = 10; y < 27; y += 4)
        canvas.fillRect(5, y, 20, 1, sf::Color(220, 222, 228));
    const int heights[] = {6, 10, 8, 14};
    for (int day = 0; day < 4; ++day) {
        const sf::Color bar = day == 2 ? Red : Green;
        const int x = 6 + day * 5;
        canvas.fillRect(x, 26 - heights[day], 3, heights[day], bar);
        canvas.fillRect(x, 26 - heights[day], 1, heights[day], Shade(bar, 1.25f));
    }
    canvas.fillRect(5, 26, 21, 1, sf::Color(90, 90, 100));
    canvas.outline(Outline);
    Coin(canvas, 25.f, 24.f, 5.f);
    Finish(canvas);
    return canvas;
}

// A round flask with something bubbling in it, and a spark of an idea.
PixelCanvas ResearchIcon() {
    PixelCanvas canvas(Size, Size);
    const sf::Color glass(214, 232, 244);
    const sf::Color liquid(86, 190, 110);
    canvas.fillRect(12, 3, 7, 10, glass);
    canvas.fillRect(11, 3, 9, 2, sf::Color(150, 156, 168));
    canvas.fillEllipse(15.5f, 20.f, 10.f, 9.f, glass);
    canvas.fillWhere(
        [](int x, int y) {
            const float dx = (static_cast<float>(x) + 0.5f - 15.5f) / 10.f;
            const float dy = (static_cast<float>(y) + 0.5f - 20.f) / 9.f;
            return y >= 19 && dx * dx + dy * dy <= 1.f;
        },
        liquid);
    canvas.fillRect(7, 19, 17, 1, Shade(liquid, 1.25f));
    canvas.fillEllipse(12.f, 23.f, 1.5f, 1.5f, sf::Color::White);
    canvas.fillEllipse(18.f, 25.f, 1.f, 1.f, sf::Color::White);
    canvas.fillEllipse(16.f, 15.f, 1.f, 1.f, sf::Color::White);
    canvas.fillRect(8, 14, 2, 4, sf::Color(250, 250, 250)); // the glass's gleam
    canvas.outline(Outline);
    // The spark stays outside the rim.
    canvas.fillRect(25, 2, 2, 8, Gold);
    canvas.fillRect(22, 5, 8, 2, Gold);
    canvas.fillRect(25, 5, 2, 2, sf::Color::White);
    return canvas;
}

// A sledgehammer coming down on a cracked brick.
PixelCanvas Demolish() {
    PixelCanvas canvas(Size, Size);
    const sf::Color brick(176, 80, 58);
    canvas.fillRect(10, 21, 18, 8, brick);
    canvas.fillRect(10, 21, 18, 2, Shade(brick, 1.2f));
    canvas.line(18, 21, 16, 24, sf::Color(90, 40, 30));
    canvas.line(16, 24, 19, 28, sf::Color(90, 40, 30));
    canvas.fillRect(6, 25, 2, 2, brick); // chips
    canvas.fillRect(29, 18, 2, 2, brick);
    const sf::Color handle(150, 100, 52);
    for (int step = 0; step < 15; ++step)
        canvas.fillRect(4 + step, 4 + step / 2 + step / 4, 2, 2, handle);
    canvas.fillRect(16, 5, 7, 11, sf::Color(96, 100, 110));
    canvas.fillRect(16, 5, 7, 2, sf::Color(150, 156, 168));
    canvas.outline(Outline);
    canvas.fillRect(25, 5, 3, 1, sf::Color(250, 250, 250)); // swing marks
    canvas.fillRect(25, 9, 4, 1, sf::Color(250, 250, 250));
    return canvas;
}

// The tile frame: bold corners and a thin edge between them, empty inside so
// the tile stays visible.
PixelCanvas CursorFrame(sf::Color color) {
    PixelCanvas canvas(Size, Size);
    const sf::Color contrast =
        color.r + color.g + color.b > 300 ? sf::Color(0, 0, 0, 90) : sf::Color(255, 255, 255, 90);
    canvas.frameRect(0, 0, Size, Size, WithAlpha(color, 170));
    canvas.frameRect(1, 1, Size - 2, Size - 2, contrast);
    constexpr int Arm = 8;
    for (int corner = 0; corner < 4; ++corner) {
        const int x = corner % 2 == 0 ? 0 : Size - Arm;
        const int y = corner / 2 == 0 ? 0 : Size - 2;
        canvas.fillRect(x, y, Arm, 2, color);
        const int armX = corner % 2 == 0 ? 0 : Size - 2;
        const int armY = corner / 2 == 0 ? 0 : Size - Arm;
        canvas.fillRect(armX, armY, 2, Arm, color);
    }
    return canvas;
}

} // namespace

void DrawHudIcons(sf::Image& atlas) {
    TilesPanel().paintInto(atlas, Atlas::GetTexture(GuiTilesPanel));
    ZonesPanel().paintInto(atlas, Atlas::GetTexture(GuiZonesPanel));
    FurniturePanel().paintInto(atlas, Atlas::GetTexture(GuiFurniturePanel));
    StaffPanel().paintInto(atlas, Atlas::GetTexture(GuiStaffPanel));
    TradePanel().paintInto(atlas, Atlas::GetTexture(GuiTradePanel));
    PriceHistory().paintInto(atlas, Atlas::GetTexture(GuiPriceHistory));
    BuyItems().paintInto(atlas, Atlas::GetTexture(GuiBuyItems));
    SellItems().paintInto(atlas, Atlas::GetTexture(GuiSellItems));
    LabourMarket().paintInto(atlas, Atlas::GetTexture(GuiLabourMarket));
    DismissStaff().paintInto(atlas, Atlas::GetTexture(GuiDismissStaff));
    WorkPriorities().paintInto(atlas, Atlas::GetTexture(GuiWorkPriorities));
    Statistics().paintInto(atlas, Atlas::GetTexture(GuiStatistics));
    ResearchIcon().paintInto(atlas, Atlas::GetTexture(GuiResearch));
    // Zones and objects are torn down with the same tool picture.
    Demolish().paintInto(atlas, Atlas::GetTexture(GuiDemolishZone));
    Demolish().paintInto(atlas, Atlas::GetTexture(GuiDemolishObject));
}

void DrawCursorFrames(sf::Image& atlas) {
    const GameParams::Graphics::CursorTextureMap frames = Atlas::GetCursorTexture();
    const struct {
        const char* name;
        sf::Color color;
    } looks[] = {
        {"white", sf::Color::White}, {"red", sf::Color(230, 30, 30)}, {"black", sf::Color::Black}};
    for (const auto& look : looks)
        CursorFrame(look.color).paintInto(atlas, frames.at(look.name));
}
