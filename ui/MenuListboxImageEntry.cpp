#include "ui/MenuListboxImageEntry.hpp"

#include "params/Graphics.hpp"
#include "params/Texts.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuListboxImageEntry::MenuListboxImageEntry(MenuElement* parent, const sf::Font& font,
                                             ItemType item)
    : MenuListboxEntry(parent, font), item(item), image(sf::Quads, 4) {
    setText(GameParams::Texts::GetItemTypeName(item));
}

std::string MenuListboxImageEntry::getTooltip() const {
    return tooltipEnabled ? GameParams::Texts::GetItemTypeName(item) : std::string();
}

void MenuListboxImageEntry::setSize(float newWidth, float newHeight) {
    MenuListboxEntry::setSize(newWidth, newHeight);
    const float side = std::max(0.f, std::min(newWidth, newHeight));
    imageSide = side;
    // Follows the atlas's current tile size.
    const sf::IntRect rect = GameParams::Graphics::GetTexture(item);
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = static_cast<float>(rect.left + rect.width);
    const float bottom = static_cast<float>(rect.top + rect.height);
    image[0] = sf::Vertex(sf::Vector2f(0.f, 0.f), sf::Vector2f(left, top));
    image[1] = sf::Vertex(sf::Vector2f(side, 0.f), sf::Vector2f(right, top));
    image[2] = sf::Vertex(sf::Vector2f(side, side), sf::Vector2f(right, bottom));
    image[3] = sf::Vertex(sf::Vector2f(0.f, side), sf::Vector2f(left, bottom));
    placeText();
}

void MenuListboxImageEntry::drawImageEntry(sf::RenderTarget& target,
                                           const sf::RenderStates& states) const {
    drawEntry(target, states);
    target.draw(image, states);
}

void MenuListboxImageEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawImageEntry(target, states);
}
