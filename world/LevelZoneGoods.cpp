// What a zone change settles before it happens: the objects on the cell must
// be allowed in the new zone, and the goods a storage kind of cell holds are
// moved to other cells. Goods are never thrown away: a change that cannot
// place every unit elsewhere is refused.
#include "world/Level.hpp"

#include "actors/Item.hpp"
#include "params/ItemTypes.hpp"
#include "params/Rules.hpp"
#include "world/Zone.hpp"

#include <iostream>

bool Level::refuse(BuildRefusal reason) {
    refusal = reason;
    return false;
}

bool Level::objectsAllowZone(ZoneType type, int column, int row) {
    if (GameParams::CanPlaceObjectInZone(getObjectType(column, row), type) &&
        GameParams::CanPlaceObjectInZone(getSurfaceObjectType(column, row), type)) {
        return true;
    }
    return refuse(type == ZoneNone ? BuildRefusal::ObjectNeedsZone
                                   : BuildRefusal::ObjectForbidsZone);
}

bool Level::moveGoodsOff(int column, int row) {
    if (!zoneContainer) {
        return true;
    }
    const int index = cellIndex(column, row);
    Zone& zone = zoneContainer[index];
    const ItemType held = zone.getStoredType();
    if (!zone.isStorageZone() || held == ItemNone) {
        return true;
    }
    // A carrier's chain holds its booking on this cell and undoes it when it
    // gives up; broken here, that undo would later hit whatever the cell holds
    // then. The change waits until the carriers are done.
    if (zone.getAmountInDelivery() > 0 || zone.getAmountInRetrieval() > 0) {
        return refuse(BuildRefusal::GoodsOnTheWay);
    }
    // Sold units belong to the truck; moved anywhere else nobody would load them.
    if (zone.getType() == ZoneGoodsOut) {
        return refuse(BuildRefusal::SoldGoodsWaiting);
    }
    // Bought goods may wait in another goods-in cell as well as in storage.
    // Stored goods stay in storage, where the stored counts know them.
    const bool bought = zone.getType() == ZoneGoodsIn;
    unsigned room = roomIn(ZoneStorage, held, index);
    if (bought) {
        room += roomIn(ZoneGoodsIn, held, index);
    }
    if (room < zone.getStoredAmount()) {
        return refuse(BuildRefusal::GoodsFindNoPlace);
    }
    while (zone.getStoredAmount() > 0) {
        unsigned one = 1;
        if (!zone.setItemInRetrieval(held, one)) {
            break;
        }
        one = 1;
        std::unique_ptr<Item> item = zone.retrieveItem(held, one);
        if (!item) {
            break;
        }
        if ((bought && storeItemIn(ZoneGoodsIn, item, index)) ||
            storeItemIn(ZoneStorage, item, index)) {
            continue;
        }
        // Counted as placeable a moment ago; it goes back rather than away.
        std::cout << "Level::moveGoodsOff() - Ware fand keinen Platz, bleibt liegen!" << std::endl;
        one = 1;
        if (zone.setItemInDelivery(held, one)) {
            one = 1;
            zone.deliverItem(std::move(item), one);
        }
        return refuse(BuildRefusal::GoodsFindNoPlace);
    }
    return zone.getStoredType() == ItemNone || refuse(BuildRefusal::GoodsFindNoPlace);
}

bool Level::storeItemIn(ZoneType kind, std::unique_ptr<Item>& item, int skipIndex) {
    if (!item || !zoneContainer) {
        return false;
    }
    const ItemType type = item->getType();
    // Cells in row order: the index runs along each row in turn.
    for (int index = 0; index < cellCount; ++index) {
        Zone& zone = zoneContainer[index];
        if (index == skipIndex || zone.getType() != kind || !zone.canStore(type, 1)) {
            continue;
        }
        unsigned amount = 1;
        if (!zone.setItemInDelivery(type, amount)) {
            continue;
        }
        amount = 1;
        return zone.deliverItem(std::move(item), amount);
    }
    return false;
}

unsigned Level::roomIn(ZoneType kind, ItemType type, int skipIndex) const {
    unsigned room = 0;
    for (int index = 0; index < cellCount && zoneContainer; ++index) {
        const Zone& zone = zoneContainer[index];
        if (index == skipIndex || zone.getType() != kind || !zone.canStore(type, 1)) {
            continue;
        }
        room += zone.getStoredType() == ItemNone
                    ? GameParams::GetItemsPerZoneCell(type)
                    : zone.getCapacity() - zone.getStoredAmount() - zone.getAmountInDelivery();
    }
    return room;
}
