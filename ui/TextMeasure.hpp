#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>

// Measuring a text renders its glyphs into the font's texture, which needs a
// GL context. Widgets measure only through these helpers: with a font that
// was never loaded (headless tests, the simulation) every text measures as
// empty and nothing touches the GPU. With a loaded font a window must exist.
namespace TextMeasure {

bool CanMeasure(const sf::Text& text);
// The ink rectangle, or an empty one when the text cannot be measured.
sf::FloatRect Bounds(const sf::Text& text);
// The ink's left and width, with the top and height of a line of that font
// and size whatever its letters: from an umlaut's dots above a capital to a
// descender's foot. Texts placed by it share one baseline.
sf::FloatRect LineBounds(const sf::Text& text);
// Horizontal distance from the first character to character `index`.
float AdvanceTo(const sf::Text& text, std::size_t index);
// Largest character size up to `maxSize` whose ink fits in (width, height),
// grown from the text's current size; 0 when nothing fits. Leaves the text
// at that size. Without a measurable font the size is left as it is. With
// wholeLine the height fitted is the line's (LineBounds), not the ink's.
unsigned FitCharacterSize(sf::Text& text, float width, float height, unsigned maxSize,
                          bool wholeLine = false);

} // namespace TextMeasure
