#pragma once

#include "ui/MenuElement.hpp"

#include <SFML/Graphics/VertexArray.hpp>

// A rectangle of the sprite atlas; the menu supplies the atlas when drawing.
class MenuImage : public virtual MenuElement {
public:
    MenuImage(MenuElement* parent, int left, int top, int width, int height);

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // Keeps the quad's top-left corner.
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }
    const sf::VertexArray& getQuad() const { return quad; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    bool visible = true;
    sf::VertexArray quad;
    float width = 0.f;
    float height = 0.f;
};
