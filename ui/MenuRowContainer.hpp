#pragma once

#include "ui/MenuBoxContainer.hpp"

#include <memory>
#include <vector>

// Lines its children up left to right, centred vertically, at their own sizes.
class MenuRowContainer : public MenuBoxContainer {
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

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    std::vector<std::unique_ptr<MenuElement>> elements;
};
