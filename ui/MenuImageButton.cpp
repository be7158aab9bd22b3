#include "ui/MenuImageButton.hpp"

#include "params/Enums.hpp"
#include "params/Graphics.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

MenuImageButton::MenuImageButton(MenuElement* parent, Game* game, int imageKind, int imageId)
    : quad(sf::Quads), game(game) {
    setParent(parent);
    setImage(imageKind, imageId);
}

void MenuImageButton::setImage(int newImageKind, int newImageId) {
    imageKind = newImageKind;
    imageId = newImageId;
    rebuildQuad();
}

void MenuImageButton::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    rebuildQuad();
}

void MenuImageButton::rebuildQuad() {
    quad.clear();
    if (imageKind == -1 || imageId == -1)
        return;
    const sf::IntRect rect =
        imageKind == CategoryItem
            ? GameParams::Graphics::GetTexture(static_cast<ItemType>(imageId))
            : GameParams::Graphics::GetTexture(static_cast<GuiElemType>(imageId));
    const float l = static_cast<float>(rect.left);
    const float t = static_cast<float>(rect.top);
    const float r = static_cast<float>(rect.left + rect.width);
    const float b = static_cast<float>(rect.top + rect.height);
    quad.append(sf::Vertex(sf::Vector2f(0.f, 0.f), sf::Vector2f(l, t)));
    quad.append(sf::Vertex(sf::Vector2f(width, 0.f), sf::Vector2f(r, t)));
    quad.append(sf::Vertex(sf::Vector2f(width, height), sf::Vector2f(r, b)));
    quad.append(sf::Vertex(sf::Vector2f(0.f, height), sf::Vector2f(l, b)));
}

void MenuImageButton::onMousePressed(Game*) {
    if (!clickDisabled)
        pressed = true;
}

void MenuImageButton::onMouseReleased(Game*) {
    if (!clickDisabled)
        pressed = false;
}

void MenuImageButton::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(quad, states);
}
