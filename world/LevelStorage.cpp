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
    // An empty cell takes a full cell's worth of any type.
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
    if (!item || !zoneContainer) {
        return false;
    }
    const ItemType type = item->getType();
    if (freeStorageFor(type) == 0) {
        return false;
    }
    // Cells in row order: the index runs along each row in turn.
    for (int index = 0; index < cellCount; ++index) {
        Zone& zone = zoneContainer[index];
        if (zone.getType() != ZoneStorage) {
            continue;
        }
        if (zone.getStoredType() != type && zone.getStoredType() != ItemNone) {
            continue;
        }
        if (!zone.canStore(type, 1)) {
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
