#pragma once

#include "app/Game.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuHandlers.hpp"
#include "ui/MenuRowContainer.hpp"

#include <memory>
#include <string>
#include <vector>

// A Game cannot be built without a display (its atlas is a GL texture), and
// the toolkit only hands the pointer on, so tests give menus this stand-in.
// It must never be dereferenced.
inline Game* StandInGame() {
    alignas(Game) static unsigned char storage[sizeof(Game)];
    return reinterpret_cast<Game*>(storage);
}

// What the probes saw, in order, as "name:event".
using EventLog = std::vector<std::string>;

// An element with every handler interface, logging each call. It consumes
// keys and text only when told to.
class ProbeElement : public virtual MenuElementHandlerClick,
                     public virtual MenuElementHandlerHover,
                     public virtual MenuElementHandlerFocus,
                     public virtual MenuElementHandlerKeyDown,
                     public virtual MenuElementHandlerKeyUp,
                     public virtual MenuElementHandlerScroll,
                     public virtual MenuElementHandlerText,
                     public virtual MenuElementHandlerTooltip {
public:
    ProbeElement(EventLog& log, std::string name, float width, float height)
        : log(log), name(std::move(name)), width(width), height(height) {}

    void onMousePressed(Game*) override { record("press"); }
    void onMouseReleased(Game*) override { record("release"); }
    void onHoverEnter() override {
        hovered = true;
        record("enter");
    }
    void onHoverLeave() override {
        hovered = false;
        record("leave");
    }
    void onFocusGained() override {
        focused = true;
        record("focus");
    }
    void onFocusLost() override {
        focused = false;
        record("blur");
    }
    bool onKeyPressed(sf::Keyboard::Key) override {
        record("key");
        return consumesKeys;
    }
    bool onKeyReleased(sf::Keyboard::Key) override {
        record("keyup");
        return consumesKeys;
    }
    void onScroll(int delta) override { record("scroll" + std::to_string(delta)); }
    bool onTextEntered(unsigned) override {
        record("text");
        return consumesText;
    }
    std::string getText() const override { return text; }
    void setText(const std::string& newText) override { text = newText; }
    std::string getTooltip() const override { return "tip " + name; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override {
        width = newWidth;
        height = newHeight;
    }
    void setVisible(bool) override {}
    bool isVisible() const override { return true; }

    bool consumesKeys = false;
    bool consumesText = false;

protected:
    void draw(sf::RenderTarget&, sf::RenderStates) const override {}

private:
    void record(const std::string& event) { log.push_back(name + ":" + event); }

    EventLog& log;
    std::string name;
    float width;
    float height;
};

// A row container that logs what its children report.
class ProbeRow : public MenuRowContainer {
public:
    ProbeRow(EventLog& log, std::string name) : log(log), name(std::move(name)) {}
    void onElementEvent(MenuEventType type, MenuElement*) override {
        log.push_back(name + ":notify" + std::to_string(static_cast<int>(type)));
    }

private:
    EventLog& log;
    std::string name;
};

class ProbeColumns : public MenuColumnContainer {
public:
    ProbeColumns(EventLog& log, std::string name) : log(log), name(std::move(name)) {}
    void onElementEvent(MenuEventType type, MenuElement*) override {
        log.push_back(name + ":notify" + std::to_string(static_cast<int>(type)));
    }

private:
    EventLog& log;
    std::string name;
};

// Every test starts and ends with no bound actions and records which ran.
class MenuBindingsScope {
public:
    MenuBindingsScope() {
        MenuBindings::Reset();
        MenuBindings::Bind(ActionCloseTopMenu, [this](Game*) { ++closeCount; });
        MenuBindings::BindTooltip([this](const std::string& text) { tooltips.push_back(text); });
    }
    ~MenuBindingsScope() { MenuBindings::Reset(); }
    MenuBindingsScope(const MenuBindingsScope&) = delete;
    MenuBindingsScope& operator=(const MenuBindingsScope&) = delete;

    int closeCount = 0;
    std::vector<std::string> tooltips;
};
