#pragma once

#include "ui/MenuTextColumns.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// The texts of a list line in columns. The whole texts are kept and the
// shown cells made anew from them at each layout, so a wider column shows
// more again; a text too long for its column first gets smaller letters (down
// to the smallest size) and is then shortened with an ellipsis.
class MenuTextCells {
public:
    MenuTextCells(unsigned characterSize, unsigned smallestCharacterSize);

    // One text per column, in the line's own space; a colour per text, or
    // none for black. Laid out by the next place().
    void set(const MenuTextColumns& newColumns, const std::vector<std::string>& newTexts,
             const std::vector<sf::Color>& newColours = {});
    void place(const sf::Font& font, float rowHeight);

    // The whole text of a cell, and the one shown (perhaps shortened).
    std::string wholeText(std::size_t index) const;
    std::string shownText(std::size_t index) const;
    const std::vector<sf::Text>& getCells() const { return cells; }
    void addWrittenTexts(std::vector<const sf::Text*>& written) const;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const;

private:
    unsigned characterSize;
    unsigned smallestCharacterSize;
    MenuTextColumns columns;
    std::vector<std::string> texts;
    std::vector<sf::Color> colours;
    std::vector<sf::Text> cells;
};
