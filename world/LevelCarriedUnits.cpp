// Units in an employee's hands that cannot go where they were bound: they go
// back to a place that keeps them, so that no bought or produced unit is lost
// when a way is cut, a delivery refused or a truck leaves.

#include "world/Level.hpp"

#include "actors/Item.hpp"
#include "world/Zone.hpp"

#include <iostream>

namespace {

bool isRealItemType(ItemType type) {
    return type != ItemNone && type != ItemInvalid;
}

} // namespace

bool Level::canPutDown(ItemType type) const {
    return roomIn(ZoneStorage, type, -1) > 0 || roomIn(ZoneGoodsIn, type, -1) > 0;
}

bool Level::putDownItem(std::unique_ptr<Item>& item) {
    // Storage first; goods-in keeps a unit until storage has room again.
    return storeItemIn(ZoneStorage, item, -1) || storeItemIn(ZoneGoodsIn, item, -1);
}

bool Level::pickUpFurtherItem(GameObjectType placeMarker, ItemType itemType, int column, int row) {
    if (placeMarker != ZoneMarker) {
        return false;
    }
    Zone* zone = getZoneAt(column, row);
    unsigned amount = 1;
    if (zone == nullptr || !zone->setItemInRetrieval(itemType, amount)) {
        return false;
    }
    amount = 1;
    // One item stands for all units carried: the further ones are not kept.
    return zone->retrieveItem(itemType, amount) != nullptr;
}

void Level::returnDriverUnits(ItemType type, unsigned amount, bool sold) {
    if (!isRealItemType(type)) {
        return;
    }
    for (unsigned unit = 0; unit < amount; ++unit) {
        if (!sold) {
            // Still ordered and paid for: it comes with this or a later truck.
            truckLogistics.returnDelivery(type);
            continue;
        }
        auto item = std::make_unique<Item>(texture, type);
        // Sold and not loaded: it is to be shipped again, from goods-out if
        // there is room, else from storage like any sold unit.
        shippingPrepared(type);
        if (storeItemIn(ZoneGoodsOut, item, -1) || storeItemIn(ZoneStorage, item, -1)) {
            continue;
        }
        // Nowhere to keep it: it leaves with the truck it was sold to.
        shippingUnprepared(type);
        truckLogistics.shipUnit(type);
    }
}

void Level::returnUnsoldUnits(ItemType type, unsigned amount) {
    for (unsigned unit = 0; unit < amount && isRealItemType(type); ++unit) {
        auto item = std::make_unique<Item>(texture, type);
        if (!putDownItem(item)) {
            std::cout << "Level::returnUnsoldUnits() - Kein Platz fuer nicht verkaufte Ware!"
                      << std::endl;
            return;
        }
    }
}
