#include "ui/MenuListboxColumnsEntry.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

MenuListboxColumnsEntry::MenuListboxColumnsEntry(MenuElement* parent, const sf::Font& font,
                                                 ItemType item)
    : MenuListboxEntry(parent, font), MenuListboxImageEntry(parent, font, item) {}

void MenuListboxColumnsEntry::setCells(const MenuTextColumns& newColumns,
                                       const std::vector<std::string>& texts,
                                       const std::vector<sf::Color>& colours) {
    cells.set(newColumns, texts, colours);
    placeCells();
}

std::vector<const sf::Text*> MenuListboxColumnsEntry::getWrittenTexts() const {
    std::vector<const sf::Text*> written{&getTextShape()};
    cells.addWrittenTexts(written);
    return written;
}

void MenuListboxColumnsEntry::setSize(float newWidth, float newHeight) {
    MenuListboxImageEntry::setSize(newWidth, newHeight);
    placeCells();
}

void MenuListboxColumnsEntry::placeCells() {
    cells.place(getFont(), getBoxSize().y);
}

void MenuListboxColumnsEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawImageEntry(target, states);
    cells.draw(target, states);
}
