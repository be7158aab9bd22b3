#pragma once

#include "ui/MenuHandlers.hpp"
#include "ui/MenuSpacer.hpp"

// An invisible box over part of a drawn widget, such as one icon of a row
// the widget draws itself, that gives that part its own tooltip.
class MenuTooltipArea : public MenuSpacer, public virtual MenuElementTooltipText {
public:
    explicit MenuTooltipArea(MenuElement* parent = nullptr) : MenuSpacer(parent) {}
};
