// How the truck looks: body and tyres under its transform, the driver in the
// cab or beside the parked truck, and the goods it is busy with as icons.

#include "actors/Truck.hpp"

#include "actors/Employee.hpp"
#include "actors/TruckLogistics.hpp"
#include "params/Graphics.hpp"

#include <set>

namespace {

// Icons are half a cell wide, in a row just above the body.
constexpr float IconScale = 0.5f;
constexpr float IconGap = 4.f;
// Goods still to collect are shown paler than goods still to unload.
const sf::Color CollectTint(255, 255, 255, 140);

void AddIcon(sf::VertexArray& quads, const sf::IntRect& rect, sf::Vector2f at, float size,
             sf::Color tint) {
    const float l = static_cast<float>(rect.left);
    const float t = static_cast<float>(rect.top);
    const float w = static_cast<float>(rect.width);
    const float h = static_cast<float>(rect.height);
    quads.append(sf::Vertex(at, tint, {l, t}));
    quads.append(sf::Vertex({at.x + size, at.y}, tint, {l + w, t}));
    quads.append(sf::Vertex({at.x + size, at.y + size}, tint, {l + w, t + h}));
    quads.append(sf::Vertex({at.x, at.y + size}, tint, {l, t + h}));
}

} // namespace

void Truck::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    sf::RenderStates own = states;
    own.transform *= getTransform();
    own.texture = texture;
    target.draw(bodyQuad, own);
    for (const sf::Sprite& tyre : tyres) {
        target.draw(tyre, own);
    }
    // The driver keeps its own world position: in the cab it follows the
    // truck, while parked it walks the site.
    if (driver) {
        target.draw(*driver, states);
    }
}

void Truck::drawCargoDisplay(sf::RenderTarget& target, sf::RenderStates states) const {
    if (logistics == nullptr) {
        return;
    }
    // One icon per kind of goods, in item order: what the truck brings
    // first, then what it is to take away.
    std::set<ItemType> unloading;
    std::queue<ItemType> deliveries = logistics->getDeliveryItems();
    for (; !deliveries.empty(); deliveries.pop()) {
        unloading.insert(deliveries.front());
    }
    const float size = tileSize() * IconScale;
    sf::VertexArray quads(sf::Quads);
    sf::Vector2f at(0.f, -size - IconGap);
    for (ItemType type : unloading) {
        AddIcon(quads, GameParams::Graphics::GetTexture(type), at, size, sf::Color::White);
        at.x += size + IconGap;
    }
    for (const auto& [type, amount] : logistics->getPickUpItemAmounts()) {
        if (amount > 0) {
            AddIcon(quads, GameParams::Graphics::GetTexture(type), at, size, CollectTint);
            at.x += size + IconGap;
        }
    }
    if (quads.getVertexCount() == 0) {
        return;
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(quads, states);
}
