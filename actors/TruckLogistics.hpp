#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <cstddef>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <queue>
#include <utility>
#include <vector>

class Level;
class Truck;

// Bought goods still to be delivered and sold goods still to be collected;
// sends one truck at a time when there is something to do. Definitions:
// TruckLogistics.cpp (queues, sales, the spawn timer) and
// TruckLogisticsRecord.cpp (save, load).
class TruckLogistics {
public:
    using PickUps = std::vector<std::pair<ItemType, float>>;

    // The level it serves; null for a logistics that never sends a truck.
    explicit TruckLogistics(Level* level = nullptr);
    ~TruckLogistics();
    TruckLogistics(const TruckLogistics&) = delete;
    TruckLogistics& operator=(const TruckLogistics&) = delete;

    // One bought unit to be delivered.
    void addDelivery(ItemType type);
    // The front of the deliveries, removed; ItemNone when there is none.
    ItemType nextDeliveryItem();
    // The front of the deliveries, kept; ItemNone when there is none.
    ItemType peekDeliveryItem() const;
    // Takes the first delivery of the type out of the order, wherever it is
    // in the queue; false when none is ordered.
    bool takeDeliveryItem(ItemType type);
    // The ordered item types, each once, in the order they are due.
    std::vector<ItemType> deliveryTypesInOrder() const;
    // A unit unloaded but not delivered goes back to the front of the order.
    void returnDelivery(ItemType type);
    // Bought units not yet unloaded and sold units not yet loaded.
    std::size_t unitsPending() const { return deliveryItems.size() + pickUpItems.size(); }
    // count sold units of the type, each to be credited at price when loaded.
    void addPickUps(ItemType type, std::size_t count, float price);
    // One loaded unit: credits its price and forgets it. False when no unit of
    // the type is waiting to be collected, or without a level.
    bool shipUnit(ItemType type);

    void update(float dt);
    // Drops the truck and every order without touching the level; for a level
    // that is emptying itself.
    void clear();

    Level* getLevel() const { return level; }
    Truck* getCurrentTruck() const { return currentTruck.get(); }
    const std::queue<ItemType>& getDeliveryItems() const { return deliveryItems; }
    const PickUps& getPickUpItems() const { return pickUpItems; }
    const std::map<ItemType, std::size_t>& getPickUpItemAmounts() const {
        return pickUpItemAmounts;
    }
    float getSpawnTimer() const { return spawnTimer; }
    float getSpawnDelay() const { return spawnDelay; }

    bool save(std::ostream& out) const;
    // Replaces every order and the truck; the level is the one it serves.
    bool load(std::istream& in, Level* owner);

private:
    bool hasWork() const;
    bool hasPickUpsReady() const;
    void spawnTruck();
    void sendTruckAway();

    Level* level;
    std::queue<ItemType> deliveryItems;
    PickUps pickUpItems;
    std::map<ItemType, std::size_t> pickUpItemAmounts;
    std::unique_ptr<Truck> currentTruck;
    float spawnTimer = -1.f; // -1: off
    float spawnDelay = 15.f; // game minutes; not saved
};
