#include "ui/MenuListboxEntry.hpp"

#include "ui/MenuElementContainer.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Clock.hpp>

#include <cmath>
#include <optional>

const sf::Color MenuListboxEntry::NormalColor(255, 255, 255);
const sf::Color MenuListboxEntry::HoverColor(200, 200, 200);
// Light enough for black text to read on it, and unlike the hover grey.
const sf::Color MenuListboxEntry::SelectedColor(150, 190, 235);

namespace {

constexpr unsigned CharacterSize = 20;

struct PressHistory {
    MenuListboxEntry::PressClock clock;
    // Empty until the first press: the first press of a session is never a
    // double click, however soon after start-up it comes.
    std::optional<sf::Time> lastPress;
};

PressHistory& pressHistory() {
    static PressHistory history;
    return history;
}

sf::Time now() {
    static const sf::Clock realClock;
    const PressHistory& history = pressHistory();
    return history.clock ? history.clock() : realClock.getElapsedTime();
}

} // namespace

MenuListboxEntry::MenuListboxEntry(MenuElement* parent, const sf::Font& font) : font(font) {
    setParent(parent);
    text.setFont(font);
    text.setCharacterSize(CharacterSize);
    text.setFillColor(sf::Color::Black);
    background.setFillColor(NormalColor);
    background.setOutlineThickness(0.f);
}

std::string MenuListboxEntry::getText() const {
    const auto utf8 = text.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void MenuListboxEntry::setText(const std::string& newText) {
    text.setString(sf::String::fromUtf8(newText.begin(), newText.end()));
    placeText();
}

void MenuListboxEntry::placeText() {
    const float x = textStart();
    // On the line's baseline, so that names in a column line up.
    const sf::FloatRect ink = TextMeasure::Bounds(text);
    const sf::FloatRect line = TextMeasure::LineBounds(text);
    text.setOrigin(ink.left, line.top);
    text.setPosition(x, std::round((background.getSize().y - line.height) / 2.f));
}

sf::Vector2f MenuListboxEntry::getSize() const {
    return visible ? background.getSize() : sf::Vector2f(0.f, 0.f);
}

void MenuListboxEntry::setSize(float newWidth, float newHeight) {
    background.setSize(sf::Vector2f(newWidth, newHeight));
    placeText();
}

void MenuListboxEntry::onHoverEnter() {
    if (hoverDisabled || hovered)
        return;
    hovered = true;
    if (!focused)
        background.setFillColor(HoverColor);
}

void MenuListboxEntry::onHoverLeave() {
    if (hoverDisabled)
        return;
    hovered = false;
    if (!focused)
        background.setFillColor(NormalColor);
}

void MenuListboxEntry::onFocusGained() {
    if (focusDisabled || focused)
        return;
    focused = true;
    background.setFillColor(SelectedColor);
}

void MenuListboxEntry::onFocusLost() {
    if (focusDisabled || !focused)
        return;
    focused = false;
    background.setFillColor(hovered ? HoverColor : NormalColor);
}

void MenuListboxEntry::onMousePressed(Game*) {
    if (clickDisabled)
        return;
    PressHistory& history = pressHistory();
    const sf::Time pressTime = now();
    const bool doubleClick = history.lastPress.has_value() &&
                             (pressTime - *history.lastPress).asSeconds() <= DoubleClickSeconds;
    history.lastPress = pressTime;
    // Last, as the list may run an action that clears the dialog.
    auto* list = dynamic_cast<MenuElementContainer*>(getParent());
    if (doubleClick && list != nullptr)
        list->onElementEvent(MenuEventType::DoubleClicked, this);
}

void MenuListboxEntry::onMouseReleased(Game*) {}

void MenuListboxEntry::SetPressClock(PressClock clock) {
    pressHistory().clock = std::move(clock);
    ForgetLastPress();
}

void MenuListboxEntry::ForgetLastPress() {
    pressHistory().lastPress.reset();
}

void MenuListboxEntry::drawEntry(sf::RenderTarget& target, const sf::RenderStates& states) const {
    target.draw(background, states);
    target.draw(text, states);
}

void MenuListboxEntry::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    drawEntry(target, states);
}
