#include "tests/world/ZoneTestSupport.hpp"

namespace {

class StorageCountsTest : public ZoneLevelTest {};

} // namespace

TEST_F(StorageCountsTest, AddingCreatesAndSubtractingToTheValueRemoves) {
    level->addStored(ItemSteel, 0);
    EXPECT_TRUE(level->getStoredItems().empty());
    level->addStored(ItemSteel, 3);
    level->addStored(ItemSteel, 2);
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemSteel, 5}}));
    level->removeStored(ItemSteel, 0);
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemSteel, 5}}));
    level->removeStored(ItemSteel, 4);
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemSteel, 1}}));
    level->removeStored(ItemSteel, 1);
    EXPECT_TRUE(level->getStoredItems().empty());
    // Taking more than there is just empties the entry; taking from nothing does nothing.
    level->addStored(ItemGlass, 2);
    level->removeStored(ItemGlass, 9);
    level->removeStored(ItemTyre, 1);
    EXPECT_TRUE(level->getStoredItems().empty());

    level->addStoreable(ItemNone, 2);
    level->removeStoreable(ItemNone, 2);
    EXPECT_TRUE(level->getStoreableItemAmounts().empty());
}

TEST_F(StorageCountsTest, FreeStorageCountsAWholeCellPerEmptySlot) {
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 0u);
    level->addStoreable(ItemNone, 2);
    level->addStoreable(ItemSteel, 3);
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 13u);
    EXPECT_EQ(level->freeStorageFor(ItemGlass), 10u);
    EXPECT_EQ(level->freeStorageFor(ItemNone), 2u);
}

TEST_F(StorageCountsTest, SoldItemsAreNotAvailableAndNotSellableAgain) {
    level->addStored(ItemSteel, 4);
    level->addStored(ItemGlass, 1);
    level->addStored(ItemCar, 2);
    level->shippingPrepared(ItemSteel);
    level->shippingPrepared(ItemGlass);
    level->shippingPrepared(ItemCar);
    level->shippingPrepared(ItemCar);
    level->shippingPrepared(ItemCar);
    level->shippingPrepared(ItemTyre);
    EXPECT_EQ(level->availableStored(ItemSteel), 3u);
    EXPECT_EQ(level->availableStored(ItemGlass), 0u);
    EXPECT_EQ(level->availableStored(ItemCar), 0u);
    EXPECT_EQ(level->availableStored(ItemTyre), 0u);
    EXPECT_EQ(level->availableStored(ItemWood), 0u);
    EXPECT_EQ(level->sellableItems(), Counts({{ItemSteel, 3}}));
    // The copy leaves the table alone.
    EXPECT_EQ(Count(level->getStoredItems(), ItemCar), 2u);
}

TEST_F(StorageCountsTest, ShippingCountsNeverGoBelowZero) {
    level->shippingUnprepared(ItemCar);
    EXPECT_TRUE(level->getItemsNeedingShippingPreparation().empty());
    level->shippingPrepared(ItemCar);
    level->shippingPrepared(ItemCar);
    level->shippingUnprepared(ItemCar);
    EXPECT_EQ(level->getItemsNeedingShippingPreparation(), Counts({{ItemCar, 1}}));
    level->shippingUnprepared(ItemCar);
    EXPECT_TRUE(level->getItemsNeedingShippingPreparation().empty());

    level->readyForShippingTaken(ItemEngine);
    EXPECT_TRUE(level->getItemsReadyForShipping().empty());
    level->readyForShippingAdded(ItemEngine);
    EXPECT_EQ(level->getItemsReadyForShipping(), Counts({{ItemEngine, 1}}));
    level->readyForShippingTaken(ItemEngine);
    EXPECT_TRUE(level->getItemsReadyForShipping().empty());
}

TEST_F(StorageCountsTest, StoringNeedsFreeStorageCells) {
    EXPECT_FALSE(level->storeItem(nullptr));
    EXPECT_FALSE(level->storeItem(std::make_unique<Item>(nullptr, ItemSteel)));
    mark(ZoneGoodsIn, 5, 5);
    mark(ZoneGoodsOut, 6, 5);
    // Goods cells never take stored goods, so they are no free slots either.
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 0u);
    EXPECT_FALSE(level->storeItem(std::make_unique<Item>(nullptr, ItemSteel)));

    mark(ZoneStorage, 9, 9);
    auto item = std::make_unique<Item>(nullptr, ItemSteel);
    const std::uint32_t id = item->getId();
    EXPECT_TRUE(level->storeItem(std::move(item)));
    EXPECT_EQ(zone(9, 9).getStoredItems().front()->getId(), id);
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemSteel, 1}}));
    expectConsistent();
}

TEST_F(StorageCountsTest, AFullStoreTakesNoMore) {
    mark(ZoneStorage, 9, 9);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(level->storeItem(std::make_unique<Item>(nullptr, ItemGlass)));
    }
    EXPECT_EQ(level->freeStorageFor(ItemGlass), 0u);
    EXPECT_FALSE(level->storeItem(std::make_unique<Item>(nullptr, ItemGlass)));
    EXPECT_FALSE(level->storeItem(std::make_unique<Item>(nullptr, ItemSteel)));
    expectConsistent();
}
