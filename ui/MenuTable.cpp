#include "ui/MenuTable.hpp"

#include "ui/FilledBox.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr float CellPadding = 6.f;
constexpr float SwatchSize = 10.f;
constexpr float ScrollBarWidth = 4.f;
const sf::Color HeaderColour(224, 226, 232);
const sf::Color StripeColour(244, 245, 248);
const sf::Color LineColour(180, 184, 194);

} // namespace

MenuTable::MenuTable(const sf::Font& sourceFont, MenuElement* parent) : font(sourceFont) {
    setParent(parent);
}

std::vector<const sf::Text*> MenuTable::getWrittenTexts() const {
    std::vector<const sf::Text*> written;
    for (const sf::Text& text : texts)
        written.push_back(&text);
    return written;
}

void MenuTable::setColumns(std::vector<Column> newColumns) {
    columns = std::move(newColumns);
    rebuild();
}

void MenuTable::setRows(std::vector<Row> newRows) {
    rows = std::move(newRows);
    firstShown = 0;
    rebuild();
}

void MenuTable::setRowHeight(float newHeight) {
    rowHeight = std::max(1.f, newHeight);
    setSize(width, height);
}

std::size_t MenuTable::getShownRowCount() const {
    const float below = std::max(0.f, height - rowHeight);
    return static_cast<std::size_t>(std::floor(below / rowHeight + 1e-3f));
}

void MenuTable::setSize(float newWidth, float newHeight) {
    width = newWidth;
    // Only whole rows: a row cut in half reads as a fault.
    const float whole = std::floor(std::max(newHeight, rowHeight) / rowHeight + 1e-3f);
    height = whole * rowHeight;
    rebuild();
}

void MenuTable::onScroll(int delta) {
    const std::size_t shown = getShownRowCount();
    const std::size_t last = rows.size() > shown ? rows.size() - shown : 0;
    if (delta > 0)
        firstShown = firstShown > static_cast<std::size_t>(delta) ? firstShown - delta : 0;
    else if (delta < 0)
        firstShown = std::min(last, firstShown + static_cast<std::size_t>(-delta));
    rebuild();
}

std::vector<float> MenuTable::columnWidths() const {
    float weights = 0.f;
    for (const Column& column : columns)
        weights += std::max(0.f, column.weight);
    std::vector<float> widths;
    for (const Column& column : columns)
        widths.push_back(weights > 0.f ? width * std::max(0.f, column.weight) / weights : 0.f);
    return widths;
}

void MenuTable::addText(const std::string& content, float left, float columnWidth, float top,
                        int alignment, bool bold, sf::Color colour) {
    sf::Text text(sf::String::fromUtf8(content.begin(), content.end()), font, TextSize);
    text.setFillColor(colour);
    text.setStyle(bold ? sf::Text::Bold : sf::Text::Regular);
    const float room = columnWidth - 2.f * CellPadding;
    // A text too long for its column is made smaller rather than cut.
    while (text.getCharacterSize() > 9 && TextMeasure::Bounds(text).width > room)
        text.setCharacterSize(text.getCharacterSize() - 1);
    const sf::FloatRect bounds = TextMeasure::Bounds(text);
    // Lines sit on one baseline, whatever their letters: measured by a
    // capital rather than by their own ink.
    sf::Text capital("H", font, text.getCharacterSize());
    const sf::FloatRect capitalBounds = TextMeasure::Bounds(capital);
    const float x = alignment == AlignRight ? left + columnWidth - CellPadding - bounds.width
                                            : left + CellPadding;
    const float y = top + (rowHeight - capitalBounds.height) / 2.f - capitalBounds.top;
    text.setPosition(std::round(x - bounds.left), std::round(y));
    texts.push_back(text);
}

void MenuTable::addShares(const std::vector<Share>& shares, float left, float columnWidth,
                          float top) {
    const float barWidth = columnWidth - 2.f * CellPadding;
    const float barHeight = std::round(rowHeight * 0.5f);
    const float barTop = top + std::round((rowHeight - barHeight) / 2.f);
    float total = 0.f;
    for (const Share& share : shares)
        total += std::max(0.f, share.part);
    shapes.push_back(FilledBox(left + CellPadding, barTop, barWidth, barHeight, StripeColour));
    if (total <= 0.f)
        return;
    float x = left + CellPadding;
    for (const Share& share : shares) {
        const float part = barWidth * std::max(0.f, share.part) / total;
        shapes.push_back(FilledBox(x, barTop, part, barHeight, share.colour));
        x += part;
    }
    sf::RectangleShape frame =
        FilledBox(left + CellPadding, barTop, barWidth, barHeight, sf::Color::Transparent);
    frame.setOutlineColor(LineColour);
    frame.setOutlineThickness(1.f);
    shapes.push_back(frame);
}

void MenuTable::rebuild() {
    shapes.clear();
    texts.clear();
    if (width <= 0.f || height <= 0.f)
        return;
    const std::vector<float> widths = columnWidths();
    shapes.push_back(FilledBox(0.f, 0.f, width, rowHeight, HeaderColour));
    float left = 0.f;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& column = columns[c];
        const bool swatched = column.swatch != sf::Color::Transparent;
        const float swatchRoom = swatched ? SwatchSize + CellPadding / 2.f : 0.f;
        // The swatch goes just before the title, wherever the title stands.
        const float textLeft = column.alignment == AlignLeft ? left + swatchRoom : left;
        addText(column.title, textLeft, widths[c] - swatchRoom, 0.f, column.alignment, true);
        if (swatched) {
            const float titleLeft = texts.back().getGlobalBounds().left;
            sf::RectangleShape swatch = FilledBox(std::round(titleLeft - swatchRoom),
                                                  std::round((rowHeight - SwatchSize) / 2.f),
                                                  SwatchSize, SwatchSize, column.swatch);
            swatch.setOutlineColor(LineColour);
            swatch.setOutlineThickness(1.f);
            shapes.push_back(swatch);
        }
        left += widths[c];
    }
    const std::size_t shown = getShownRowCount();
    for (std::size_t i = 0; i < shown && firstShown + i < rows.size(); ++i) {
        const Row& row = rows[firstShown + i];
        const float top = rowHeight * static_cast<float>(i + 1);
        if ((firstShown + i) % 2 == 1)
            shapes.push_back(FilledBox(0.f, top, width, rowHeight, StripeColour));
        left = 0.f;
        for (std::size_t c = 0; c < columns.size() && c < row.cells.size(); ++c) {
            const Cell& cell = row.cells[c];
            if (!cell.shares.empty())
                addShares(cell.shares, left, widths[c], top);
            else
                addText(cell.text, left, widths[c], top, columns[c].alignment, row.emphasised,
                        cell.colour);
            left += widths[c];
        }
    }
    shapes.push_back(FilledBox(0.f, rowHeight - 1.f, width, 1.f, LineColour));
    // Rows beyond the view: a bar at the right edge shows which part is shown.
    if (rows.size() > shown && shown > 0) {
        const float track = height - rowHeight;
        const float share = static_cast<float>(shown) / static_cast<float>(rows.size());
        const float offset = static_cast<float>(firstShown) / static_cast<float>(rows.size());
        shapes.push_back(FilledBox(width - ScrollBarWidth, rowHeight + track * offset,
                                   ScrollBarWidth, track * share, LineColour));
    }
}

void MenuTable::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    for (const sf::RectangleShape& shape : shapes)
        target.draw(shape, states);
    for (const sf::Text& text : texts)
        target.draw(text, states);
}
