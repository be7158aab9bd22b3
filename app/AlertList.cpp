#include "app/AlertList.hpp"

#include "params/Graphics.hpp"
#include "ui/RoundedRectangleShape.hpp"
#include "world/Level.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// Like the balance above it, the list hangs over the window's right edge,
// which hides its rounded corners there.
constexpr float EdgeOverhang = 10.f;
constexpr float Padding = 6.f;
constexpr float IconSize = 24.f;
constexpr float Gap = 8.f;
constexpr unsigned TextSize = 14;
constexpr unsigned CountSize = 13;
const sf::Color BadgeRed(200, 40, 40);
const sf::Color RowLine(220, 220, 220);

sf::Text MakeText(const sf::Font& font, const std::string& utf8, unsigned size, sf::Color color) {
    sf::Text text(sf::String::fromUtf8(utf8.begin(), utf8.end()), font, size);
    text.setFillColor(color);
    return text;
}

// Cuts the text to the width with an ellipsis; the tooltip has it whole.
void FitWidth(sf::Text& text, float width) {
    sf::String shown = text.getString();
    if (text.getLocalBounds().width <= width)
        return;
    const sf::String ellipsis(static_cast<sf::Uint32>(0x2026));
    while (shown.getSize() > 1 && text.getLocalBounds().width > width) {
        shown.erase(shown.getSize() - 1);
        text.setString(shown + ellipsis);
    }
}

// Puts the text at x with its capital letters centred on the row's middle,
// so that every row shares one baseline whatever letters it holds.
void PlaceInk(sf::Text& text, float x, float middle) {
    const sf::Text capital("H", *text.getFont(), text.getCharacterSize());
    const sf::FloatRect cap = capital.getLocalBounds();
    text.setPosition(std::round(x - text.getLocalBounds().left),
                     std::round(middle - cap.top - cap.height / 2.f));
}

} // namespace

void AlertList::init(const sf::Font* newFont, const sf::Texture* newAtlas) {
    font = newFont;
    atlas = newAtlas;
}

void AlertList::place(float newRight, float newTop, float newMessagesBottom) {
    if (newRight == right && newTop == top && newMessagesBottom == messagesBottom)
        return;
    right = newRight;
    top = newTop;
    messagesBottom = newMessagesBottom;
    // The rows' shapes were made for the old place.
    laidOutRevision = ~0u;
}

float AlertList::left() const {
    return right - Width + EdgeOverhang;
}

void AlertList::update(Level& level, float gameMinutes, float realSeconds) {
    for (const LevelEvent& event : level.getEvents().drain())
        messages.add(event);
    messages.advance(realSeconds);
    board.update(level, gameMinutes, realSeconds);
}

sf::FloatRect AlertList::rowBounds(std::size_t row) const {
    return {left(), top + Padding + static_cast<float>(row) * RowHeight, Width - EdgeOverhang,
            RowHeight};
}

int AlertList::rowAt(int x, int y) const {
    const std::size_t rows = board.getAlerts().size();
    for (std::size_t row = 0; row < rows; ++row)
        if (rowBounds(row).contains(static_cast<float>(x), static_cast<float>(y)))
            return static_cast<int>(row);
    return -1;
}

bool AlertList::isOver(int x, int y) const {
    const std::size_t rows = board.getAlerts().size();
    if (rows == 0)
        return false;
    // The panel's padding belongs to it too: a click there is no click on the world.
    const sf::FloatRect panel(left(), top, Width, 2.f * Padding + rows * RowHeight);
    return panel.contains(static_cast<float>(x), static_cast<float>(y));
}

bool AlertList::click(int x, int y, sf::Vector2i& cell) {
    const int row = rowAt(x, y);
    if (row < 0)
        return false;
    return board.nextPlace(board.getAlerts()[static_cast<std::size_t>(row)].kind, cell);
}

std::string AlertList::getTooltipText(int x, int y) const {
    const int row = rowAt(x, y);
    if (row < 0)
        return std::string();
    const Alert& alert = board.getAlerts()[static_cast<std::size_t>(row)];
    std::ostringstream text;
    text << alert.text;
    const std::size_t places = alert.places.size();
    const std::size_t shown = board.lastShown(alert.kind);
    if (places == 1)
        text << "\nKlicken zeigt die Stelle.";
    else if (places > 1 && shown == 0)
        text << "\n" << places << " Stellen: Klicken zeigt die erste.";
    else if (places > 1)
        text << "\nStelle " << shown << " von " << places << ": Klicken zeigt die nächste.";
    return text.str();
}

void AlertList::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (font == nullptr)
        return;
    drawRows(target, states);
    drawMessages(target, states);
}

void AlertList::drawRows(sf::RenderTarget& target, sf::RenderStates states) const {
    if (board.getRevision() != laidOutRevision)
        layOutRows();
    if (rowParts.empty())
        return;
    target.draw(panel, states);
    for (const RowParts& parts : rowParts) {
        target.draw(parts.line, states);
        target.draw(parts.icon, states);
        target.draw(parts.badge, states);
        target.draw(parts.count, states);
        target.draw(parts.label, states);
    }
}

// Made again only when the alerts were found anew, a few times a second at
// most: cutting a long text to its row measures it once per letter.
void AlertList::layOutRows() const {
    const std::vector<Alert>& alerts = board.getAlerts();
    laidOutRevision = board.getRevision();
    rowParts.assign(alerts.size(), RowParts());
    drawnRows.assign(alerts.size(), DrawnRow());
    panel.setCornersRadius(10.f);
    panel.setCornerPointCount(10);
    panel.setSize({Width, 2.f * Padding + static_cast<float>(alerts.size()) * RowHeight});
    panel.setPosition(left(), top);
    panel.setFillColor(sf::Color::White);
    panel.setOutlineColor(sf::Color::Black);
    panel.setOutlineThickness(1.f);

    for (std::size_t row = 0; row < alerts.size(); ++row) {
        const Alert& alert = alerts[row];
        RowParts& parts = rowParts[row];
        DrawnRow& drawn = drawnRows[row];
        const sf::FloatRect bounds = rowBounds(row);
        const float middle = bounds.top + RowHeight / 2.f;
        if (row > 0) {
            parts.line.setSize({bounds.width - 2.f * Padding, 1.f});
            parts.line.setPosition(bounds.left + Padding, bounds.top);
            parts.line.setFillColor(RowLine);
        }
        if (atlas != nullptr) {
            const sf::IntRect picture =
                GameParams::Graphics::GetAlertIconTexture(static_cast<int>(alert.kind));
            parts.icon.setTexture(*atlas);
            parts.icon.setTextureRect(picture);
            parts.icon.setScale(IconSize / static_cast<float>(picture.width),
                                IconSize / static_cast<float>(picture.height));
            parts.icon.setPosition(bounds.left + Padding + 2.f,
                                   std::round(middle - IconSize / 2.f));
            drawn.icon = parts.icon.getGlobalBounds();
        }

        parts.count = MakeText(*font, std::to_string(alert.count()), CountSize, sf::Color::White);
        const float countWidth = parts.count.getLocalBounds().width;
        const float badgeWidth = std::max(22.f, countWidth + 12.f);
        const float badgeRight = bounds.left + bounds.width - Padding;
        parts.badge.setSize({badgeWidth, 18.f});
        parts.badge.setCornersRadius(9.f);
        parts.badge.setCornerPointCount(6);
        parts.badge.setFillColor(BadgeRed);
        parts.badge.setPosition(std::round(badgeRight - badgeWidth), std::round(middle - 9.f));
        PlaceInk(parts.count, std::round(badgeRight - badgeWidth / 2.f - countWidth / 2.f), middle);
        drawn.count = parts.badge.getGlobalBounds();

        const float textLeft = bounds.left + Padding + 2.f + IconSize + Gap;
        parts.label = MakeText(*font, alert.text, TextSize, sf::Color::Black);
        FitWidth(parts.label, badgeRight - badgeWidth - Gap - textLeft);
        PlaceInk(parts.label, textLeft, middle);
        drawn.label = parts.label.getGlobalBounds();
        drawn.text = parts.label.getString();
    }
}

void AlertList::drawMessages(sf::RenderTarget& target, sf::RenderStates states) const {
    const auto& shown = messages.getMessages();
    drawnMessages.assign(shown.size(), sf::FloatRect());
    std::size_t index = shown.size();
    float bottom = messagesBottom;
    // The newest at the bottom, the older ones above it.
    for (auto message = shown.rbegin(); message != shown.rend(); ++message) {
        const auto alpha = static_cast<sf::Uint8>(255.f * message->opacity());
        sf::Text text = MakeText(*font, message->text(), TextSize, sf::Color(0, 0, 0, alpha));
        const float width = text.getLocalBounds().width + 2.f * Gap;
        sf::RoundedRectangleShape box;
        box.setSize({width, MessageHeight - 4.f});
        box.setCornersRadius(5.f);
        box.setCornerPointCount(6);
        box.setFillColor(sf::Color(255, 255, 236, alpha));
        box.setOutlineColor(sf::Color(0, 0, 0, alpha));
        box.setOutlineThickness(1.f);
        const float left = std::round(right - Padding - width);
        const float boxTop = std::round(bottom - MessageHeight + 2.f);
        box.setPosition(left, boxTop);
        target.draw(box, states);
        drawnMessages[--index] = box.getGlobalBounds();
        PlaceInk(text, left + Gap, boxTop + (MessageHeight - 4.f) / 2.f);
        target.draw(text, states);
        bottom -= MessageHeight;
    }
}
