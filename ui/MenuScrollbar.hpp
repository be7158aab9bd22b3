#pragma once

#include "ui/MenuElementContainer.hpp"
#include "ui/MenuElementHandlerDrag.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>

#include <memory>

class MenuListbox;
class MenuSymbolButton;

// The bar along a list box's right edge: arrows at both ends and a thumb on
// the track between them that can be dragged. It holds the scroll position
// (0 top ... 100 bottom); the list reads it when it lays itself out.
class MenuScrollbar : public virtual MenuElementContainer, public virtual MenuElementHandlerDrag {
public:
    // The list owns the scrollbar, so it outlives it.
    MenuScrollbar(MenuListbox& target, const sf::Font& font);
    ~MenuScrollbar() override;

    float getScrollPosition() const { return position; }
    // Clamped to [0, 100]; the list decides whether it may move at all.
    void setScrollPosition(float newPosition);

    // The arrows: up, then down.
    int getElementCount() const override { return 2; }
    std::vector<MenuElement*> getElements() const override;
    // An arrow pressed scrolls the list.
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    void update() override;

    void onDragStart(int x, int y) override;
    void onDragMove(int x, int y) override;
    void onDragEnd() override { dragging = false; }
    bool isDragging() const { return dragging; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    const sf::RectangleShape& getTrack() const { return track; }
    const sf::RectangleShape& getThumb() const { return thumb; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    float trackTop() const;
    float trackHeight() const;
    float thumbHeight() const { return trackHeight() / 10.f; }
    float thumbTop() const;
    // Moves the list so the thumb's top follows the pointer, less the grab offset.
    void dragTo(float localY);

    bool visible = true;
    MenuListbox& target;
    float width = 0.f;
    float height = 0.f;
    // Not saved: where the list stands.
    float position = 0.f;
    std::unique_ptr<MenuSymbolButton> upButton;
    std::unique_ptr<MenuSymbolButton> downButton;
    sf::RectangleShape track;
    sf::RectangleShape thumb;
    float thickness = 1.f;
    sf::Color trackFill = sf::Color::White;
    sf::Color trackOutline = sf::Color::Black;
    sf::Color thumbFill = sf::Color::Black;
    bool dragging = false;
    float grabOffset = 0.f;
};
