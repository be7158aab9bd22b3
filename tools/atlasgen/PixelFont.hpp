#pragma once

#include "PixelCanvas.hpp"

#include <string>

// Stamps upper-case letters, digits and a few signs in a 3 x 5 pixel font;
// unknown characters leave a gap.
void DrawPixelText(PixelCanvas& canvas, int x, int y, const std::string& text, sf::Color color);
int PixelTextWidth(const std::string& text);
