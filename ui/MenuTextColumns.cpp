#include "ui/MenuTextColumns.hpp"

#include "ui/TextMeasure.hpp"

#include <cmath>

namespace TextColumns {

void Place(sf::Text& text, const MenuTextColumn& column, float rowHeight) {
    const sf::FloatRect ink = TextMeasure::Bounds(text);
    // Every cell of a row on one baseline, whatever its letters.
    const sf::FloatRect line = TextMeasure::LineBounds(text);
    text.setOrigin(ink.left, line.top);
    const float x = column.alignRight ? column.right - ink.width : column.left;
    // Whole pixels keep small figures sharp.
    text.setPosition(std::round(x), std::round((rowHeight - line.height) / 2.f));
}

void FitInto(sf::Text& text, const MenuTextColumn& column) {
    const float room = column.right - column.left;
    if (room <= 0.f || TextMeasure::Bounds(text).width <= room)
        return;
    sf::String shown = text.getString();
    const sf::String ellipsis(static_cast<sf::Uint32>(0x2026));
    while (!shown.isEmpty()) {
        shown.erase(shown.getSize() - 1);
        text.setString(shown + ellipsis);
        if (TextMeasure::Bounds(text).width <= room)
            return;
    }
}

std::vector<sf::Text> MakeCells(const sf::Font& font, unsigned characterSize,
                                const std::vector<std::string>& texts,
                                const std::vector<sf::Color>& colours) {
    std::vector<sf::Text> cells;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        sf::Text cell(sf::String::fromUtf8(texts[k].begin(), texts[k].end()), font, characterSize);
        cell.setFillColor(k < colours.size() ? colours[k] : sf::Color::Black);
        cells.push_back(cell);
    }
    return cells;
}

std::string CellText(const std::vector<sf::Text>& cells, std::size_t index) {
    if (index >= cells.size())
        return "";
    const auto utf8 = cells[index].getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace TextColumns
