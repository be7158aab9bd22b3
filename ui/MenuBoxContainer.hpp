#pragma once

#include "ui/MenuElementContainer.hpp"

// What a row and a set of columns share: the size their layout gives them,
// their visibility and the gap between children. Each lays out on its own.
class MenuBoxContainer : public virtual MenuElementContainer {
public:
    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // Stores the size, then lays out: a row keeps it while its layout is
    // valid (a menu stretches rows), columns keep the width.
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }
    void setSpacing(float newSpacing);

protected:
    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    float spacing = 10.f;
};
