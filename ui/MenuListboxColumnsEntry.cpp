#include "ui/MenuListboxColumnsEntry.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr unsigned CellCharacterSize = 15;

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

void MenuListboxColumnsEntry::setSize(float newWidth, float newHeight) {
    MenuListboxImageEntry::setSize(newWidth, newHeight);
    placeCells();
}

void MenuListboxColumnsEntry::placeCells() {
    const float rowHeight = getBoxSize().y;
    for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k)
        TextColumns::Place(cells[k], columns[k], rowHeight);
}

void MenuListboxColumnsEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawImageEntry(target, states);
    for (const sf::Text& cell : cells)
        target.draw(cell, states);
}
