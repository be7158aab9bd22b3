#pragma once

#include "ui/MenuListboxImageEntry.hpp"
#include "ui/MenuTextCells.hpp"

#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// An item's list line with figures in columns to the right of its name.
class MenuListboxColumnsEntry : public virtual MenuListboxImageEntry {
public:
    MenuListboxColumnsEntry(MenuElement* parent, const sf::Font& font, ItemType item);

    // One text per column, in the entry's own space; a colour per text, or
    // none for black.
    void setCells(const MenuTextColumns& newColumns, const std::vector<std::string>& texts,
                  const std::vector<sf::Color>& colours = {});
    const std::vector<sf::Text>& getCells() const { return cells.getCells(); }
    // The cell as shown.
    std::string getCellText(std::size_t index) const { return cells.shownText(index); }
    std::vector<const sf::Text*> getWrittenTexts() const override;

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void placeCells();

    // A product of many parts gets smaller letters before it is shortened.
    MenuTextCells cells{15, 11};
};
