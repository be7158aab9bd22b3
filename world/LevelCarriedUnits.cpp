// Units in an employee's hands that cannot go where they were bound: they go
// back to a place that keeps them, so that no bought or produced unit is lost
// when a way is cut, a delivery refused or a truck leaves.

#include "world/Level.hpp"

#include "actors/Item.hpp"
#include "world/Zone.hpp"

#include <iostream>

namespace {

bool isRealItemType(ItemType type) {
    return type != ItemNone && type != static_cast<ItemType>(-1);
}

} // namespace

Zone* Level::findPlaceToPutDown(ItemType type, ZoneType kind) const {
    if (!zoneContainer || !isRealItemType(type)) {
        return nullptr;
    }
    // Cells in row order, as storeItem takes them.
    for (int index = 0; index < cellCount; ++index) {
        Zone& zone = zoneContainer[index];
        if (zone.getType() == kind && zone.canStore(type, 1)) {
            return &zone;
        }
    }
    return nullptr;
}

bool Level::putItemInto(Zone& zone, std::unique_ptr<Item>& item) {
    const ItemType type = item->getType();
    unsigned amount = 1;
    if (!zone.setItemInDelivery(type, amount)) {
        return false;
    }
    amount = 1;
    if (!zone.deliverItem(std::move(item), amount)) {
        zone.cancelDelivery(type);
        return false;
    }
    return true;
}

bool Level::canPutDown(ItemType type) const {
    return findPlaceToPutDown(type, ZoneStorage) != nullptr ||
           findPlaceToPutDown(type, ZoneGoodsIn) != nullptr;
}

bool Level::putDownItem(std::unique_ptr<Item>& item) {
    if (!item) {
        return false;
    }
    // Storage first; goods-in keeps a unit until storage has room again.
    for (ZoneType kind : {ZoneStorage, ZoneGoodsIn}) {
        if (Zone* zone = findPlaceToPutDown(item->getType(), kind)) {
            if (putItemInto(*zone, item)) {
                return true;
            }
        }
    }
    return false;
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
        Zone* goodsOut = findPlaceToPutDown(type, ZoneGoodsOut);
        if (goodsOut != nullptr && putItemInto(*goodsOut, item)) {
            continue;
        }
        if (Zone* store = findPlaceToPutDown(type, ZoneStorage)) {
            if (putItemInto(*store, item)) {
                continue;
            }
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
