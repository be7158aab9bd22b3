#include "ui/MenuListboxProgressEntry.hpp"

#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

#include <algorithm>

namespace {

constexpr unsigned CaptionSize = 18;
constexpr unsigned DetailSize = 14;
constexpr float Padding = 8.f;
constexpr float BarWidth = 200.f;
constexpr float BarHeight = 12.f;
constexpr float FiguresGap = 10.f;
const sf::Color DescriptionColour(60, 60, 60);
const sf::Color BarColour(70, 160, 70);
const sf::Color BarBackColour(225, 225, 225);
const sf::Color SelectionFill(214, 230, 248);
const sf::Color SelectionEdge(0, 110, 180);
constexpr float SelectionEdgeWidth = 2.f;

std::string Utf8(const sf::Text& text) {
    const auto utf8 = text.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void SetUtf8(sf::Text& text, const std::string& value) {
    text.setString(sf::String::fromUtf8(value.begin(), value.end()));
}

// The text at x (its left edge, or its right edge when alignRight),
// centred on the row's middle y.
void PlaceInk(sf::Text& text, float x, float middle, bool alignRight) {
    // The line, not the ink, so captions with and without descenders share
    // one baseline.
    const sf::FloatRect bounds = TextMeasure::LineBounds(text);
    text.setOrigin(bounds.left + (alignRight ? bounds.width : 0.f),
                   std::round(bounds.top + bounds.height / 2.f));
    text.setPosition(x, middle);
}

} // namespace

MenuListboxProgressEntry::MenuListboxProgressEntry(MenuElement* parent, const sf::Font& font,
                                                   int tag)
    : MenuListboxEntry(parent, font), tag(tag) {
    for (sf::Text* text : {&caption, &state, &description, &figures}) {
        text->setFont(font);
        text->setCharacterSize(DetailSize);
        text->setFillColor(DescriptionColour);
    }
    caption.setCharacterSize(CaptionSize);
    caption.setFillColor(sf::Color::Black);
    selection.setFillColor(SelectionFill);
    selection.setOutlineColor(SelectionEdge);
    selection.setOutlineThickness(-SelectionEdgeWidth);
    barFrame.setFillColor(BarBackColour);
    barFrame.setOutlineColor(sf::Color(90, 90, 90));
    barFrame.setOutlineThickness(1.f);
    bar.setFillColor(BarColour);
}

std::string MenuListboxProgressEntry::getText() const {
    return Utf8(caption);
}

void MenuListboxProgressEntry::setText(const std::string& newText) {
    SetUtf8(caption, newText);
    place();
}

void MenuListboxProgressEntry::setDetails(const std::string& newState, sf::Color stateColour,
                                          const std::string& newDescription,
                                          const std::string& newFigures, float newFraction) {
    SetUtf8(state, newState);
    state.setFillColor(stateColour);
    SetUtf8(description, newDescription);
    SetUtf8(figures, newFigures);
    fraction = std::clamp(newFraction, 0.f, 1.f);
    place();
}

std::string MenuListboxProgressEntry::getState() const {
    return Utf8(state);
}

std::string MenuListboxProgressEntry::getDescription() const {
    return Utf8(description);
}

std::string MenuListboxProgressEntry::getFigures() const {
    return Utf8(figures);
}

void MenuListboxProgressEntry::setSize(float newWidth, float newHeight) {
    MenuListboxEntry::setSize(newWidth, newHeight);
    place();
}

void MenuListboxProgressEntry::place() {
    const sf::Vector2f box = getBoxSize();
    const float top = box.y * 0.3f;
    const float bottom = box.y * 0.72f;
    const float right = box.x - Padding;
    selection.setSize(box);
    PlaceInk(caption, Padding, top, false);
    PlaceInk(state, right, top, true);
    PlaceInk(description, Padding, bottom, false);
    const float barLeft = right - BarWidth;
    barFrame.setSize({BarWidth, BarHeight});
    barFrame.setPosition(barLeft, bottom - BarHeight / 2.f);
    bar.setSize({BarWidth * fraction, BarHeight});
    bar.setPosition(barFrame.getPosition());
    PlaceInk(figures, barLeft - FiguresGap, bottom, true);
}

void MenuListboxProgressEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawEntry(target, states);
    if (isSelected())
        target.draw(selection, states);
    target.draw(caption, states);
    target.draw(state, states);
    target.draw(description, states);
    target.draw(barFrame, states);
    target.draw(bar, states);
    target.draw(figures, states);
}
