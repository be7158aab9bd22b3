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
    cells.clear();
    for (std::size_t k = 0; k < texts.size(); ++k) {
        sf::Text cell(sf::String::fromUtf8(texts[k].begin(), texts[k].end()), getFont(),
                      CellCharacterSize);
        cell.setFillColor(k < colours.size() ? colours[k] : sf::Color::Black);
        cells.push_back(cell);
    }
    placeCells();
}

std::string MenuListboxColumnsEntry::getCellText(std::size_t index) const {
    if (index >= cells.size())
        return "";
    const auto utf8 = cells[index].getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
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
