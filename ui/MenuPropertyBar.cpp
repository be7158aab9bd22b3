#include "ui/MenuPropertyBar.hpp"

#include "params/Graphics.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

MenuPropertyBar::MenuPropertyBar(MenuElement* parent) : quads(sf::Quads) {
    setParent(parent);
}

void MenuPropertyBar::setValue(float percent) {
    value = percent;
    layoutValid = false;
}

void MenuPropertyBar::setColorStops(const std::map<int, sf::Color>& stops) {
    colorStops = stops;
    layoutValid = false;
}

void MenuPropertyBar::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    layoutValid = false;
    rebuild();
}

void MenuPropertyBar::rebuild() {
    if (layoutValid || width <= 0.f || height <= 0.f)
        return;
    quads.clear();
    markers.clear();
    const sf::Vector2i whitePixel = GameParams::Graphics::GetWhitePixelTexture();
    const sf::Vector2f white(static_cast<float>(whitePixel.x), static_cast<float>(whitePixel.y));
    const float top = bandInset * height;
    const float bottom = height - bandInset * height;
    if (colorStops.size() < 2)
        buildScale(top, bottom, white);
    else
        buildStops(top, bottom, white);
    layoutValid = true;
}

void MenuPropertyBar::buildScale(float top, float bottom, sf::Vector2f white) {
    if (value < 0.f || value > 100.f)
        return;
    const float middle = width / 2.f;
    addBand(0.f, middle, top, bottom, sf::Color::Red, sf::Color::Yellow, white);
    addBand(middle, width, top, bottom, sf::Color::Yellow, sf::Color::Green, white);
    addMarker(width * value / 100.f);
}

void MenuPropertyBar::buildStops(float top, float bottom, sf::Vector2f white) {
    auto next = colorStops.begin();
    auto current = next++;
    for (; next != colorStops.end(); current = next++) {
        const float left = width * static_cast<float>(current->first) / 100.f;
        const float right = width * static_cast<float>(next->first) / 100.f;
        addBand(left, right, top, bottom, current->second, next->second, white);
        // The first and the last stop are the bar's ends: no marker there.
        if (current != colorStops.begin())
            addMarker(left);
    }
}

void MenuPropertyBar::addBand(float left, float right, float top, float bottom, sf::Color leftColor,
                              sf::Color rightColor, sf::Vector2f white) {
    quads.append(sf::Vertex(sf::Vector2f(left, top), leftColor, white));
    quads.append(sf::Vertex(sf::Vector2f(right, top), rightColor, white));
    quads.append(sf::Vertex(sf::Vector2f(right, bottom), rightColor, white));
    quads.append(sf::Vertex(sf::Vector2f(left, bottom), leftColor, white));
}

void MenuPropertyBar::addMarker(float x) {
    sf::RectangleShape marker(sf::Vector2f(0.f, height));
    marker.setPosition(x, 0.f);
    marker.setFillColor(sf::Color::Transparent);
    marker.setOutlineColor(sf::Color::Black);
    marker.setOutlineThickness(1.f);
    markers.push_back(marker);
}

void MenuPropertyBar::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(quads, states);
    for (const sf::RectangleShape& marker : markers)
        target.draw(marker, states);
}
