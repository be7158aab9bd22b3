#include "ui/MenuElement.hpp"

bool MenuElement::hits(int x, int y) const {
    const sf::Vector2f position = getPosition();
    const sf::Vector2f size = getSize();
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    return position.x <= px && px < position.x + size.x && position.y <= py &&
           py < position.y + size.y;
}
