#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// A table of text with a header row: columns share the width by weight,
// rows have one height, and only whole rows are shown. The mouse wheel
// scrolls through rows that do not fit, and a thin bar says where the view
// is. A cell can hold a bar of coloured shares instead of text.
class MenuTable : public virtual MenuElementHandlerScroll {
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1 };

    struct Column {
        std::string title; // UTF-8
        float weight = 1.f;
        int alignment = AlignLeft;
        // A small square of this colour before the title, when not transparent:
        // the key to the colours of a shares bar.
        sf::Color swatch = sf::Color::Transparent;
    };

    struct Share {
        float part = 0.f;
        sf::Color colour;
    };

    struct Cell {
        Cell() = default;
        // Not explicit: a row lists its cells as texts.
        Cell(std::string content) : text(std::move(content)) {}
        Cell(const char* content) : text(content) {}

        std::string text; // UTF-8
        sf::Color colour = sf::Color::Black;
        // Drawn as one bar split by the parts instead of the text, when given.
        std::vector<Share> shares;
    };

    struct Row {
        std::vector<Cell> cells;
        // Set off in bold, as a total is.
        bool emphasised = false;
    };

    explicit MenuTable(const sf::Font& font, MenuElement* parent = nullptr);

    void setColumns(std::vector<Column> newColumns);
    void setRows(std::vector<Row> newRows);
    void setRowHeight(float newHeight);
    const std::vector<Row>& getRows() const { return rows; }
    std::size_t getFirstShownRow() const { return firstShown; }
    // Whole rows below the header that fit in the height.
    std::size_t getShownRowCount() const;
    // The header's and the shown rows' texts, where they are drawn.
    const std::vector<sf::Text>& getTexts() const { return texts; }
    std::vector<const sf::Text*> getWrittenTexts() const override;

    void onScroll(int delta) override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // The height is cut down to the header and whole rows.
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static constexpr unsigned TextSize = 15;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    // Texts, bars and backgrounds of what is shown, anew.
    void rebuild();
    void addText(const std::string& content, float left, float columnWidth, float top,
                 int alignment, bool bold, sf::Color colour = sf::Color::Black);
    void addShares(const std::vector<Share>& shares, float left, float columnWidth, float top);
    std::vector<float> columnWidths() const;

    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    float rowHeight = 24.f;
    std::size_t firstShown = 0;
    std::vector<Column> columns;
    std::vector<Row> rows;
    sf::Font font;
    std::vector<sf::RectangleShape> shapes;
    std::vector<sf::Text> texts;
};
