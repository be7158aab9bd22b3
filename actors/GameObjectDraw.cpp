#include "actors/GameObject.hpp"

#include "params/Graphics.hpp"
#include "params/Texts.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

const sf::Color RunningColour(255, 255, 0, 255);
const sf::Color DoneColour(0, 255, 0, 255);
const sf::Color IconBackdropColour(0, 0, 0, 128);
// The icon fills the lower right corner from this fraction of the tile on.
constexpr float IconStart = 0.6f;
// The bar lies along the bottom tenth of the tile.
constexpr float BarTop = 0.9f;
constexpr float BarHeight = 0.1f;

} // namespace

void GameObject::rebuildProductIcon() {
    productIcon.clear();
    productIcon.setPrimitiveType(sf::Quads);
    if (currentRecipe.resultingItems.empty()) {
        return;
    }
    const float tile = static_cast<float>(size.x);
    const float from = IconStart * tile;
    const sf::Vector2f corners[4] = {{from, from}, {tile, from}, {tile, tile}, {from, tile}};
    for (const sf::Vector2f& corner : corners) {
        productIcon.append(sf::Vertex(corner, IconBackdropColour));
    }
    const sf::IntRect rect =
        GameParams::Graphics::GetTexture(currentRecipe.resultingItems.begin()->first);
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = left + static_cast<float>(rect.width);
    const float bottom = top + static_cast<float>(rect.height);
    const sf::Vector2f texCoords[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    for (int i = 0; i < 4; ++i) {
        productIcon.append(sf::Vertex(corners[i], texCoords[i]));
    }
}

void GameObject::rebuildProgressBar() {
    const float tile = static_cast<float>(size.x);
    const bool outputWaits = !producedItemOutput.empty();
    progressBar.setPosition(0.f, BarTop * tile);
    if (!productionActive && !outputWaits) {
        progressBar.setSize({0.f, BarHeight * tile});
        progressBar.setFillColor(sf::Color::Transparent);
        return;
    }
    float fraction = 1.f;
    const float duration = productionDuration();
    if (!outputWaits && duration > 0.f) {
        fraction = std::clamp(currentProductionDuration / duration, 0.f, 1.f);
    }
    progressBar.setSize({fraction * tile, BarHeight * tile});
    progressBar.setFillColor(fraction < 1.f ? RunningColour : DoneColour);
}

void GameObject::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    TileRenderer::draw(target, states);
    if (!isVisible()) {
        return;
    }
    // Icon and bar keep to the lower edge of the cell however the object is turned.
    states.transform.translate(getPosition() - getOrigin());
    states.texture = nullptr;
    if (productIcon.getVertexCount() >= 8) {
        target.draw(&productIcon[0], 4, sf::Quads, states);
        sf::RenderStates sprite = states;
        sprite.texture = texture;
        target.draw(&productIcon[4], 4, sf::Quads, sprite);
    }
    if (progressBar.getFillColor().a > 0) {
        target.draw(progressBar, states);
    }
}

std::string GameObject::getInfo() const {
    std::ostringstream text;
    text << "Typ: " << GameParams::Texts::GetObjectTypeName(objType);
    const std::string status = getStatusText();
    if (!status.empty()) {
        text << "\n" << status;
    }
    if (!producer) {
        return text.str();
    }
    std::string recipe = GameParams::Texts::GetRecipeDescription(
        currentRecipe.ingredients, currentRecipe.resultingItems, currentRecipe.duration);
    if (recipe.empty() || recipe.back() != '\n') {
        recipe += '\n';
    }
    text << "\n\nProduktion aktiv: " << (productionActive ? "Ja" : "Nein") << "\n\n"
         << "Aktuelle Produktion:\n"
         << recipe << "\n"
         << "Fortschritt: ";
    if (currentRecipe.isValid()) {
        // Whole minutes: the fraction of a minute means nothing to the player.
        text << static_cast<int>(std::floor(currentProductionDuration)) << " / "
             << static_cast<int>(std::round(productionDuration())) << " min";
    } else {
        text << "keine Produktion";
    }
    text << "\n\n"
         << "Wareneingang:\n"
         << GameParams::Texts::GetItemListDescription(ingredientInput) << "\n\n"
         << "Warenausgang:\n"
         << GameParams::Texts::GetItemListDescription(producedItemOutput);
    return text.str();
}
