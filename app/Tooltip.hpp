#pragma once

#include "ui/RoundedRectangleShape.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <cstddef>
#include <string>
#include <vector>

// The white rounded box with a short text that follows the pointer. Its text
// comes from the HUD, the world or an open dialog; an empty text hides it.
// A line holding only GameParams::Phrases::TooltipRule (between the parts
// about different things on one cell) is shown as a thin line across.
class Tooltip : public sf::Drawable, public sf::Transformable {
public:
    Tooltip();

    void setFont(const sf::Font& font);
    // UTF-8. Empty hides the box and keeps the old text. Lines wider than
    // MaxTextWidth are wrapped between words.
    void setText(const std::string& newText);
    void updateSize();
    // Puts the text inside the inner margins of the box.
    void placeText();

    static constexpr float MaxTextWidth = 420.f;

    bool isShown() const { return shown; }
    void setShown(bool isShown) { shown = isShown; }
    float getWidth() const { return width; }
    float getHeight() const { return height; }
    const sf::Text& getText() const { return text; }
    // Where the separator lines run, in the box's own coordinates.
    std::vector<float> getRuleHeights() const;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    static constexpr float CornerRadius = 5.f;

    // The text as given, before wrapping.
    std::string source;
    bool shown = false;
    sf::Text text;
    sf::RoundedRectangleShape background;
    // The characters where the separator lines start, and the lines drawn.
    std::vector<std::size_t> ruleLineStarts;
    sf::VertexArray rules{sf::Lines};
    float width = 0.f;
    float height = 0.f;
    float marginX = 6.f;
    float marginY = 3.f;
    float topOffset = 0.f;
};
