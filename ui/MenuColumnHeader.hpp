#pragma once

#include "ui/MenuElement.hpp"
#include "ui/MenuTextColumns.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// The titles over a list's columns, with a rule under them.
class MenuColumnHeader : public virtual MenuElement {
public:
    MenuColumnHeader(const sf::Font& font, float height);

    // One title per column; the columns are in the header's own space.
    void setColumns(const MenuTextColumns& newColumns, const std::vector<std::string>& titles);
    const std::vector<sf::Text>& getTitles() const { return titles; }
    std::vector<const sf::Text*> getWrittenTexts() const override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void place();

    const sf::Font& font;
    bool visible = true;
    float width = 0.f;
    float height;
    MenuTextColumns columns;
    std::vector<sf::Text> titles;
    sf::RectangleShape rule;
};
