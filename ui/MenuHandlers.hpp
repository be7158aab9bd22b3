#pragma once

#include "ui/MenuElement.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <string>

class Game;

// What an element can react to. The menu's event walks find these by a
// run-time type query; an element implements only those it needs.

// Press and release. Whether a release acts is the implementation's choice,
// usually only after its own press.
class MenuElementHandlerClick : public virtual MenuElement {
public:
    virtual void setDisabled(bool disabled) { clickDisabled = disabled; }
    virtual void onMousePressed(Game* game) = 0;
    virtual void onMouseReleased(Game* game) = 0;

    bool isPressed() const { return pressed; }
    bool isClickDisabled() const { return clickDisabled; }

protected:
    bool pressed = false;
    bool clickDisabled = false;
};

class MenuElementHandlerHover : public virtual MenuElement {
public:
    virtual void setDisabled(bool disabled) { hoverDisabled = disabled; }
    virtual void onHoverEnter() = 0;
    virtual void onHoverLeave() = 0;

    bool isHovered() const { return hovered; }
    bool isHoverDisabled() const { return hoverDisabled; }

protected:
    bool hovered = false;
    bool hoverDisabled = false;
};

class MenuElementHandlerFocus : public virtual MenuElement {
public:
    virtual void setDisabled(bool disabled) { focusDisabled = disabled; }
    virtual void onFocusGained() = 0;
    virtual void onFocusLost() = 0;

    bool isFocused() const { return focused; }
    bool isFocusDisabled() const { return focusDisabled; }

protected:
    bool focused = false;
    bool focusDisabled = false;
};

class MenuElementHandlerKeyDown : public virtual MenuElement {
public:
    // True when the key was consumed; the walk then stops.
    virtual bool onKeyPressed(sf::Keyboard::Key key) = 0;
};

class MenuElementHandlerKeyUp : public virtual MenuElement {
public:
    virtual bool onKeyReleased(sf::Keyboard::Key key) = 0;
};

class MenuElementHandlerScroll : public virtual MenuElement {
public:
    // Delta as the mouse-wheel event delivers it.
    virtual void onScroll(int delta) = 0;
};

class MenuElementHandlerText : public virtual MenuElement {
public:
    // True when the character was consumed.
    virtual bool onTextEntered(unsigned codepoint) = 0;
    virtual std::string getText() const = 0;
    virtual void setText(const std::string& newText) = 0;

protected:
    // The edited text, UTF-8.
    std::string text;
};

class MenuElementHandlerTooltip : public virtual MenuElement {
public:
    virtual std::string getTooltip() const = 0;

    bool isTooltipEnabled() const { return tooltipEnabled; }
    void setTooltipEnabled(bool enabled) { tooltipEnabled = enabled; }

protected:
    bool tooltipEnabled = false;
};

// A tooltip whose text the dialog gives it; shown while there is a text.
class MenuElementTooltipText : public virtual MenuElementHandlerTooltip {
public:
    void setTooltipText(const std::string& newText) {
        tooltipText = newText;
        tooltipEnabled = !newText.empty();
    }
    std::string getTooltip() const override { return tooltipEnabled ? tooltipText : std::string(); }

private:
    std::string tooltipText;
};
