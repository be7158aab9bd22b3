#include "app/Tooltip.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

Tooltip::Tooltip() {
    text.setCharacterSize(12);
    text.setFillColor(sf::Color::Black);
    text.setOutlineColor(sf::Color::White);
    text.setOutlineThickness(0.f);
    text.setPosition(marginX, marginY);
    background.setPosition(0.f, 0.f);
    background.setFillColor(sf::Color::White);
    background.setOutlineColor(sf::Color::Black);
    background.setOutlineThickness(1.f);
    background.setCornersRadius(CornerRadius);
    background.setCornerPointCount(10);
}

void Tooltip::setFont(const sf::Font& font) {
    text.setFont(font);
}

void Tooltip::setText(const std::string& newText) {
    if (newText.empty()) {
        shown = false;
        return;
    }
    shown = true;
    text.setString(sf::String::fromUtf8(newText.begin(), newText.end()));
    updateSize();
    placeText();
}

void Tooltip::updateSize() {
    const sf::FloatRect bounds = text.getLocalBounds();
    // Never smaller than its rounded corners, or the corners would overlap.
    width = std::max(2.f * CornerRadius, 2.f * marginX + bounds.width);
    height = std::max(2.f * CornerRadius, 2.f * marginY + bounds.height + topOffset);
    background.setSize(sf::Vector2f(width, height));
}

void Tooltip::placeText() {
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setPosition(marginX - bounds.left, topOffset + marginY - bounds.top);
}

void Tooltip::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!shown)
        return;
    states.transform *= getTransform();
    target.draw(background, states);
    target.draw(text, states);
}
