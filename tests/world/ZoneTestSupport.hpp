#pragma once

#include "actors/Item.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>

// A new-game level without a window: no game, no font, no atlas.
class ZoneLevelTest : public ::testing::Test {
protected:
    using Counts = std::map<ItemType, unsigned>;

    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        level = std::make_unique<Level>(nullptr, nullptr, "");
    }

    Zone& zone(int column, int row) { return *level->getZoneAt(column, row); }
    MetaZone* room(int column, int row) { return level->getMetaZoneAt(column, row); }

    // A zone cell on a floor tile, as the build tool would leave it.
    void mark(ZoneType type, int column, int row) {
        ASSERT_TRUE(level->setTile(TileFloor, column, row));
        ASSERT_TRUE(level->setZone(type, column, row));
    }

    // Announces and delivers one new item; false if the cell refuses either step.
    bool bring(int column, int row, ItemType type) {
        unsigned amount = 1;
        if (!zone(column, row).setItemInDelivery(type, amount) || amount != 0) {
            return false;
        }
        amount = 1;
        return zone(column, row).deliverItem(std::make_unique<Item>(nullptr, type), amount);
    }

    // Promises one item to a carrier and takes it.
    std::unique_ptr<Item> take(int column, int row, ItemType type) {
        unsigned amount = 1;
        if (!zone(column, row).setItemInRetrieval(type, amount)) {
            return nullptr;
        }
        amount = 1;
        return zone(column, row).retrieveItem(type, amount);
    }

    // What the storage tables must say, worked out from the cells themselves.
    Counts expectedStoreable() const {
        Counts counts;
        forEachZone([&](const Zone& z) {
            // Goods-in and goods-out cells are no store: they count nowhere.
            if (z.getType() != ZoneStorage) {
                return;
            }
            if (z.getStoredType() == ItemNone) {
                counts[ItemNone] += 1;
            } else {
                counts[z.getStoredType()] +=
                    z.getCapacity() - z.getStoredAmount() - z.getAmountInDelivery();
            }
        });
        return WithoutZeros(counts);
    }

    Counts expectedStored() const {
        Counts counts;
        forEachZone([&](const Zone& z) {
            if (z.getType() == ZoneStorage && z.getStoredType() != ItemNone) {
                counts[z.getStoredType()] += z.getStoredAmount() - z.getAmountInRetrieval();
            }
        });
        return WithoutZeros(counts);
    }

    Counts expectedReadyForShipping() const {
        Counts counts;
        forEachZone([&](const Zone& z) {
            if (z.getType() == ZoneGoodsOut && z.getStoredType() != ItemNone) {
                counts[z.getStoredType()] += z.getStoredAmount();
            }
        });
        return WithoutZeros(counts);
    }

    // The invariants of every cell and of the tables kept from them.
    void expectConsistent() const {
        forEachZone([](const Zone& z) {
            EXPECT_EQ(z.getStoredAmount(), z.getStoredItems().size());
            EXPECT_LE(z.getStoredAmount() + z.getAmountInDelivery(), z.getCapacity());
            EXPECT_LE(z.getAmountInRetrieval(), z.getStoredAmount());
        });
        EXPECT_EQ(level->getStoreableItemAmounts(), expectedStoreable());
        EXPECT_EQ(level->getStoredItems(), expectedStored());
        EXPECT_EQ(level->getItemsReadyForShipping(), expectedReadyForShipping());
    }

    template <class Visit> void forEachZone(Visit visit) const {
        for (int row = 0; row < level->getHeight(); ++row) {
            for (int column = 0; column < level->getWidth(); ++column) {
                visit(*level->getZoneAt(column, row));
            }
        }
    }

    static Counts WithoutZeros(Counts counts) {
        for (auto entry = counts.begin(); entry != counts.end();) {
            entry = entry->second == 0 ? counts.erase(entry) : std::next(entry);
        }
        return counts;
    }

    static unsigned Count(const Counts& counts, ItemType type) {
        auto entry = counts.find(type);
        return entry == counts.end() ? 0 : entry->second;
    }

    std::unique_ptr<Level> level;
};
