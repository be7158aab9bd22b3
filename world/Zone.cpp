#include "world/Zone.hpp"

#include "params/Graphics.hpp"
#include "params/Invariant.hpp"
#include "params/ItemTypes.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

// The label is 10 pixels high on 32-pixel tiles and grows with the tile size.
constexpr unsigned LabelSizePer32Pixels = 10;
// Zoomed out the label grows with the zoom, so that it stays this many
// screen pixels high and readable; the digit still fits the smallest cell.
constexpr float LabelScreenPixels = 13.f;
// Its white rim, in screen pixels, keeps it readable over any item.
constexpr float LabelRimScreenPixels = 1.f;

bool IsStorageKind(ZoneType type) {
    return type == ZoneStorage || type == ZoneGoodsIn || type == ZoneGoodsOut;
}

} // namespace

Zone::Zone() : itemQuad(sf::Quads) {}

Zone::~Zone() = default;

bool Zone::holdsRealType() const {
    return storedType != ItemNone && storedType != ItemInvalid;
}

void Zone::set(sf::Texture* atlas, Level* owner, const sf::Font* font, ZoneType zoneType,
               float rotation, int column, int row) {
    level = owner;
    setUpLabel(font);
    if (zoneType != type && level != nullptr) {
        changeKind(zoneType);
    }
    type = zoneType;
    isStorage = IsStorageKind(zoneType);
    placeOnCell(atlas, GameParams::Graphics::GetTexture(zoneType), column, row, rotation);
    rebuildItemQuad();
    rebuildLabel();
}

void Zone::changeKind(ZoneType zoneType) {
    if (holdsRealType()) {
        // Level::setZone moves the goods off first or refuses the change.
        GameParams::InvariantBroken("Zone::changeKind() - Zone mit Waren umgewidmet!");
        return;
    }
    // Only an empty storage cell is a free slot; goods cells are none.
    if (type == ZoneStorage) {
        level->removeStoreable(ItemNone, 1);
    }
    if (zoneType == ZoneStorage) {
        level->addStoreable(ItemNone, 1);
    }
}

bool Zone::canStore(ItemType itemType, unsigned amount) const {
    if (!isStorage || itemType == ItemNone || itemType == ItemInvalid) {
        return false;
    }
    if ((storedType != ItemNone && storedType != itemType) || amount == 0) {
        return false;
    }
    if (capacity != 0) {
        return capacity - amountInDelivery - storedAmount >= amount;
    }
    return GameParams::GetItemsPerZoneCell(itemType) >= amount;
}

bool Zone::setItemInDelivery(ItemType itemType, unsigned& amount) {
    if (!canStore(itemType, amount)) {
        return false;
    }
    const unsigned slots = GameParams::GetItemsPerZoneCell(itemType);
    if (storedAmount + amountInDelivery >= slots) {
        return false;
    }
    if (storedType == ItemNone) {
        storedType = itemType;
        capacity = slots;
        if (isKind(ZoneStorage)) {
            // The cell stops being an empty slot and becomes places for this type.
            level->removeStoreable(ItemNone, 1);
            level->addStoreable(itemType, slots);
        }
        storedAmount = 0;
    }
    const unsigned room = capacity - storedAmount - amountInDelivery;
    const unsigned accepted = room < amount ? room : amount;
    amount -= accepted;
    amountInDelivery += accepted;
    if (isKind(ZoneStorage)) {
        level->removeStoreable(storedType, accepted);
    } else if (isKind(ZoneGoodsOut)) {
        level->shippingUnprepared(storedType);
    }
    return true;
}

bool Zone::cancelDelivery(ItemType itemType) {
    if (itemType != storedType || amountInDelivery == 0) {
        return false;
    }
    --amountInDelivery;
    if (isKind(ZoneStorage)) {
        level->addStoreable(storedType, 1);
    } else if (isKind(ZoneGoodsOut)) {
        level->shippingPrepared(storedType);
    }
    releaseTypeIfEmpty();
    return true;
}

void Zone::releaseTypeIfEmpty() {
    if (storedAmount != 0 || amountInDelivery != 0) {
        return;
    }
    if (isKind(ZoneStorage)) {
        level->removeStoreable(storedType, capacity);
        level->addStoreable(ItemNone, 1);
    }
    storedType = ItemNone;
    capacity = 0;
    rebuildItemQuad();
}

bool Zone::deliverItem(std::unique_ptr<Item>&& item, unsigned& amount) {
    if (!isStorage || !item) {
        return false;
    }
    const ItemType itemType = item->getType();
    if (itemType == ItemNone || itemType == ItemInvalid) {
        return false;
    }
    if (storedType != ItemNone && storedType != itemType) {
        return false;
    }
    // Only an announced unit may arrive, else the counts would run below zero.
    if (amount != 1 || amountInDelivery < amount) {
        return false;
    }
    amountInDelivery -= amount;
    storedAmount += amount;
    storedItems.push_back(std::move(item));
    if (storedAmount == amount) {
        rebuildItemQuad();
    }
    rebuildLabel();
    if (isKind(ZoneStorage)) {
        level->addStored(itemType, amount);
    } else if (isKind(ZoneGoodsOut)) {
        level->readyForShippingAdded(itemType);
    }
    amount = 0;
    return true;
}

bool Zone::setItemInRetrieval(ItemType itemType, unsigned& amount) {
    if (!holdsRealType() || storedType != itemType) {
        return false;
    }
    if (storedAmount - amountInRetrieval < amount) {
        return false;
    }
    amountInRetrieval += amount;
    if (isKind(ZoneStorage)) {
        level->removeStored(itemType, amount);
    }
    amount = 0;
    return true;
}

bool Zone::cancelRetrieval(ItemType itemType) {
    if (!holdsRealType() || storedType != itemType || amountInRetrieval == 0) {
        return false;
    }
    --amountInRetrieval;
    if (isKind(ZoneStorage)) {
        level->addStored(itemType, 1);
    }
    return true;
}

std::unique_ptr<Item> Zone::retrieveItem(ItemType itemType, unsigned& amount) {
    if (itemType != storedType || amount == 0 || storedAmount < amount) {
        return nullptr;
    }
    // One item is returned, and only one that was promised to the caller.
    if (amount != 1 || amountInRetrieval < amount || storedItems.empty()) {
        return nullptr;
    }
    amountInRetrieval -= amount;
    storedAmount -= amount;
    std::unique_ptr<Item> item = std::move(storedItems.back());
    storedItems.pop_back();
    if (isKind(ZoneStorage)) {
        // The place is free again for this type until the type is released.
        level->addStoreable(itemType, amount);
    } else if (isKind(ZoneGoodsOut)) {
        level->readyForShippingTaken(itemType);
    }
    releaseTypeIfEmpty();
    amount = 0;
    rebuildLabel();
    return item;
}

void Zone::setUpLabel(const sf::Font* font) {
    label = sf::Text();
    if (font != nullptr) {
        label.setFont(*font);
    }
    const int tileSize = GameParams::Graphics::GetSize().x;
    label.setCharacterSize(LabelSizePer32Pixels * static_cast<unsigned>(tileSize / 32));
    label.setFillColor(sf::Color::Black);
    label.setOutlineColor(sf::Color::White);
    labelPlaced = false;
    labelZoom = 0.f;
}

void Zone::rebuildItemQuad() {
    itemQuad.clear();
    if (!holdsRealType()) {
        return;
    }
    const sf::Vector2i tile = GameParams::Graphics::GetSize();
    const float w = static_cast<float>(tile.x);
    const float h = static_cast<float>(tile.y);
    const sf::IntRect rect = GameParams::Graphics::GetTexture(storedType);
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = left + static_cast<float>(rect.width);
    const float bottom = top + static_cast<float>(rect.height);
    itemQuad.append(sf::Vertex({0.f, 0.f}, {left, top}));
    itemQuad.append(sf::Vertex({w, 0.f}, {right, top}));
    itemQuad.append(sf::Vertex({w, h}, {right, bottom}));
    itemQuad.append(sf::Vertex({0.f, h}, {left, bottom}));
}

void Zone::rebuildLabel() {
    label.setString(std::to_string(storedAmount));
    labelPlaced = false;
}

void Zone::placeLabel() const {
    if (labelPlaced) {
        return;
    }
    const sf::Vector2i tile = GameParams::Graphics::GetSize();
    const sf::FloatRect bounds = label.getLocalBounds();
    label.setPosition(static_cast<float>(tile.x) - labelMarginX - (bounds.left + bounds.width),
                      static_cast<float>(tile.y) - labelMarginY - (bounds.top + bounds.height));
    labelPlaced = true;
}

void Zone::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    TileRenderer::draw(target, states);
    drawContents(target, states);
}

void Zone::drawContents(sf::RenderTarget& target, sf::RenderStates states) const {
    // A cell whose goods are only announced is still empty to the eye.
    if (!isStorage || !holdsRealType() || storedAmount == 0) {
        return;
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(itemQuad, states);
    if (label.getFont() != nullptr) {
        fitLabelToZoom(level != nullptr ? level->getZoom() : 1.f);
        placeLabel();
        target.draw(label, states);
    }
}

void Zone::fitLabelToZoom(float worldPixelsPerScreenPixel) const {
    if (worldPixelsPerScreenPixel == labelZoom) {
        return;
    }
    labelZoom = worldPixelsPerScreenPixel;
    const int tileSize = GameParams::Graphics::GetSize().x;
    const float smallest = static_cast<float>(LabelSizePer32Pixels * (tileSize / 32));
    const float size = std::max(smallest, LabelScreenPixels * worldPixelsPerScreenPixel);
    label.setCharacterSize(static_cast<unsigned>(std::round(size)));
    label.setOutlineThickness(std::max(1.f, LabelRimScreenPixels * worldPixelsPerScreenPixel));
    labelMarginX = labelMarginY = std::max(2.f, worldPixelsPerScreenPixel);
    labelPlaced = false;
}
