#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/Font.hpp>

#include <algorithm>

namespace TextMeasure {

bool CanMeasure(const sf::Text& text) {
    const sf::Font* font = text.getFont();
    return font != nullptr && !font->getInfo().family.empty();
}

sf::FloatRect Bounds(const sf::Text& text) {
    if (!CanMeasure(text))
        return sf::FloatRect();
    return text.getLocalBounds();
}

sf::FloatRect LineBounds(const sf::Text& text) {
    if (!CanMeasure(text))
        return sf::FloatRect();
    sf::FloatRect bounds = text.getLocalBounds();
    // A text's first baseline lies one character size below its origin.
    const unsigned size = text.getCharacterSize();
    const bool bold = (text.getStyle() & sf::Text::Bold) != 0;
    const sf::FloatRect tallest = text.getFont()->getGlyph(0xC4, size, bold).bounds; // Ä
    const sf::FloatRect deepest = text.getFont()->getGlyph('g', size, bold).bounds;
    const float top = static_cast<float>(size) + tallest.top;
    const float bottom = static_cast<float>(size) + deepest.top + deepest.height;
    if (text.getString().isEmpty())
        return sf::FloatRect(0.f, top, 0.f, bottom - top);
    // Several lines, or a glyph beyond the reference's, widen the line.
    const float inkBottom = bounds.top + bounds.height;
    bounds.top = std::min(bounds.top, top);
    bounds.height = std::max(inkBottom, bottom) - bounds.top;
    return bounds;
}

float AdvanceTo(const sf::Text& text, std::size_t index) {
    if (!CanMeasure(text))
        return 0.f;
    return text.findCharacterPos(index).x - text.findCharacterPos(0).x;
}

namespace {

bool fits(const sf::Text& text, float width, float height, bool wholeLine) {
    const sf::FloatRect bounds = wholeLine ? LineBounds(text) : text.getLocalBounds();
    return bounds.width <= width && bounds.height <= height;
}

} // namespace

unsigned FitCharacterSize(sf::Text& text, float width, float height, unsigned maxSize,
                          bool wholeLine) {
    if (!CanMeasure(text))
        return text.getCharacterSize();
    unsigned size = text.getCharacterSize();
    if (size <= maxSize && fits(text, width, height, wholeLine)) {
        while (size <= maxSize && fits(text, width, height, wholeLine))
            text.setCharacterSize(++size);
        text.setCharacterSize(--size);
    }
    while (size != 0 && !fits(text, width, height, wholeLine))
        text.setCharacterSize(--size);
    return size;
}

} // namespace TextMeasure
