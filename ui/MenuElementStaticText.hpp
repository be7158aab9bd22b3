#pragma once

#include "ui/MenuElement.hpp"

#include <string>

// An element that shows a text the user cannot edit.
class MenuElementStaticText : public virtual MenuElement {
public:
    virtual std::string getText() const = 0;
    virtual void setText(const std::string& text) = 0;
};
