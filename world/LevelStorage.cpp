#include "world/Level.hpp"

#include "actors/Item.hpp"
#include "params/ItemTypes.hpp"
#include "world/Zone.hpp"

namespace {

using CountTable = std::map<ItemType, unsigned>;

// A table holds no zero entries: adding creates the entry, a subtraction that
// reaches the value removes it.
void Add(CountTable& table, ItemType type, unsigned n) {
    if (n == 0) {
        return;
    }
    table[type] += n;
}

void Subtract(CountTable& table, ItemType type, unsigned n) {
    if (n == 0) {
        return;
    }
    auto entry = table.find(type);
    if (entry == table.end()) {
        return;
    }
    if (n >= entry->second) {
        table.erase(entry);
    } else {
        entry->second -= n;
    }
}

unsigned CountOf(const CountTable& table, ItemType type) {
    auto entry = table.find(type);
    return entry == table.end() ? 0 : entry->second;
}

} // namespace

void Level::addStoreable(ItemType type, unsigned n) {
    Add(storeableItemAmounts, type, n);
}

void Level::removeStoreable(ItemType type, unsigned n) {
    Subtract(storeableItemAmounts, type, n);
}

unsigned Level::freeStorageFor(ItemType type) const {
    // An empty storage cell takes a full cell's worth of any type. Empty
    // goods-in and goods-out cells are no slot: nothing carried may go there
    // to be stored, and counting them planned carrying jobs that could only fail.
    return GameParams::GetItemsPerZoneCell(type) * CountOf(storeableItemAmounts, ItemNone) +
           CountOf(storeableItemAmounts, type);
}

void Level::addStored(ItemType type, unsigned n) {
    Add(storedItems, type, n);
}

void Level::removeStored(ItemType type, unsigned n) {
    Subtract(storedItems, type, n);
}

unsigned Level::availableStored(ItemType type) const {
    const unsigned stored = CountOf(storedItems, type);
    const unsigned sold = CountOf(itemsNeedingShippingPreparation, type);
    return stored > sold ? stored - sold : 0;
}

std::map<ItemType, unsigned> Level::sellableItems() const {
    CountTable sellable;
    for (const auto& [type, stored] : storedItems) {
        const unsigned sold = CountOf(itemsNeedingShippingPreparation, type);
        if (stored > sold) {
            sellable[type] = stored - sold;
        }
    }
    return sellable;
}

void Level::shippingPrepared(ItemType type) {
    Add(itemsNeedingShippingPreparation, type, 1);
}

void Level::shippingUnprepared(ItemType type) {
    if (CountOf(itemsNeedingShippingPreparation, type) > 0) {
        Subtract(itemsNeedingShippingPreparation, type, 1);
    }
}

void Level::readyForShippingAdded(ItemType type) {
    Add(itemsReadyForShipping, type, 1);
}

void Level::readyForShippingTaken(ItemType type) {
    Subtract(itemsReadyForShipping, type, 1);
}

bool Level::storeItem(std::unique_ptr<Item> item) {
    if (!item || !zoneContainer || freeStorageFor(item->getType()) == 0) {
        return false;
    }
    return storeItemIn(ZoneStorage, item, -1);
}

void Level::recountStoreable() {
    storeableItemAmounts.clear();
    for (int index = 0; index < cellCount && zoneContainer; ++index) {
        const Zone& zone = zoneContainer[index];
        if (zone.getType() != ZoneStorage) {
            continue;
        }
        if (zone.getStoredType() == ItemNone) {
            Add(storeableItemAmounts, ItemNone, 1);
        } else {
            Add(storeableItemAmounts, zone.getStoredType(),
                zone.getCapacity() - zone.getStoredAmount() - zone.getAmountInDelivery());
        }
    }
}
