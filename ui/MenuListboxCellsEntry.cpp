#include "ui/MenuListboxCellsEntry.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

MenuListboxCellsEntry::MenuListboxCellsEntry(MenuElement* parent, const sf::Font& font)
    : MenuListboxEntry(parent, font) {
    // The entry's own line stays empty: the cells show it.
    MenuListboxEntry::setText("");
}

void MenuListboxCellsEntry::setCells(const MenuTextColumns& newColumns,
                                     const std::vector<std::string>& newTexts) {
    cells.set(newColumns, newTexts);
    placeCells();
}

std::vector<const sf::Text*> MenuListboxCellsEntry::getWrittenTexts() const {
    std::vector<const sf::Text*> written;
    cells.addWrittenTexts(written);
    return written;
}

void MenuListboxCellsEntry::setSize(float newWidth, float newHeight) {
    MenuListboxEntry::setSize(newWidth, newHeight);
    placeCells();
}

void MenuListboxCellsEntry::placeCells() {
    cells.place(getFont(), getBoxSize().y);
}

void MenuListboxCellsEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawEntry(target, states);
    cells.draw(target, states);
}
