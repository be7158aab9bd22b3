// Buying and selling on the market, and the truck that brings and fetches
// the goods.

#include "world/Level.hpp"

#include "actors/Truck.hpp"

#include <cmath>

bool Level::buyItems(float price, ItemType itemType, unsigned count) {
    const double cost = static_cast<double>(count) * price;
    if (count == 0 || !std::isfinite(cost) || cost < 0.0 || !bankAccount.canAfford(cost)) {
        return false;
    }
    // The market cannot sell what it does not have: paying for units it then
    // refuses to supply would lose the money and still send a truck with them.
    const auto supply = stockMarket.getItemAvailability();
    const auto available = supply.find(itemType);
    if (available == supply.end() || available->second < count) {
        return false;
    }
    bankAccount.bookExpense(cost);
    statistics.recordPurchase(itemType, count, cost, statisticsDay());
    for (unsigned unit = 0; unit < count; ++unit) {
        truckLogistics.addDelivery(itemType);
    }
    stockMarket.buyFromMarket(itemType, count);
    return true;
}

bool Level::sellItems(ItemType itemType, unsigned count, float price) {
    if (count == 0 || !std::isfinite(price)) {
        return false;
    }
    // Units sold beyond what storage holds would never be carried out, and
    // their truck would wait for them for ever.
    const auto sellable = sellableItems();
    const auto held = sellable.find(itemType);
    const auto demand = stockMarket.getItemRequests();
    const auto wanted = demand.find(itemType);
    if (held == sellable.end() || held->second < count || wanted == demand.end() ||
        wanted->second < count) {
        return false;
    }
    truckLogistics.addPickUps(itemType, count, price);
    itemsNeedingShippingPreparation[itemType] += count;
    stockMarket.sellToMarket(itemType, count);
    return true;
}

bool Level::truckArrives(Truck* truck) {
    if (truck == nullptr || activeTruck != nullptr) {
        return false;
    }
    // Along the sidewalk row, from off the left edge to the middle of the
    // map, and from there off the right edge.
    const float road =
        static_cast<float>((height - 2 * streetLanes - sidewalkRows - 1) * tileSizeY);
    const float tx = static_cast<float>(tileSizeX);
    const float stop = static_cast<float>(width / 2) * tx;
    Truck::Waypoints approach;
    approach.push({-4.f * tx, road});
    approach.push({stop, road});
    Truck::Waypoints departure;
    departure.push({stop, road});
    departure.push({static_cast<float>(width + 3) * tx, road});
    truck->setWaypoints(std::move(approach), std::move(departure));
    if (!truck->startApproach()) {
        return false;
    }
    activeTruck = truck;
    return true;
}

void Level::truckLeft(const Truck* truck) {
    if (activeTruck == truck) {
        activeTruck = nullptr;
    }
}
