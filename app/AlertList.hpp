#pragma once

#include "alerts/AlertBoard.hpp"
#include "alerts/EventMessages.hpp"
#include "ui/RoundedRectangleShape.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

class Level;

namespace sf {
class Font;
class Texture;
} // namespace sf

// The HUD's alert list at the right edge, one row per active kind with its
// icon, text and number of places, and the fading messages above the
// main-menu button. Rows sit at fixed places, so the clicks can be told
// apart before anything is drawn; texts are made while drawing.
class AlertList : public sf::Drawable {
public:
    static constexpr float Width = 340.f;
    static constexpr float RowHeight = 28.f;
    static constexpr float MessageHeight = 26.f;

    void init(const sf::Font* font, const sf::Texture* atlas);
    // The screen's right edge, the top of the list and the bottom of the
    // message stack, in interface pixels; again whenever the window changes.
    void place(float right, float top, float messagesBottom);
    // One frame: takes the level's new events, ages the messages and
    // refreshes the alerts when due.
    void update(Level& level, float gameMinutes, float realSeconds);

    bool isOver(int x, int y) const;
    // The row under the pixel, or -1.
    int rowAt(int x, int y) const;
    sf::FloatRect rowBounds(std::size_t row) const;
    // The cell to show for the row under the pixel, the kind's next place
    // on each click; false off the rows or for a row of no place.
    bool click(int x, int y, sf::Vector2i& cell);
    std::string getTooltipText(int x, int y) const;

    // Where the last draw put each row's parts, and what its text said.
    struct DrawnRow {
        sf::FloatRect icon;
        sf::FloatRect label;
        sf::FloatRect count;
        sf::String text;
    };
    const std::vector<DrawnRow>& getDrawnRows() const { return drawnRows; }
    // Where the last draw put each message box, the newest last.
    const std::vector<sf::FloatRect>& getDrawnMessages() const { return drawnMessages; }

    AlertBoard& getBoard() { return board; }
    const AlertBoard& getBoard() const { return board; }
    EventMessages& getMessages() { return messages; }
    const EventMessages& getMessages() const { return messages; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void drawRows(sf::RenderTarget& target, sf::RenderStates states) const;
    void layOutRows() const;
    void drawMessages(sf::RenderTarget& target, sf::RenderStates states) const;

    const sf::Font* font = nullptr;
    const sf::Texture* atlas = nullptr;
    float left() const;

    float right = 1280.f;
    float top = 0.f;
    float messagesBottom = 0.f;
    AlertBoard board;
    EventMessages messages;
    // What the rows are drawn from, made while drawing. Not saved.
    struct RowParts {
        sf::RectangleShape line;
        sf::Sprite icon;
        sf::RoundedRectangleShape badge;
        sf::Text count;
        sf::Text label;
    };
    mutable unsigned laidOutRevision = ~0u;
    mutable sf::RoundedRectangleShape panel;
    mutable std::vector<RowParts> rowParts;
    mutable std::vector<DrawnRow> drawnRows;
    mutable std::vector<sf::FloatRect> drawnMessages;
};
