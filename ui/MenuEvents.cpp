// The event walks of Menu. There is no event object and no bubbling: each
// walk visits a copy of one level's children in list order, recurses into
// containers and calls the handler interfaces the children implement; the
// container whose list is walked is told afterwards who handled what.
#include "ui/Menu.hpp"

#include "ui/MenuBindings.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuElementHandlerDrag.hpp"
#include "ui/MenuHandlers.hpp"

struct Menu::WalkLevel {
    int originX;
    int originY;
    std::vector<MenuElement*> children;
};

namespace {

// Keeps elements freed by a handler alive until the outermost walk returns.
class WalkScope {
public:
    explicit WalkScope(int& depth, std::vector<std::unique_ptr<MenuElement>>& cleared)
        : depth(depth), cleared(cleared) {
        ++depth;
    }
    ~WalkScope() {
        if (--depth == 0)
            cleared.clear();
    }
    WalkScope(const WalkScope&) = delete;
    WalkScope& operator=(const WalkScope&) = delete;

private:
    int& depth;
    std::vector<std::unique_ptr<MenuElement>>& cleared;
};

void notify(MenuElementContainer* container, MenuEventType type, MenuElement* child) {
    if (container != nullptr)
        container->onElementEvent(type, child);
}

// One level of a key walk: each child in order is first recursed into when it
// is an Inner container, then asked when it implements Handler; the first to
// consume the key ends the walk, and the level's container hears who it was.
template <class Inner, class Handler, class Recurse, class Handle>
bool walkKeys(const std::vector<MenuElement*>& children, MenuElementContainer* container,
              MenuEventType type, Recurse recurse, Handle handle) {
    for (MenuElement* child : children) {
        auto* inner = dynamic_cast<Inner*>(child);
        if (inner != nullptr && recurse(inner)) {
            notify(container, type, child);
            return true;
        }
        auto* handler = dynamic_cast<Handler*>(child);
        if (handler != nullptr && handle(handler)) {
            notify(container, type, child);
            return true;
        }
    }
    return false;
}

} // namespace

Menu::WalkLevel Menu::levelOf(MenuElementContainer* container) const {
    // The origin is truncated toward zero, as the coordinates are integers.
    const sf::Vector2f origin = container ? container->getPosition() : getPosition();
    return WalkLevel{static_cast<int>(origin.x), static_cast<int>(origin.y),
                     container ? container->getElements() : getElements()};
}

bool Menu::insideMenu(int x, int y) const {
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    return px >= 0.f && py >= 0.f && px < width && py < height;
}

bool Menu::onMousePressed(int x, int y, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    const std::uint64_t generation = treeGeneration;
    lastPressed = nullptr;
    const WalkLevel level = levelOf(container);
    x -= level.originX;
    y -= level.originY;
    if (!insideMenu(x, y))
        return false;
    for (MenuElement* child : level.children) {
        if (!child->hits(x, y))
            continue;
        lastPressed = child;
        if (auto* inner = dynamic_cast<MenuElementContainer*>(child)) {
            if (onMousePressed(x, y, inner))
                notify(container, MenuEventType::MousePressed, child);
        }
        if (clearedSince(generation))
            return true;
        if (auto* click = dynamic_cast<MenuElementHandlerClick*>(child)) {
            click->onMousePressed(game);
            notify(container, MenuEventType::MousePressed, child);
        }
        if (clearedSince(generation))
            return true;
        if (auto* drag = dynamic_cast<MenuElementHandlerDrag*>(child))
            drag->onDragStart(x, y);
    }
    return true;
}

bool Menu::onMouseReleased(int x, int y, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    const std::uint64_t generation = treeGeneration;
    lastReleased = nullptr;
    const WalkLevel level = levelOf(container);
    x -= level.originX;
    y -= level.originY;
    for (MenuElement* child : level.children) {
        auto* focus = dynamic_cast<MenuElementHandlerFocus*>(child);
        if (!child->hits(x, y)) {
            // A click anywhere else takes the focus away.
            if (focus != nullptr && focus->isFocused()) {
                focus->onFocusLost();
                notify(container, MenuEventType::FocusLost, child);
            }
            continue;
        }
        lastReleased = child;
        if (auto* inner = dynamic_cast<MenuElementContainer*>(child)) {
            onMouseReleased(x, y, inner);
            notify(container, MenuEventType::MouseReleased, child);
        }
        if (clearedSince(generation))
            break;
        if (auto* click = dynamic_cast<MenuElementHandlerClick*>(child)) {
            click->onMouseReleased(game);
            notify(container, MenuEventType::MouseReleased, child);
        }
        if (clearedSince(generation))
            break;
        if (focus != nullptr && !focus->isFocused()) {
            focus->onFocusGained();
            notify(container, MenuEventType::FocusGained, child);
        }
    }
    // A drag ends wherever the pointer is let go, also off the grabbed element.
    if (container == nullptr && !clearedSince(generation)) {
        for (MenuElement* element : getAllElements())
            if (auto* drag = dynamic_cast<MenuElementHandlerDrag*>(element))
                drag->onDragEnd();
    }
    return insideMenu(x, y);
}

bool Menu::onMouseWheel(int delta, int x, int y, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    const std::uint64_t generation = treeGeneration;
    const WalkLevel level = levelOf(container);
    x -= level.originX;
    y -= level.originY;
    if (!insideMenu(x, y))
        return false;
    for (MenuElement* child : level.children) {
        if (!child->hits(x, y))
            continue;
        if (auto* inner = dynamic_cast<MenuElementContainer*>(child)) {
            if (onMouseWheel(delta, x, y, inner))
                notify(container, MenuEventType::MouseScrolled, child);
        }
        if (clearedSince(generation))
            return true;
        if (auto* scroll = dynamic_cast<MenuElementHandlerScroll*>(child)) {
            scroll->onScroll(delta);
            notify(container, MenuEventType::MouseScrolled, child);
        }
        if (clearedSince(generation))
            return true;
    }
    return true;
}

void Menu::onMouseMoved(int x, int y) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    bool tooltipFound = false;
    onMouseMovedIn(x, y, nullptr, tooltipFound);
    if (tooltipShown && !tooltipFound) {
        MenuBindings::ShowTooltip("");
        tooltipShown = false;
        tooltipElement = nullptr;
    }
}

void Menu::onMouseMovedIn(int x, int y, MenuElementContainer* container, bool& tooltipFound) {
    const std::uint64_t generation = treeGeneration;
    const WalkLevel level = levelOf(container);
    x -= level.originX;
    y -= level.originY;
    for (MenuElement* child : level.children) {
        if (auto* inner = dynamic_cast<MenuElementContainer*>(child)) {
            onMouseMovedIn(x, y, inner, tooltipFound);
            notify(container, MenuEventType::MouseMoved, child);
        }
        if (clearedSince(generation))
            return;
        if (auto* drag = dynamic_cast<MenuElementHandlerDrag*>(child))
            drag->onDragMove(x, y);
        const bool hit = child->hits(x, y);
        if (auto* hover = dynamic_cast<MenuElementHandlerHover*>(child)) {
            if (hit && !hover->isHovered()) {
                hover->onHoverEnter();
                notify(container, MenuEventType::HoverEnter, child);
            } else if (!hit && hover->isHovered()) {
                hover->onHoverLeave();
                notify(container, MenuEventType::HoverLeave, child);
            }
        }
        if (clearedSince(generation))
            return;
        // The first tooltip element hit in walk order wins.
        auto* tooltip = dynamic_cast<MenuElementHandlerTooltip*>(child);
        if (!tooltipFound && hit && tooltip != nullptr) {
            tooltipFound = true;
            MenuBindings::ShowTooltip(tooltip->getTooltip());
            tooltipShown = true;
            tooltipElement = child;
        }
    }
}

bool Menu::onTextEntered(unsigned codepoint, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    const std::uint64_t generation = treeGeneration;
    bool consumed = false;
    // Every child sees the character, also after one consumed it.
    for (MenuElement* child : levelOf(container).children) {
        if (auto* inner = dynamic_cast<MenuElementContainer*>(child)) {
            if (onTextEntered(codepoint, inner)) {
                consumed = true;
                notify(container, MenuEventType::TextEntered, child);
            }
        }
        if (clearedSince(generation))
            return consumed;
        if (auto* textHandler = dynamic_cast<MenuElementHandlerText*>(child)) {
            if (textHandler->onTextEntered(codepoint)) {
                consumed = true;
                notify(container, MenuEventType::TextEntered, child);
            }
        }
        if (clearedSince(generation))
            return consumed;
    }
    return consumed;
}

bool Menu::onKeyPressed(sf::Keyboard::Key key, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    const bool consumed = walkKeys<MenuElementContainer, MenuElementHandlerKeyDown>(
        levelOf(container).children, container, MenuEventType::KeyPressed,
        [&](MenuElementContainer* inner) { return onKeyPressed(key, inner); },
        [&](MenuElementHandlerKeyDown* handler) { return handler->onKeyPressed(key); });
    if (consumed)
        return true;
    // Escape nobody wanted closes the dialog; asked once, at the top.
    if (container == nullptr && key == sf::Keyboard::Escape) {
        MenuBindings::Run(ActionCloseTopMenu, game);
        return true;
    }
    return false;
}

bool Menu::onKeyReleased(sf::Keyboard::Key key, MenuElementContainer* container) {
    WalkScope scope(walkDepth, clearedDuringWalk);
    // Releases reach only into column containers.
    return walkKeys<MenuColumnContainer, MenuElementHandlerKeyUp>(
        levelOf(container).children, container, MenuEventType::KeyReleased,
        [&](MenuColumnContainer* inner) { return onKeyReleased(key, inner); },
        [&](MenuElementHandlerKeyUp* handler) { return handler->onKeyReleased(key); });
}
