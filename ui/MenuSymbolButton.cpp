#include "ui/MenuSymbolButton.hpp"

#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace {

constexpr std::size_t BuiltPointCount = 30;
constexpr std::size_t TrianglePoints = 3;
constexpr std::size_t CirclePoints = 20;
constexpr unsigned MaxCharacterSize = 300;
// Rotation of the upward triangle for directions 1-4.
constexpr float DirectionAngles[] = {0.f, 90.f, 180.f, 270.f};

} // namespace

MenuSymbolButton::MenuSymbolButton(MenuElement* parent, const sf::Font& font)
    : first(0.f, BuiltPointCount), second(0.f, BuiltPointCount) {
    setParent(parent);
    background.setFillColor(fillColor);
    background.setOutlineColor(outlineColor);
    background.setOutlineThickness(-thickness);
    for (sf::CircleShape* shape : {&first, &second}) {
        shape->setFillColor(symbolFillColor);
        shape->setOutlineColor(symbolOutlineColor);
    }
    text.setFont(font);
    text.setCharacterSize(20);
    text.setString("0");
    text.setFillColor(symbolFillColor);
    setSymbol(SymbolArrow);
}

void MenuSymbolButton::setDirection(int newDirection) {
    direction = newDirection;
    setSize(width, height);
}

void MenuSymbolButton::setSymbol(unsigned newSymbol) {
    symbol = newSymbol >= 1 && newSymbol <= 4 ? newSymbol : static_cast<unsigned>(SymbolArrow);
    showText = symbol == SymbolZero;
    showFirst = symbol != SymbolZero;
    showSecond = symbol == SymbolDoubleArrow || symbol == SymbolMaximum || symbol == SymbolSpread;
    if (symbol == SymbolMaximum)
        setDirection(DirectionUp);
    setSize(width, height);
}

void MenuSymbolButton::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    background.setSize(sf::Vector2f(width, height));
    const float m = std::min(width, height);
    if (symbol == SymbolMaximum)
        layoutCircles(width, height, m);
    else if (symbol == SymbolZero)
        layoutText(width, height);
    else
        layoutTriangles(width, height, m);
}

void MenuSymbolButton::layoutTriangles(float w, float h, float m) {
    const float r = std::max(0.f, m / 2.f - (0.24f * m + thickness));
    for (sf::CircleShape* shape : {&first, &second}) {
        shape->setPointCount(TrianglePoints);
        shape->setRadius(r);
        shape->setFillColor(symbolFillColor);
        shape->setOutlineThickness(r < 5.f ? 1.f : 2.f);
        shape->setOrigin(r, r);
        shape->setScale(1.f, 1.f);
        if (direction >= DirectionUp && direction <= DirectionLeft)
            shape->setRotation(DirectionAngles[direction - 1]);
    }
    if (symbol == SymbolArrow) {
        first.setPosition(w / 2.f, h / 2.f);
        return;
    }
    if (symbol == SymbolSpread) {
        // Pointing apart, squashed so the pair reads as a horizontal spread.
        first.setRotation(270.f);
        second.setRotation(90.f);
        first.setScale(1.f, 0.4f);
        second.setScale(1.f, 0.4f);
    }
    float shift = 0.f;
    if (direction == DirectionLeft)
        shift = 0.25f * r;
    else if (direction == DirectionRight)
        shift = -0.25f * r;
    first.setPosition(w / 2.f - r / 1.5f + shift, h / 2.f);
    second.setPosition(w / 2.f + r / 1.5f + shift, h / 2.f);
}

void MenuSymbolButton::layoutCircles(float w, float h, float m) {
    const float r = std::max(0.f, m / 2.f - (0.3f * m + thickness));
    for (sf::CircleShape* shape : {&first, &second}) {
        shape->setPointCount(CirclePoints);
        shape->setRadius(r);
        shape->setFillColor(sf::Color::Transparent);
        shape->setOutlineThickness(r < 3.f ? 1.f : 2.f);
        shape->setOrigin(r, r);
        shape->setScale(1.f, 1.f);
    }
    first.setPosition(w / 2.f - r - 1.f, h / 2.f);
    second.setPosition(w / 2.f + r + 1.f, h / 2.f);
}

void MenuSymbolButton::layoutText(float w, float h) {
    TextMeasure::FitCharacterSize(text, w, h - (0.3f * h + thickness), MaxCharacterSize);
    const sf::FloatRect bounds = TextMeasure::Bounds(text);
    text.setOrigin(bounds.left, bounds.top);
    text.setPosition((w - bounds.width) / 2.f, (h - bounds.height) / 2.f);
}

void MenuSymbolButton::onMousePressed(Game*) {
    if (!clickDisabled)
        pressed = true;
}

void MenuSymbolButton::onMouseReleased(Game*) {
    if (!clickDisabled)
        pressed = false;
}

void MenuSymbolButton::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(background, states);
    if (showFirst)
        target.draw(first, states);
    if (showSecond)
        target.draw(second, states);
    if (showText)
        target.draw(text, states);
}
