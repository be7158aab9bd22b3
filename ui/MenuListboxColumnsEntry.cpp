#include "ui/MenuListboxColumnsEntry.hpp"

#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr unsigned CellCharacterSize = 15;
constexpr unsigned SmallestCharacterSize = 11;

} // namespace

MenuListboxColumnsEntry::MenuListboxColumnsEntry(MenuElement* parent, const sf::Font& font,
                                                 ItemType item)
    : MenuListboxEntry(parent, font), MenuListboxImageEntry(parent, font, item) {}

void MenuListboxColumnsEntry::setCells(const MenuTextColumns& newColumns,
                                       const std::vector<std::string>& texts,
                                       const std::vector<sf::Color>& colours) {
    columns = newColumns;
    cells = TextColumns::MakeCells(getFont(), CellCharacterSize, texts, colours);
    placeCells();
}

std::string MenuListboxColumnsEntry::getCellText(std::size_t index) const {
    return TextColumns::CellText(cells, index);
}

std::vector<const sf::Text*> MenuListboxColumnsEntry::getWrittenTexts() const {
    std::vector<const sf::Text*> written{&getTextShape()};
    for (const sf::Text& cell : cells)
        written.push_back(&cell);
    return written;
}

void MenuListboxColumnsEntry::setSize(float newWidth, float newHeight) {
    MenuListboxImageEntry::setSize(newWidth, newHeight);
    placeCells();
}

void MenuListboxColumnsEntry::placeCells() {
    const float rowHeight = getBoxSize().y;
    for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k) {
        // A long cell (a product of many parts) gets smaller letters before
        // it would run into its neighbour, and is shortened only below that.
        const float room = columns[k].right - columns[k].left;
        cells[k].setCharacterSize(CellCharacterSize);
        while (cells[k].getCharacterSize() > SmallestCharacterSize &&
               TextMeasure::Bounds(cells[k]).width > room)
            cells[k].setCharacterSize(cells[k].getCharacterSize() - 1);
        TextColumns::FitInto(cells[k], columns[k]);
        TextColumns::Place(cells[k], columns[k], rowHeight);
    }
}

void MenuListboxColumnsEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawImageEntry(target, states);
    for (const sf::Text& cell : cells)
        target.draw(cell, states);
}
