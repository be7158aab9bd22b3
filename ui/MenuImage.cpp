#include "ui/MenuImage.hpp"

#include "ui/AtlasQuad.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuImage::MenuImage(MenuElement* parent, int left, int top, int imageWidth, int imageHeight)
    : quad(sf::Quads, 4) {
    setParent(parent);
    SetQuadTexture(&quad[0], {left, top, imageWidth, imageHeight});
}

void MenuImage::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    sf::Vector2f topLeft(999999.f, 999999.f);
    for (std::size_t i = 0; i < quad.getVertexCount(); ++i) {
        topLeft.x = std::min(topLeft.x, quad[i].position.x);
        topLeft.y = std::min(topLeft.y, quad[i].position.y);
    }
    SetQuadPositions(&quad[0], {topLeft.x, topLeft.y, width, height});
}

void MenuImage::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(quad, states);
}
