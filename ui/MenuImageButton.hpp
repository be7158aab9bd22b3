#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/VertexArray.hpp>

// An atlas image that reacts to clicks. It has no action of its own: the
// container it sits in acts on the MouseReleased notification and reads
// imageKind and imageId to know what was clicked.
class MenuImageButton : public virtual MenuElementHandlerClick,
                        public virtual MenuElementTooltipText {
public:
    MenuImageButton(MenuElement* parent, Game* game, int imageKind, int imageId);

    // Kind CategoryItem shows an item icon, any other kind a GUI icon; with
    // kind or id -1 nothing is drawn.
    void setImage(int newImageKind, int newImageId);
    int getImageKind() const { return imageKind; }
    int getImageId() const { return imageId; }

    void onMousePressed(Game* game) override;
    void onMouseReleased(Game* game) override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }
    const sf::VertexArray& getQuad() const { return quad; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void rebuildQuad();

    bool visible = true;
    sf::VertexArray quad;
    Game* game;
    int imageKind = -1;
    int imageId = -1;
    float width = 0.f;
    float height = 0.f;
};
