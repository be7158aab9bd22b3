#pragma once

#include "ui/MenuHandlers.hpp"

// An invisible box over part of a drawn widget, such as one icon of a row
// the widget draws itself, that gives that part its own tooltip.
class MenuTooltipArea : public virtual MenuElementTooltipText {
public:
    explicit MenuTooltipArea(MenuElement* parent = nullptr) { setParent(parent); }

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
    float width = 0.f;
    float height = 0.f;
};
