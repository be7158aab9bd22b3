#include "ui/MenuButton.hpp"

#include "ui/MenuButtonKind.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>
#include <cstring>

const sf::Color MenuButton::NormalColor(255, 255, 255);
const sf::Color MenuButton::HoverColor(200, 200, 200);
const sf::Color MenuButton::PressedColor(100, 100, 100);
const sf::Color MenuButton::ChosenColor(150, 190, 235);

namespace {

constexpr unsigned CaptionSize = 20;
constexpr float CornerRadius = 10.f;
constexpr unsigned CornerPoints = 10;

} // namespace

MenuButton::MenuButton(MenuElement* parent, Game* game, const sf::Font& font, int kind)
    : game(game) {
    setParent(parent);
    caption.setFont(font);
    setKind(kind);
}

void MenuButton::setKind(int newKind) {
    kind = newKind;
    const MenuButtonKindInfo& info = GetButtonKindInfo(newKind);
    caption.setString(sf::String::fromUtf8(info.caption, info.caption + std::strlen(info.caption)));
    const MenuAction action = info.action;
    // Looked up when clicked, so the game may bind its actions after the
    // dialogs are built.
    callback = [action](Game* g) { MenuBindings::Run(action, g); };

    background.setOrigin(0.f, 0.f);
    background.setFillColor(NormalColor);
    background.setOutlineColor(sf::Color::Black);
    background.setOutlineThickness(1.f);
    background.setCornersRadius(CornerRadius);
    background.setCornerPointCount(CornerPoints);
    caption.setCharacterSize(CaptionSize);
    caption.setFillColor(sf::Color::Black);
    caption.setOutlineColor(sf::Color::White);
    caption.setOutlineThickness(0.f);
    fitToText();
}

void MenuButton::setCallback(MenuCallback newCallback) {
    callback = newCallback ? std::move(newCallback) : [](Game*) {};
}

void MenuButton::activate(Game* actionGame) {
    if (clickDisabled || !callback)
        return;
    const MenuCallback action = callback;
    action(actionGame != nullptr ? actionGame : game);
}

void MenuButton::fitToText() {
    const sf::FloatRect bounds = TextMeasure::Bounds(caption);
    width = 2.f * paddingX + bounds.width;
    height = 2.f * paddingY + bounds.height;
    background.setSize(sf::Vector2f(width, height));
    placeCaption();
}

void MenuButton::placeCaption() {
    // Centred across, and on the line's baseline down: the buttons of a row
    // read on one line, "Übernehmen" beside "Abbrechen" too.
    const sf::FloatRect ink = TextMeasure::Bounds(caption);
    const sf::FloatRect line = TextMeasure::LineBounds(caption);
    caption.setOrigin(ink.left, line.top);
    caption.setPosition(std::round((width - ink.width) / 2.f),
                        std::round((height - line.height) / 2.f));
}

std::string MenuButton::getCaption() const {
    const auto utf8 = caption.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void MenuButton::setCaption(const std::string& text) {
    caption.setString(sf::String::fromUtf8(text.begin(), text.end()));
    fitToText();
}

void MenuButton::setChosen(bool isChosen) {
    chosen = isChosen;
    background.setOutlineThickness(chosen ? 2.f : 1.f);
    if (!hovered && !pressed)
        background.setFillColor(restingColor());
}

void MenuButton::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    background.setSize(sf::Vector2f(width, height));
    placeCaption();
}

void MenuButton::onMousePressed(Game*) {
    if (clickDisabled)
        return;
    background.setFillColor(PressedColor);
    pressed = true;
}

void MenuButton::onMouseReleased(Game* walkGame) {
    if (clickDisabled)
        return;
    background.setFillColor(HoverColor);
    const bool wasPressed = pressed;
    pressed = false;
    // The action may clear this button's menu; the menu keeps the button
    // alive until its walk returns, and nothing of it is touched afterwards.
    if (wasPressed && callback) {
        const MenuCallback action = callback;
        action(walkGame != nullptr ? walkGame : game);
    }
}

void MenuButton::onHoverEnter() {
    if (hoverDisabled)
        return;
    background.setFillColor(HoverColor);
    hovered = true;
}

void MenuButton::onHoverLeave() {
    if (hoverDisabled)
        return;
    background.setFillColor(restingColor());
    hovered = false;
}

void MenuButton::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(background, states);
    target.draw(caption, states);
}
