#pragma once

#include "ui/MenuElement.hpp"

// Takes space and swallows the regular gaps next to it; draws nothing.
class MenuSpacer : public virtual MenuElement {
public:
    explicit MenuSpacer(MenuElement* parent = nullptr, float width = 0.f, float height = 0.f)
        : width(width), height(height) {
        setParent(parent);
    }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override {
        width = newWidth;
        height = newHeight;
    }
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

protected:
    void draw(sf::RenderTarget&, sf::RenderStates) const override {}

private:
    bool visible = true;
    float width;
    float height;
};
