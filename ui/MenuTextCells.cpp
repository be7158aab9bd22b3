#include "ui/MenuTextCells.hpp"

#include "ui/TextMeasure.hpp"

MenuTextCells::MenuTextCells(unsigned characterSize, unsigned smallestCharacterSize)
    : characterSize(characterSize), smallestCharacterSize(smallestCharacterSize) {}

void MenuTextCells::set(const MenuTextColumns& newColumns, const std::vector<std::string>& newTexts,
                        const std::vector<sf::Color>& newColours) {
    columns = newColumns;
    texts = newTexts;
    colours = newColours;
}

void MenuTextCells::place(const sf::Font& font, float rowHeight) {
    cells = TextColumns::MakeCells(font, characterSize, texts, colours);
    for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k) {
        const float room = columns[k].right - columns[k].left;
        while (cells[k].getCharacterSize() > smallestCharacterSize &&
               TextMeasure::Bounds(cells[k]).width > room)
            cells[k].setCharacterSize(cells[k].getCharacterSize() - 1);
        TextColumns::FitInto(cells[k], columns[k]);
        TextColumns::Place(cells[k], columns[k], rowHeight);
    }
}

std::string MenuTextCells::wholeText(std::size_t index) const {
    return index < texts.size() ? texts[index] : std::string();
}

std::string MenuTextCells::shownText(std::size_t index) const {
    return TextColumns::CellText(cells, index);
}

void MenuTextCells::addWrittenTexts(std::vector<const sf::Text*>& written) const {
    for (const sf::Text& cell : cells)
        written.push_back(&cell);
}

void MenuTextCells::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    for (const sf::Text& cell : cells)
        target.draw(cell, states);
}
