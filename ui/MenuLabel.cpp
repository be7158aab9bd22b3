#include "ui/MenuLabel.hpp"

#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

MenuLabel::MenuLabel(MenuElement* parent, const sf::Font& sourceFont) : font(sourceFont) {
    setParent(parent);
    text.setFont(font);
    text.setOrigin(0.f, 0.f);
    text.setPosition(0.f, 0.f);
    text.setCharacterSize(20);
    text.setFillColor(textColor);
    text.setOutlineThickness(0.f);
}

void MenuLabel::setText(const std::string& newText) {
    text.setString(sf::String::fromUtf8(newText.begin(), newText.end()));
    align();
}

std::string MenuLabel::getText() const {
    const auto utf8 = text.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void MenuLabel::setAlignment(int newAlignment) {
    alignment = newAlignment;
    align();
}

void MenuLabel::setTextColor(sf::Color color) {
    textColor = color;
    text.setFillColor(textColor);
}

void MenuLabel::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    TextMeasure::FitCharacterSize(text, width, height, largestCharacterSize, keepsOneSize());
    align();
}

void MenuLabel::setLargestCharacterSize(unsigned size) {
    largestCharacterSize = std::min(size, MaxCharacterSize);
    if (text.getCharacterSize() > largestCharacterSize)
        text.setCharacterSize(largestCharacterSize);
    setSize(width, height);
}

void MenuLabel::align() {
    const sf::FloatRect ink = TextMeasure::Bounds(text);
    float x = -ink.left;
    if (alignment == AlignCentre)
        x += (width - ink.width) / 2.f;
    else if (alignment == AlignRight)
        x += width - ink.width;
    // Running text stands on the line's baseline, so labels side by side
    // line up whatever their letters; a free label centres its ink.
    if (keepsOneSize()) {
        const sf::FloatRect line = TextMeasure::LineBounds(text);
        text.setPosition(x, std::round(-line.top + (height - line.height) / 2.f));
    } else {
        text.setPosition(x, -ink.top + (height - ink.height) / 2.f);
    }
}

void MenuLabel::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(text, states);
}
