#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

namespace Atlas = GameParams::Graphics::SIZE128PX;

// Furniture seen from straight above, unrotated. The side an employee uses
// an object from decides where its front is drawn: fridge, kitchen counter
// and coffee machine are used from the left, the desk from below, tables and
// benches from every side.
namespace {

constexpr int Size = TileCanvasSize;
const sf::Color Outline(44, 36, 32);
const sf::Color Shadow(0, 0, 0, 70);

void Finish(PixelCanvas& canvas) {
    canvas.outline(Outline);
    canvas.dropShadow(1, 2, Shadow);
}

PixelCanvas Desk() {
    PixelCanvas canvas(Size, Size);
    const sf::Color wood(176, 124, 76);
    canvas.fillRect(2, 6, 28, 18, wood);
    canvas.fillRect(2, 6, 28, 1, Shade(wood, 1.15f));
    canvas.fillRect(2, 22, 28, 2, Shade(wood, 0.8f));
    for (int x = 4; x < 30; x += 7)
        canvas.fillRect(x, 8, 1, 12, Shade(wood, 0.93f)); // grain
    // Monitor at the back, screen towards the user below.
    canvas.fillRect(9, 7, 14, 4, sf::Color(52, 54, 62));
    canvas.fillRect(10, 10, 12, 1, sf::Color(96, 170, 230));
    canvas.fillRect(14, 11, 4, 2, sf::Color(70, 72, 80));
    canvas.fillRect(9, 15, 12, 4, sf::Color(224, 224, 220)); // keyboard
    for (int key = 0; key < 5; ++key)
        canvas.fillRect(10 + 2 * key, 16, 1, 2, sf::Color(170, 170, 168));
    canvas.fillRect(23, 15, 3, 4, sf::Color(230, 230, 226)); // mouse
    canvas.fillRect(3, 13, 4, 6, sf::Color(250, 250, 246));  // papers
    canvas.fillRect(4, 15, 2, 1, sf::Color(150, 150, 160));
    Finish(canvas);
    return canvas;
}

void Snowflake(PixelCanvas& canvas, int cx, int cy, sf::Color color) {
    canvas.fillRect(cx - 3, cy, 7, 1, color);
    canvas.fillRect(cx, cy - 3, 1, 7, color);
    for (int step = 1; step <= 2; ++step) {
        canvas.set(cx - step, cy - step, color);
        canvas.set(cx + step, cy - step, color);
        canvas.set(cx - step, cy + step, color);
        canvas.set(cx + step, cy + step, color);
    }
}

PixelCanvas Fridge() {
    PixelCanvas canvas(Size, Size);
    const sf::Color enamel(232, 238, 244);
    canvas.fillRect(7, 3, 20, 26, enamel);
    canvas.fillRect(7, 3, 20, 1, sf::Color(250, 252, 255));
    canvas.fillRect(25, 4, 2, 25, Shade(enamel, 0.86f));
    canvas.fillRect(7, 27, 20, 2, Shade(enamel, 0.8f));
    // Door edge and handle on the user's side.
    canvas.fillRect(9, 4, 1, 23, Shade(enamel, 0.78f));
    canvas.fillRect(5, 8, 2, 7, sf::Color(150, 156, 166));
    canvas.fillRect(5, 18, 2, 6, sf::Color(150, 156, 166));
    Snowflake(canvas, 18, 15, sf::Color(90, 160, 230));
    Finish(canvas);
    return canvas;
}

// Counters stand in rows, so the top runs the full tile height.
PixelCanvas KitchenCounter() {
    PixelCanvas canvas(Size, Size);
    const sf::Color top(214, 208, 196);
    canvas.fillRect(5, 0, 27, Size, top);
    canvas.fillRect(5, 0, 2, Size, sf::Color(160, 112, 70)); // front edge
    canvas.fillRect(30, 0, 2, Size, Shade(top, 0.85f));
    canvas.fillRect(5, 0, 27, 1, Shade(top, 0.9f));
    // Sink basin and tap.
    const sf::Color steel(170, 178, 186);
    canvas.fillRect(11, 4, 14, 11, Shade(steel, 0.8f));
    canvas.fillRect(12, 5, 12, 9, steel);
    canvas.fillRect(13, 6, 10, 7, sf::Color(136, 176, 210));
    canvas.fillRect(26, 8, 3, 2, sf::Color(120, 126, 134));
    canvas.fillRect(23, 9, 3, 1, sf::Color(120, 126, 134));
    // Two hot plates.
    const sf::Color hob(46, 46, 50);
    canvas.fillRect(11, 18, 16, 12, hob);
    canvas.fillRing(15.f, 24.f, 3.2f, 1.6f, sf::Color(200, 70, 50));
    canvas.fillRing(23.f, 24.f, 3.2f, 1.6f, sf::Color(120, 120, 126));
    Finish(canvas);
    return canvas;
}

void Plate(PixelCanvas& canvas, float cx, float cy) {
    canvas.fillEllipse(cx, cy, 3.2f, 3.2f, sf::Color(246, 246, 242));
    canvas.fillEllipse(cx, cy, 1.8f, 1.8f, sf::Color(214, 214, 208));
}

PixelCanvas KitchenTable() {
    PixelCanvas canvas(Size, Size);
    const sf::Color wood(190, 138, 84);
    canvas.fillRect(5, 5, 22, 22, wood);
    canvas.fillRect(5, 5, 22, 1, Shade(wood, 1.15f));
    canvas.fillRect(5, 25, 22, 2, Shade(wood, 0.8f));
    canvas.fillRect(25, 6, 2, 20, Shade(wood, 0.88f));
    for (int y = 9; y < 25; y += 5)
        canvas.fillRect(6, y, 19, 1, Shade(wood, 0.92f));
    Plate(canvas, 16.f, 9.f);
    Plate(canvas, 16.f, 23.f);
    Plate(canvas, 9.f, 16.f);
    Plate(canvas, 23.f, 16.f);
    canvas.fillEllipse(16.f, 16.f, 2.f, 2.f, sf::Color(220, 60, 60)); // a bowl of apples
    canvas.set(16, 15, sf::Color(250, 120, 110));
    Finish(canvas);
    return canvas;
}

// The user sits facing left, so the cistern is on the right.
PixelCanvas Toilet() {
    PixelCanvas canvas(Size, Size);
    const sf::Color porcelain(240, 242, 244);
    canvas.fillRect(21, 7, 8, 18, porcelain);
    canvas.fillRect(27, 8, 2, 17, Shade(porcelain, 0.84f));
    canvas.fillRect(23, 14, 3, 4, sf::Color(180, 186, 194)); // flush button
    canvas.fillEllipse(14.f, 16.f, 9.f, 7.f, porcelain);
    canvas.fillRect(17, 11, 5, 10, porcelain);
    canvas.fillEllipse(13.5f, 16.f, 6.5f, 4.6f, Shade(porcelain, 0.86f));
    canvas.fillEllipse(13.f, 16.f, 4.8f, 3.2f, sf::Color(120, 190, 230));
    canvas.fillEllipse(12.f, 15.f, 1.6f, 0.9f, sf::Color(190, 230, 250));
    Finish(canvas);
    return canvas;
}

// Stands on a counter and is used from its left; the cup stays on the
// counter's top, inside its front edge.
PixelCanvas CoffeeMachine() {
    PixelCanvas canvas(Size, Size);
    const sf::Color body(60, 58, 64);
    canvas.fillRect(17, 7, 12, 18, body);
    canvas.fillRect(17, 7, 12, 1, Shade(body, 1.5f));
    canvas.fillRect(27, 8, 2, 17, Shade(body, 0.7f));
    canvas.fillEllipse(23.f, 12.f, 3.f, 3.f, sf::Color(120, 70, 40)); // bean hopper
    canvas.fillEllipse(22.5f, 11.5f, 1.2f, 1.2f, sf::Color(170, 110, 60));
    canvas.fillRect(19, 18, 7, 2, sf::Color(200, 60, 50));
    canvas.fillRect(14, 17, 3, 4, sf::Color(150, 150, 156)); // spout
    // The cup under the spout.
    canvas.fillEllipse(11.f, 19.f, 3.5f, 3.5f, sf::Color(248, 248, 244));
    canvas.fillEllipse(11.f, 19.f, 2.2f, 2.2f, sf::Color(110, 66, 34));
    canvas.fillRect(10, 23, 2, 2, sf::Color(248, 248, 244));
    Finish(canvas);
    return canvas;
}

PixelCanvas Workbench() {
    PixelCanvas canvas(Size, Size);
    const sf::Color wood(164, 116, 66);
    const sf::Color steel(150, 158, 166);
    canvas.fillRect(2, 6, 28, 20, wood);
    canvas.fillRect(2, 6, 28, 2, steel);
    canvas.fillRect(2, 24, 28, 2, Shade(wood, 0.75f));
    for (int x = 5; x < 30; x += 6)
        canvas.fillRect(x, 8, 1, 16, Shade(wood, 0.88f)); // planks
    // Vice at the left corner.
    canvas.fillRect(3, 9, 7, 6, Shade(steel, 0.8f));
    canvas.fillRect(4, 10, 5, 1, Shade(steel, 1.2f));
    canvas.fillRect(5, 12, 3, 2, sf::Color(60, 60, 66));
    // Hammer.
    canvas.fillRect(13, 18, 11, 2, sf::Color(120, 80, 40));
    canvas.fillRect(22, 15, 3, 7, sf::Color(80, 84, 92));
    // Wrench.
    canvas.line(12, 10, 22, 13, sf::Color(200, 206, 214));
    canvas.line(12, 11, 22, 14, sf::Color(170, 176, 184));
    canvas.fillRect(23, 11, 3, 4, sf::Color(200, 206, 214));
    canvas.set(24, 12, wood);
    canvas.set(24, 13, wood);
    Finish(canvas);
    return canvas;
}

// A sliding door panel lying across the doorway; the game slides the whole
// sprite along the wall when someone walks through.
PixelCanvas Door() {
    PixelCanvas canvas(Size, Size);
    const sf::Color wood(150, 96, 52);
    const sf::Color frame(96, 60, 34);
    canvas.fillRect(0, 11, Size, 10, frame);
    canvas.fillRect(1, 12, Size - 2, 8, wood);
    canvas.fillRect(1, 12, Size - 2, 1, Shade(wood, 1.25f));
    canvas.fillRect(1, 19, Size - 2, 1, Shade(wood, 0.75f));
    canvas.fillRect(4, 15, 24, 1, Shade(wood, 0.85f));
    canvas.fillRect(5, 14, 1, 4, sf::Color(90, 160, 200));  // glass slit
    canvas.fillRect(26, 13, 2, 6, sf::Color(214, 190, 90)); // handle
    canvas.outline(Outline);
    return canvas;
}

} // namespace

void DrawObjects(sf::Image& atlas) {
    Desk().paintInto(atlas, Atlas::GetTexture(ObjectDesk));
    Fridge().paintInto(atlas, Atlas::GetTexture(ObjectFridge));
    KitchenCounter().paintInto(atlas, Atlas::GetTexture(ObjectKitchenCounter));
    KitchenTable().paintInto(atlas, Atlas::GetTexture(ObjectKitchenTable));
    Toilet().paintInto(atlas, Atlas::GetTexture(ObjectToilet));
    CoffeeMachine().paintInto(atlas, Atlas::GetTexture(ObjectCoffeeMachine));
    Workbench().paintInto(atlas, Atlas::GetTexture(ObjectWorkbench));
    Door().paintInto(atlas, Atlas::GetTexture(ObjectDoor));
}
