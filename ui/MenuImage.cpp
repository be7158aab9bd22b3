#include "ui/MenuImage.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuImage::MenuImage(MenuElement* parent, int left, int top, int imageWidth, int imageHeight)
    : quad(sf::Quads, 4) {
    setParent(parent);
    const float l = static_cast<float>(left);
    const float t = static_cast<float>(top);
    const float r = static_cast<float>(left + imageWidth);
    const float b = static_cast<float>(top + imageHeight);
    quad[0].texCoords = sf::Vector2f(l, t);
    quad[1].texCoords = sf::Vector2f(r, t);
    quad[2].texCoords = sf::Vector2f(r, b);
    quad[3].texCoords = sf::Vector2f(l, b);
}

void MenuImage::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    sf::Vector2f topLeft(999999.f, 999999.f);
    for (std::size_t i = 0; i < quad.getVertexCount(); ++i) {
        topLeft.x = std::min(topLeft.x, quad[i].position.x);
        topLeft.y = std::min(topLeft.y, quad[i].position.y);
    }
    quad[0].position = topLeft;
    quad[1].position = sf::Vector2f(topLeft.x + width, topLeft.y);
    quad[2].position = sf::Vector2f(topLeft.x + width, topLeft.y + height);
    quad[3].position = sf::Vector2f(topLeft.x, topLeft.y + height);
}

void MenuImage::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(quad, states);
}
