#include "ui/MenuEmployeeSelectorPortrait.hpp"

#include "params/Graphics.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Facing the player: the sprite direction of someone walking down the map.
constexpr int FacingThePlayer = 3;

} // namespace

MenuEmployeeSelectorPortrait::MenuEmployeeSelectorPortrait(float width, float height)
    : MenuSpacer(nullptr, width, height) {
    backdrop.setFillColor(backdropFill);
    backdrop.setOutlineColor(backdropOutline);
    backdrop.setOutlineThickness(-1.f);
    setSize(width, height);
}

void MenuEmployeeSelectorPortrait::setLooks(const std::array<sf::Color, 4>& colours) {
    layers = GameParams::Graphics::GetEmployeeTextureQuads(FacingThePlayer, colours[0], colours[1],
                                                           colours[2], colours[3]);
    placeFigure();
}

void MenuEmployeeSelectorPortrait::clearLooks() {
    layers.clear();
    figure.clear();
}

void MenuEmployeeSelectorPortrait::setSize(float newWidth, float newHeight) {
    MenuSpacer::setSize(newWidth, newHeight);
    backdrop.setSize(getSize());
    placeFigure();
}

void MenuEmployeeSelectorPortrait::placeFigure() {
    figure = layers;
    if (layers.getVertexCount() == 0)
        return;
    const sf::FloatRect bounds = layers.getBounds();
    const sf::Vector2f box = getSize() - sf::Vector2f(2.f * margin, 2.f * margin);
    if (bounds.width <= 0.f || bounds.height <= 0.f || box.x <= 0.f || box.y <= 0.f) {
        figure.clear();
        return;
    }
    // Whole multiples of half the atlas size keep the pixel art even.
    float scale = std::min(box.x / bounds.width, box.y / bounds.height);
    if (scale >= 0.5f)
        scale = std::floor(scale * 2.f) / 2.f;
    const sf::Vector2f drawn(bounds.width * scale, bounds.height * scale);
    const sf::Vector2f corner(std::round((getSize().x - drawn.x) / 2.f),
                              std::round((getSize().y - drawn.y) / 2.f));
    for (std::size_t i = 0; i < figure.getVertexCount(); ++i) {
        const sf::Vector2f local = layers[i].position - sf::Vector2f(bounds.left, bounds.top);
        figure[i].position = corner + local * scale;
    }
}

void MenuEmployeeSelectorPortrait::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!isVisible() || figure.getVertexCount() == 0)
        return;
    states.transform *= getTransform();
    sf::RenderStates plain = states;
    plain.texture = nullptr;
    target.draw(backdrop, plain);
    // The menu hands its atlas down; the figure's layers come out of it.
    target.draw(figure, states);
}
