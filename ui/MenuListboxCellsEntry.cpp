#include "ui/MenuListboxCellsEntry.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr unsigned CellCharacterSize = 16;

} // namespace

MenuListboxCellsEntry::MenuListboxCellsEntry(MenuElement* parent, const sf::Font& font)
    : MenuListboxEntry(parent, font) {
    // The entry's own line stays empty: the cells show it.
    MenuListboxEntry::setText("");
}

void MenuListboxCellsEntry::setCells(const MenuTextColumns& newColumns,
                                     const std::vector<std::string>& newTexts) {
    columns = newColumns;
    texts = newTexts;
    placeCells();
}

std::string MenuListboxCellsEntry::getCellText(std::size_t index) const {
    return index < texts.size() ? texts[index] : std::string();
}

std::vector<const sf::Text*> MenuListboxCellsEntry::getWrittenTexts() const {
    std::vector<const sf::Text*> written;
    for (const sf::Text& cell : cells)
        written.push_back(&cell);
    return written;
}

void MenuListboxCellsEntry::setSize(float newWidth, float newHeight) {
    MenuListboxEntry::setSize(newWidth, newHeight);
    placeCells();
}

void MenuListboxCellsEntry::placeCells() {
    // Made anew from the whole texts, so a wider column shows more again.
    cells = TextColumns::MakeCells(getFont(), CellCharacterSize, texts, {});
    const float rowHeight = getBoxSize().y;
    for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k) {
        TextColumns::FitInto(cells[k], columns[k]);
        TextColumns::Place(cells[k], columns[k], rowHeight);
    }
}

void MenuListboxCellsEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawEntry(target, states);
    for (const sf::Text& cell : cells)
        target.draw(cell, states);
}
