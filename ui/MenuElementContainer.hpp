#pragma once

#include "ui/MenuElement.hpp"

#include <vector>

// An element that holds others. The menu's walks recurse into it and tell it
// afterwards which child handled what.
class MenuElementContainer : public virtual MenuElement {
public:
    virtual int getElementCount() const = 0;
    // The direct children in layout order; the container keeps owning them.
    virtual std::vector<MenuElement*> getElements() const = 0;
    virtual void onElementEvent(MenuEventType type, MenuElement* child) {
        (void)type;
        (void)child;
    }
    // Re-runs the layout.
    virtual void update() = 0;

    bool isLayoutValid() const { return layoutValid; }

protected:
    // False after every add; the next update lays the children out again.
    bool layoutValid = false;
};
