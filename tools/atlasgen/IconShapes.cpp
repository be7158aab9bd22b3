#include "IconShapes.hpp"

namespace IconShapes {

const sf::Color Outline(30, 28, 34);
const sf::Color Green(60, 180, 70);
const sf::Color Red(220, 50, 44);
const sf::Color Gold(240, 190, 40);

void Crate(PixelCanvas& canvas, int x, int y, int size) {
    const sf::Color wood(196, 140, 80);
    canvas.fillRect(x, y, size, size, wood);
    canvas.frameRect(x, y, size, size, Shade(wood, 0.7f));
    canvas.line(x + 1, y + 1, x + size - 2, y + size - 2, Shade(wood, 0.75f));
    canvas.line(x + size - 2, y + 1, x + 1, y + size - 2, Shade(wood, 0.75f));
}

void ArrowRight(PixelCanvas& canvas, int x, int y, int length, sf::Color color) {
    canvas.fillRect(x, y - 1, length - 4, 3, color);
    for (int step = 0; step < 4; ++step)
        canvas.fillRect(x + length - 4 + step, y - 3 + step, 1, 7 - 2 * step, color);
}

void ArrowLeft(PixelCanvas& canvas, int x, int y, int length, sf::Color color) {
    canvas.fillRect(x + 4, y - 1, length - 4, 3, color);
    for (int step = 0; step < 4; ++step)
        canvas.fillRect(x + 3 - step, y - 3 + step, 1, 7 - 2 * step, color);
}

} // namespace IconShapes
