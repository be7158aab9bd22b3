#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

namespace sf {
class Text;
}

// What a container is told after one of its children handled an event.
enum class MenuEventType : int {
    MouseMoved = 0,
    MousePressed = 1,
    MouseReleased = 2,
    MouseScrolled = 3,
    DoubleClicked = 4,
    HoverEnter = 5,
    HoverLeave = 6,
    FocusGained = 7,
    FocusLost = 8,
    TextEntered = 9,
    KeyPressed = 10,
    KeyReleased = 11,
};

// A rectangle inside a dialog. Its position is relative to its parent
// container, or to the menu's top-left corner when it sits in the menu itself.
// Handler interfaces inherit this class virtually, so an element that mixes in
// several of them still has one position, one size and one parent.
class MenuElement : public sf::Drawable, public sf::Transformable {
public:
    MenuElement() = default;
    ~MenuElement() override = default;
    MenuElement(const MenuElement&) = delete;
    MenuElement& operator=(const MenuElement&) = delete;

    virtual sf::Vector2f getSize() const = 0;
    virtual void setSize(float width, float height) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;

    // Null for an element that sits directly in a menu; set by whoever adopts it.
    MenuElement* getParent() const { return parent; }
    void setParent(MenuElement* newParent) { parent = newParent; }

    // Right and bottom edges are outside, so neighbours never share a pixel.
    bool hits(int x, int y) const;

    // The texts the element draws itself (not its children's), placed in
    // its own space; what a check of a dialog's layout measures.
    virtual std::vector<const sf::Text*> getWrittenTexts() const { return {}; }

private:
    MenuElement* parent = nullptr;
};
