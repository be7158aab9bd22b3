#pragma once

#include "actors/Item.hpp"
#include "params/Enums.hpp"
#include "world/TileRenderer.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <istream>
#include <memory>
#include <ostream>
#include <vector>

class Level;

// The purpose of one floor cell. The storage kinds (storage, goods-in,
// goods-out) hold up to a cell's worth of items of one type and keep the
// level's item-count tables in step with every booking: announced deliveries,
// arrivals, items promised to a carrier and items taken.
//
// Amounts are passed by reference: a booking reduces the caller's amount by
// what it took, so the caller sees what is left to place.
class Zone : public TileRenderer {
public:
    Zone();
    ~Zone() override;
    Zone(const Zone&) = delete;
    Zone& operator=(const Zone&) = delete;

    // Called for every refresh of the cell. A cell changes its kind only
    // empty: Level::setZone moves the goods off first.
    void set(sf::Texture* atlas, Level* owner, const sf::Font* font, ZoneType zoneType,
             float rotation, int column, int row);

    bool canStore(ItemType itemType, unsigned amount) const;
    bool setItemInDelivery(ItemType itemType, unsigned& amount);
    bool cancelDelivery(ItemType itemType);
    // One item is one unit: amount must be 1, announced before. On success the
    // zone owns the item; on failure the caller keeps it.
    bool deliverItem(std::unique_ptr<Item>&& item, unsigned& amount);
    bool setItemInRetrieval(ItemType itemType, unsigned& amount);
    // Takes back one promise of setItemInRetrieval: a carrier gave up.
    bool cancelRetrieval(ItemType itemType);
    // Takes one promised item out (amount must be 1); null if there is none.
    std::unique_ptr<Item> retrieveItem(ItemType itemType, unsigned& amount);

    ZoneType getType() const { return type; }
    bool isStorageZone() const { return isStorage; }
    ItemType getStoredType() const { return storedType; }
    unsigned getStoredAmount() const { return storedAmount; }
    unsigned getCapacity() const { return capacity; }
    unsigned getAmountInDelivery() const { return amountInDelivery; }
    unsigned getAmountInRetrieval() const { return amountInRetrieval; }
    const std::vector<std::unique_ptr<Item>>& getStoredItems() const { return storedItems; }
    const sf::VertexArray& getItemQuad() const { return itemQuad; }
    const sf::Text& getLabel() const { return label; }

    bool save(std::ostream& out) const;
    // The drawable geometry is rebuilt afterwards by the level's refresh.
    bool load(std::istream& in, sf::Texture* atlas, Level* owner, const sf::Font* font);

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // What a storage cell shows over its quad: the stored item and the amount.
    void drawContents(sf::RenderTarget& target, sf::RenderStates states) const;

private:
    bool holdsRealType() const;
    bool isKind(ZoneType kind) const { return type == kind; }
    void setUpLabel(const sf::Font* font);
    void rebuildItemQuad();
    void rebuildLabel();
    void releaseTypeIfEmpty();
    // The free-slot count follows an empty cell into its new kind.
    void changeKind(ZoneType zoneType);
    // Text bounds need the font's glyphs, so the label is placed while drawing.
    void placeLabel() const;
    // Sizes the label for the view's zoom, in world pixels per screen pixel.
    void fitLabelToZoom(float worldPixelsPerScreenPixel) const;

    ZoneType type = ZoneNone;
    bool isStorage = false; // not saved: follows from type
    Level* level = nullptr;
    sf::VertexArray itemQuad;         // not saved: rebuilt from storedType
    mutable sf::Text label;           // not saved: rebuilt from storedAmount
    mutable bool labelPlaced = false; // not saved
    mutable float labelZoom = 0.f;    // not saved: the zoom the label was sized for
    mutable float labelMarginX = 2.f;
    mutable float labelMarginY = 2.f;
    ItemType storedType = ItemNone;
    unsigned storedAmount = 0;
    unsigned capacity = 0;                          // not saved: follows from storedType
    std::vector<std::unique_ptr<Item>> storedItems; // last in, first out
    unsigned amountInDelivery = 0;
    unsigned amountInRetrieval = 0;
};
