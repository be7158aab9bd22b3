#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

// A small square button with a symbol, used inside list entries and
// scrollbars. It has no action: its container reads symbol and direction
// when told of the release.
class MenuSymbolButton : public virtual MenuElementHandlerClick,
                         public virtual MenuElementTooltipText {
public:
    enum Symbol : unsigned {
        SymbolArrow = 0,
        SymbolDoubleArrow = 1,
        SymbolZero = 2,
        SymbolMaximum = 3,
        SymbolSpread = 4,
    };
    enum Direction : int {
        DirectionUnset = 0,
        DirectionUp = 1,
        DirectionRight = 2,
        DirectionDown = 3,
        DirectionLeft = 4
    };

    // The font is referred to, not copied: it must outlive the button.
    MenuSymbolButton(MenuElement* parent, const sf::Font& font);

    // Anything outside 1-4 becomes the plain arrow.
    void setSymbol(unsigned newSymbol);
    unsigned getSymbol() const { return symbol; }
    void setDirection(int newDirection);
    int getDirection() const { return direction; }

    void onMousePressed(Game* game) override;
    void onMouseReleased(Game* game) override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    bool showsFirst() const { return showFirst; }
    bool showsSecond() const { return showSecond; }
    bool showsText() const { return showText; }
    const sf::CircleShape& getFirst() const { return first; }
    const sf::CircleShape& getSecond() const { return second; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void layoutTriangles(float w, float h, float m);
    void layoutCircles(float w, float h, float m);
    void layoutText(float w, float h);

    bool visible = true;
    int direction = DirectionUnset;
    sf::RectangleShape background;
    unsigned symbol = SymbolArrow;
    bool showFirst = true;
    bool showSecond = false;
    bool showText = false;
    sf::CircleShape first;
    sf::CircleShape second;
    sf::Text text;
    float thickness = 1.f;
    sf::Color fillColor = sf::Color::White;
    sf::Color outlineColor = sf::Color::Black;
    sf::Color symbolFillColor = sf::Color::Black;
    sf::Color symbolOutlineColor = sf::Color::Black;
    float width = 0.f;
    float height = 0.f;
};
