#pragma once

#include "PixelCanvas.hpp"

// Colours and shapes that the HUD icons and the task icons share, so the two
// sets read as one family.
namespace IconShapes {

extern const sf::Color Outline;
extern const sf::Color Green;
extern const sf::Color Red;
extern const sf::Color Gold;

// A wooden crate with a cross brace, size pixels square.
void Crate(PixelCanvas& canvas, int x, int y, int size);
// Arrows with a head of four steps; y is the shaft's middle row.
void ArrowRight(PixelCanvas& canvas, int x, int y, int length, sf::Color color);
void ArrowLeft(PixelCanvas& canvas, int x, int y, int length, sf::Color color);

} // namespace IconShapes
