#pragma once

#include "ui/MenuElementContainer.hpp"

#include <memory>
#include <vector>

// Lines its children up left to right, centred vertically, at their own sizes.
class MenuRowContainer : public virtual MenuElementContainer {
public:
    explicit MenuRowContainer(MenuElement* parent = nullptr);

    MenuElement* addElement(std::unique_ptr<MenuElement> element);
    template <class Element> Element* add(std::unique_ptr<Element> element) {
        Element* added = element.get();
        addElement(std::move(element));
        return added;
    }

    int getElementCount() const override { return static_cast<int>(elements.size()); }
    std::vector<MenuElement*> getElements() const override;
    // Lays out only while the layout is invalid; then the content's size wins.
    void update() override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // Keeps the given size while the layout is valid (a menu stretches rows).
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }
    void setSpacing(float newSpacing);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    std::vector<std::unique_ptr<MenuElement>> elements;
    float spacing = 10.f;
};
