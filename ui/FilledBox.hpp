#pragma once

#include <SFML/Graphics/RectangleShape.hpp>

// A plain rectangle of one colour at a place: the cells, bars and frames that
// tables and charts are drawn of.
inline sf::RectangleShape FilledBox(float left, float top, float width, float height,
                                    sf::Color fill) {
    sf::RectangleShape box(sf::Vector2f(width, height));
    box.setPosition(left, top);
    box.setFillColor(fill);
    return box;
}
