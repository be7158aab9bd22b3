#include "actors/TruckLogistics.hpp"

#include "actors/Employee.hpp"
#include "actors/Truck.hpp"
#include "world/Level.hpp"

#include <algorithm>

TruckLogistics::TruckLogistics(Level* owner) : level(owner) {}

TruckLogistics::~TruckLogistics() = default;

void TruckLogistics::addDelivery(ItemType type) {
    deliveryItems.push(type);
}

ItemType TruckLogistics::nextDeliveryItem() {
    if (deliveryItems.empty()) {
        return ItemNone;
    }
    const ItemType type = deliveryItems.front();
    deliveryItems.pop();
    return type;
}

ItemType TruckLogistics::peekDeliveryItem() const {
    return deliveryItems.empty() ? ItemNone : deliveryItems.front();
}

bool TruckLogistics::takeDeliveryItem(ItemType type) {
    std::queue<ItemType> rest;
    bool taken = false;
    while (!deliveryItems.empty()) {
        if (!taken && deliveryItems.front() == type) {
            taken = true;
        } else {
            rest.push(deliveryItems.front());
        }
        deliveryItems.pop();
    }
    deliveryItems.swap(rest);
    return taken;
}

std::vector<ItemType> TruckLogistics::deliveryTypesInOrder() const {
    std::vector<ItemType> types;
    std::queue<ItemType> order = deliveryItems;
    while (!order.empty()) {
        if (std::find(types.begin(), types.end(), order.front()) == types.end()) {
            types.push_back(order.front());
        }
        order.pop();
    }
    return types;
}

void TruckLogistics::returnDelivery(ItemType type) {
    std::queue<ItemType> order;
    order.push(type);
    while (!deliveryItems.empty()) {
        order.push(deliveryItems.front());
        deliveryItems.pop();
    }
    deliveryItems.swap(order);
}

void TruckLogistics::addPickUps(ItemType type, std::size_t count, float price) {
    if (count == 0) {
        return;
    }
    pickUpItems.insert(pickUpItems.end(), count, {type, price});
    pickUpItemAmounts[type] += count;
}

bool TruckLogistics::shipUnit(ItemType type) {
    if (level == nullptr) {
        return false;
    }
    const auto unit = std::find_if(pickUpItems.begin(), pickUpItems.end(),
                                   [type](const auto& entry) { return entry.first == type; });
    if (unit == pickUpItems.end()) {
        return false;
    }
    if (unit->second >= 0.f) {
        level->getBankAccount().bookIncome(unit->second);
    }
    level->getStatistics().recordSale(type, unit->second, level->statisticsDay());
    const auto amount = pickUpItemAmounts.find(type);
    if (amount != pickUpItemAmounts.end() && --amount->second == 0) {
        pickUpItemAmounts.erase(amount);
    }
    level->getEvents().push(
        {LevelEvent::SalePaid, type, 1, std::max(0.0, double{unit->second}), sf::Vector2i(-1, -1)});
    pickUpItems.erase(unit);
    return true;
}

void TruckLogistics::update(float dt) {
    if (level == nullptr) {
        return;
    }
    if (currentTruck) {
        // A truck that never got going (the level turned it away) would
        // stand in the way of every later one.
        if (!currentTruck->isDriving() && !currentTruck->isFinished()) {
            sendTruckAway();
            return;
        }
        currentTruck->update(dt);
        if (currentTruck->isFinished()) {
            sendTruckAway();
        }
        return;
    }
    if (!hasWork()) {
        return;
    }
    // The site has room for one truck: a reason to come waits until it is free.
    if (level->getActiveTruck() != nullptr) {
        return;
    }
    if (spawnTimer < 0.f) {
        spawnTimer = Research::Scaled(spawnDelay, level->getResearchEffects().truckSpawnDelay);
    } else {
        spawnTimer -= dt;
    }
    if (spawnTimer <= 0.f) {
        spawnTimer = -1.f;
        // Ordered goods send the truck only once goods-in can take some of
        // them: one that could unload nothing would only come and go again.
        // Asked when the timer runs out, not every frame; if not, the
        // timer starts over.
        if (level->nextDeliveryToUnload() != ItemNone || hasPickUpsReady()) {
            spawnTruck();
        }
    }
}

bool TruckLogistics::hasWork() const {
    if (!deliveryItems.empty()) {
        return true;
    }
    return !pickUpItems.empty() && hasPickUpsReady();
}

bool TruckLogistics::hasPickUpsReady() const {
    const std::map<ItemType, unsigned> ready = level->getItemsReadyForShipping();
    for (const auto& [type, count] : ready) {
        if (count > 0 && pickUpItemAmounts.count(type) > 0) {
            return true;
        }
    }
    return false;
}

void TruckLogistics::spawnTruck() {
    currentTruck = std::make_unique<Truck>(this);
    if (!level->truckArrives(currentTruck.get())) {
        // Nothing refers to a truck the level did not take.
        currentTruck.reset();
    }
}

void TruckLogistics::sendTruckAway() {
    Truck* truck = currentTruck.get();
    level->truckLeft(truck);
    if (Employee* driver = truck->getDriver()) {
        level->dropPathRequestsOf(driver);
        driver->leaveLevel();
    }
    currentTruck.reset();
}

void TruckLogistics::clear() {
    currentTruck.reset();
    deliveryItems = {};
    pickUpItems.clear();
    pickUpItemAmounts.clear();
    spawnTimer = -1.f;
}
