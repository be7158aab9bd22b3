#include "ui/MenuTextColumns.hpp"

#include "ui/TextMeasure.hpp"

#include <cmath>

namespace TextColumns {

void Place(sf::Text& text, const MenuTextColumn& column, float rowHeight) {
    const sf::FloatRect bounds = TextMeasure::Bounds(text);
    text.setOrigin(bounds.left, bounds.top);
    const float x = column.alignRight ? column.right - bounds.width : column.left;
    // Whole pixels keep small figures sharp.
    text.setPosition(std::round(x), std::round((rowHeight - bounds.height) / 2.f));
}

} // namespace TextColumns
