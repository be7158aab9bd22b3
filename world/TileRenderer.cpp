#include "world/TileRenderer.hpp"

#include "params/Graphics.hpp"

TileRenderer::TileRenderer() : quad(sf::Quads, 4) {}

void TileRenderer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (visible != 1) {
        return;
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(quad, states);
}

void TileRenderer::placeOnCell(sf::Texture* atlas, const sf::IntRect& rect, int column, int row,
                               float rotation) {
    texture = atlas;
    mapPos = {column, row};
    size = GameParams::Graphics::GetSize();
    textureRect = rect;
    rebuildQuad();
    setPosition(static_cast<float>(column * size.x), static_cast<float>(row * size.y));
    setOrigin(size.x / 2.f, size.y / 2.f);
    setRotation(rotation);
}

void TileRenderer::rebuildQuad() {
    const float w = static_cast<float>(size.x);
    const float h = static_cast<float>(size.y);
    const float left = static_cast<float>(textureRect.left);
    const float top = static_cast<float>(textureRect.top);
    const float right = left + textureRect.width;
    const float bottom = top + textureRect.height;
    quad.setPrimitiveType(sf::Quads);
    quad.resize(4);
    quad[0] = sf::Vertex({0.f, 0.f}, {left, top});
    quad[1] = sf::Vertex({w, 0.f}, {right, top});
    quad[2] = sf::Vertex({w, h}, {right, bottom});
    quad[3] = sf::Vertex({0.f, h}, {left, bottom});
}
