#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Vertex.hpp>

// The four corners of a quad in drawing order: top-left, top-right,
// bottom-right, bottom-left.

inline void SetQuadPositions(sf::Vertex* corners, const sf::FloatRect& area) {
    const float right = area.left + area.width;
    const float bottom = area.top + area.height;
    corners[0].position = {area.left, area.top};
    corners[1].position = {right, area.top};
    corners[2].position = {right, bottom};
    corners[3].position = {area.left, bottom};
}

// Shows the atlas rectangle stretched over the quad.
inline void SetQuadTexture(sf::Vertex* corners, const sf::IntRect& rect) {
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = static_cast<float>(rect.left + rect.width);
    const float bottom = static_cast<float>(rect.top + rect.height);
    corners[0].texCoords = {left, top};
    corners[1].texCoords = {right, top};
    corners[2].texCoords = {right, bottom};
    corners[3].texCoords = {left, bottom};
}
