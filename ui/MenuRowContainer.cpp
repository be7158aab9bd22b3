#include "ui/MenuRowContainer.hpp"

#include "ui/MenuSpacer.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuRowContainer::MenuRowContainer(MenuElement* parent) {
    setParent(parent);
}

MenuElement* MenuRowContainer::addElement(std::unique_ptr<MenuElement> element) {
    if (!element)
        return nullptr;
    element->setParent(this);
    elements.push_back(std::move(element));
    layoutValid = false;
    return elements.back().get();
}

std::vector<MenuElement*> MenuRowContainer::getElements() const {
    std::vector<MenuElement*> list;
    list.reserve(elements.size());
    for (const std::unique_ptr<MenuElement>& element : elements)
        list.push_back(element.get());
    return list;
}

void MenuRowContainer::update() {
    if (layoutValid)
        return;
    float maxHeight = 0.f;
    for (const std::unique_ptr<MenuElement>& element : elements)
        maxHeight = std::max(maxHeight, element->getSize().y);

    float x = 0.f;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        MenuElement* element = elements[i].get();
        const sf::Vector2f size = element->getSize();
        const bool isSpacer = dynamic_cast<MenuSpacer*>(element) != nullptr;
        if (isSpacer && i > 0)
            x -= spacing;
        element->setPosition(x, maxHeight / 2.f - size.y / 2.f);
        x += spacing + size.x;
        if (isSpacer && i + 1 < elements.size())
            x -= spacing;
    }
    if (x != 0.f)
        x -= spacing;
    width = x;
    height = maxHeight;
    layoutValid = true;
}

void MenuRowContainer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible || !layoutValid)
        return;
    states.transform *= getTransform();
    for (const std::unique_ptr<MenuElement>& element : elements)
        target.draw(*element, states);
}
