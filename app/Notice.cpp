#include "app/Notice.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned CharacterSize = 18;
constexpr float ShortSeconds = 3.f;
// Long enough to be read even when it came while the player looked away.
constexpr float ProblemSeconds = 12.f;
constexpr float FadeSeconds = 1.f;
constexpr float PaddingX = 12.f;
constexpr float PaddingY = 6.f;
const sf::Color PlainColour(255, 255, 255);
const sf::Color ProblemColour(255, 110, 100);
const sf::Color BackgroundColour(0, 0, 0, 170);

sf::Color Faded(sf::Color colour, float share) {
    colour.a = static_cast<sf::Uint8>(std::round(colour.a * share));
    return colour;
}

} // namespace

void Notice::setFont(const sf::Font& font) {
    text.setFont(font);
    text.setCharacterSize(CharacterSize);
}

void Notice::show(const std::string& utf8, bool isProblem) {
    text.setString(sf::String::fromUtf8(utf8.begin(), utf8.end()));
    problem = isProblem;
    lifetime = problem ? ProblemSeconds : ShortSeconds;
    shownFor.restart();
    place();
}

void Notice::placeAt(float x, float y) {
    centreX = x;
    top = y;
    place();
}

void Notice::place() {
    const sf::FloatRect ink = text.getLocalBounds();
    text.setPosition(std::round(centreX - ink.width / 2.f - ink.left),
                     std::round(top + PaddingY - ink.top));
}

float Notice::remainingSeconds() const {
    return lifetime - shownFor.getElapsedTime().asSeconds();
}

bool Notice::isShown() const {
    return !text.getString().isEmpty() && remainingSeconds() > 0.f;
}

std::string Notice::getText() const {
    const auto utf8 = text.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void Notice::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isShown())
        return;
    const float share = std::clamp(remainingSeconds() / FadeSeconds, 0.f, 1.f);
    const sf::FloatRect ink = text.getGlobalBounds();
    sf::RectangleShape background(
        sf::Vector2f(ink.width + 2.f * PaddingX, ink.height + 2.f * PaddingY));
    background.setPosition(std::round(ink.left - PaddingX), std::round(ink.top - PaddingY));
    background.setFillColor(Faded(BackgroundColour, share));
    target.draw(background, states);
    sf::Text shown = text;
    shown.setFillColor(Faded(problem ? ProblemColour : PlainColour, share));
    target.draw(shown, states);
}
