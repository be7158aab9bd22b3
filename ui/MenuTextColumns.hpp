#pragma once

#include <SFML/Graphics/Text.hpp>

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

} // namespace TextColumns
