#include "ui/Menu.hpp"

#include "params/Graphics.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuSpacer.hpp"
#include "ui/MenuTextbox.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace {

constexpr float DefaultTextboxWidth = 200.f;
constexpr float DefaultTextboxHeight = 30.f;

void appendFlattened(MenuElement* element, std::vector<MenuElement*>& out) {
    out.push_back(element);
    if (auto* container = dynamic_cast<MenuElementContainer*>(element)) {
        for (MenuElement* child : container->getElements())
            appendFlattened(child, out);
    }
}

} // namespace

Menu::Menu() {
    resetBackground();
}

Menu::~Menu() = default;

void Menu::clear() {
    lastPressed = nullptr;
    lastReleased = nullptr;
    tooltipElement = nullptr;
    ++treeGeneration;
    if (walkDepth > 0) {
        for (std::unique_ptr<MenuElement>& element : elements)
            clearedDuringWalk.push_back(std::move(element));
    }
    elements.clear();
}

MenuElement* Menu::addElement(std::unique_ptr<MenuElement> element) {
    if (!element)
        return nullptr;
    element->setParent(nullptr);
    elements.push_back(std::move(element));
    layoutValid = false;
    return elements.back().get();
}

MenuLabel* Menu::addLabel(int alignment, const std::string& text, float width, float height) {
    auto label = std::make_unique<MenuLabel>(nullptr, font);
    label->setText(text);
    label->setSize(width, height);
    label->setAlignment(alignment);
    return add(std::move(label));
}

MenuButton* Menu::addButton(int kind) {
    return add(std::make_unique<MenuButton>(nullptr, game, font, kind));
}

MenuTextbox* Menu::addTextbox(std::unique_ptr<MenuTextbox> textbox) {
    if (!textbox) {
        textbox = std::make_unique<MenuTextbox>(game, font);
        textbox->setSize(DefaultTextboxWidth, DefaultTextboxHeight);
    }
    return add(std::move(textbox));
}

std::vector<MenuElement*> Menu::getElements() const {
    std::vector<MenuElement*> list;
    list.reserve(elements.size());
    for (const std::unique_ptr<MenuElement>& element : elements)
        list.push_back(element.get());
    return list;
}

std::vector<MenuElement*> Menu::getAllElements() const {
    std::vector<MenuElement*> list;
    for (const std::unique_ptr<MenuElement>& element : elements)
        appendFlattened(element.get(), list);
    return list;
}

void Menu::layout() {
    if (layoutValid || game == nullptr)
        return;
    float sumHeights = 0.f;
    float maxWidth = 0.f;
    for (const std::unique_ptr<MenuElement>& element : elements) {
        const sf::Vector2f size = element->getSize();
        sumHeights += size.y;
        maxWidth = std::max(maxWidth, size.x);
    }
    const float count = static_cast<float>(elements.size());
    width = marginX + maxWidth + marginX;
    height = headerHeight + marginY + sumHeights + marginY + (count - 1.f) * spacing;

    // A spacer swallows the regular gaps on both sides of it.
    float y = headerHeight + marginY;
    bool previousWasSpacer = false;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        MenuElement* element = elements[i].get();
        const float ownHeight = element->getSize().y;
        element->setSize(maxWidth, ownHeight);
        const bool isSpacer = dynamic_cast<MenuSpacer*>(element) != nullptr;
        if (isSpacer && i > 0 && !previousWasSpacer) {
            y -= spacing;
            height -= spacing;
        }
        element->setPosition(marginX, y);
        if (isSpacer && i + 1 < elements.size()) {
            y -= spacing;
            height -= spacing;
        }
        if (auto* container = dynamic_cast<MenuElementContainer*>(element))
            container->update();
        y += spacing + ownHeight;
        previousWasSpacer = isSpacer;
    }
    background.setSize(sf::Vector2f(width, height));
    layoutValid = true;
}

sf::Vector2f Menu::getSize() const {
    if (!layoutValid)
        return sf::Vector2f(0.f, 0.f);
    return sf::Vector2f(width, height);
}

sf::Vector2f Menu::getAbsolutePosition(const MenuElement* element) const {
    sf::Vector2f position = getPosition();
    for (const MenuElement* e = element; e != nullptr; e = e->getParent())
        position += e->getPosition();
    return position;
}

MenuElement* Menu::getElementAt(int x, int y) const {
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    MenuElement* found = nullptr;
    for (MenuElement* element : getAllElements()) {
        const sf::Vector2f topLeft = getAbsolutePosition(element);
        const sf::Vector2f size = element->getSize();
        if (topLeft.x <= px && px <= topLeft.x + size.x && topLeft.y <= py &&
            py <= topLeft.y + size.y)
            found = element;
    }
    return found;
}

void Menu::resetBackground() {
    background.setOrigin(0.f, 0.f);
    background.setPosition(0.f, 0.f);
    background.setFillColor(sf::Color::White);
    background.setOutlineColor(sf::Color::Black);
    background.setOutlineThickness(1.f);
    background.setCornersRadius(10.f);
    background.setCornerPointCount(10);
    width = 0.f;
    height = 0.f;
}

void Menu::setOpen(bool isOpen) {
    if (isOpen && !open)
        for (MenuElement* element : getAllElements())
            if (auto* list = dynamic_cast<MenuListbox*>(element))
                list->scrollTo(0.f);
    open = isOpen;
}

void Menu::setMargins(float x, float y) {
    marginX = x;
    marginY = y;
    layoutValid = false;
}

void Menu::setHeaderHeight(float newHeight) {
    headerHeight = newHeight;
    layoutValid = false;
}

void Menu::setSpacing(float newSpacing) {
    spacing = newSpacing;
    layoutValid = false;
}

void Menu::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!open || !layoutValid)
        return;
    states.transform *= getTransform();
    states.texture = GameParams::Graphics::GetSpriteMap();
    target.draw(background, states);
    for (const std::unique_ptr<MenuElement>& element : elements)
        target.draw(*element, states);
}
