#pragma once

#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// Where a text sits across a row: between two x positions of the row,
// against the left or the right one. A list's entries and the header above
// it share one set of columns, so figures stand under their titles.
struct MenuTextColumn {
    float left = 0.f;
    float right = 0.f;
    bool alignRight = false;
};
using MenuTextColumns = std::vector<MenuTextColumn>;

namespace TextColumns {

// Puts the text's ink in its column, centred in the row's height.
void Place(sf::Text& text, const MenuTextColumn& column, float rowHeight);
// Shortens the text with an ellipsis until its ink fits the column.
void FitInto(sf::Text& text, const MenuTextColumn& column);
// One text per UTF-8 string, in its colour or black.
std::vector<sf::Text> MakeCells(const sf::Font& font, unsigned characterSize,
                                const std::vector<std::string>& texts,
                                const std::vector<sf::Color>& colours);
// The UTF-8 string of a cell; empty past the end.
std::string CellText(const std::vector<sf::Text>& cells, std::size_t index);

} // namespace TextColumns
