#pragma once

#include "PixelCanvas.hpp"

#include <string>

// Stamps text in a 3 x 5 pixel font that knows just the letters and digits
// the sprites spell; other characters leave a gap.
void DrawPixelText(PixelCanvas& canvas, int x, int y, const std::string& text, sf::Color color);
int PixelTextWidth(const std::string& text);
