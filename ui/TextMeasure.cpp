#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/Font.hpp>

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

float AdvanceTo(const sf::Text& text, std::size_t index) {
    if (!CanMeasure(text))
        return 0.f;
    return text.findCharacterPos(index).x - text.findCharacterPos(0).x;
}

namespace {

bool fits(const sf::Text& text, float width, float height) {
    const sf::FloatRect bounds = text.getLocalBounds();
    return bounds.width <= width && bounds.height <= height;
}

} // namespace

unsigned FitCharacterSize(sf::Text& text, float width, float height, unsigned maxSize) {
    if (!CanMeasure(text))
        return text.getCharacterSize();
    unsigned size = text.getCharacterSize();
    if (size <= maxSize && fits(text, width, height)) {
        while (size <= maxSize && fits(text, width, height))
            text.setCharacterSize(++size);
        text.setCharacterSize(--size);
    }
    while (size != 0 && !fits(text, width, height))
        text.setCharacterSize(--size);
    return size;
}

} // namespace TextMeasure
