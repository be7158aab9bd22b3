#pragma once

#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuTextCells.hpp"

#include <string>
#include <vector>

// A list line of texts in columns. Its text (what selecting it hands on) is
// kept whole; the cells are shortened with an ellipsis to their columns.
class MenuListboxCellsEntry : public virtual MenuListboxEntry {
public:
    MenuListboxCellsEntry(MenuElement* parent, const sf::Font& font);

    std::string getText() const override { return fullText; }
    void setText(const std::string& newText) override { fullText = newText; }

    void setCells(const MenuTextColumns& newColumns, const std::vector<std::string>& texts);
    // The cell's whole text, however short its column.
    std::string getCellText(std::size_t index) const { return cells.wholeText(index); }
    std::vector<const sf::Text*> getWrittenTexts() const override;

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void placeCells();

    std::string fullText;
    // Shortened only, never made smaller.
    MenuTextCells cells{16, 16};
};
