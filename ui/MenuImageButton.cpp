#include "ui/MenuImageButton.hpp"

#include "params/Enums.hpp"
#include "params/Graphics.hpp"
#include "ui/AtlasQuad.hpp"

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
    quad.resize(4);
    SetQuadPositions(&quad[0], {0.f, 0.f, width, height});
    SetQuadTexture(&quad[0], rect);
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
