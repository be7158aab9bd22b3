#include "tests/world/ZoneTestSupport.hpp"

#include <vector>

namespace {

class ZoneConversionTest : public ZoneLevelTest {
protected:
    std::vector<std::uint32_t> idsIn(int column, int row) {
        std::vector<std::uint32_t> ids;
        for (const auto& item : zone(column, row).getStoredItems()) {
            ids.push_back(item->getId());
        }
        return ids;
    }
};

} // namespace

TEST_F(ZoneConversionTest, AnEmptyStorageCellTurnedKitchenIsNoLongerASlot) {
    mark(ZoneStorage, 6, 4);
    mark(ZoneStorage, 7, 4);
    ASSERT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 2u);
    ASSERT_TRUE(level->setZone(ZoneKitchen, 6, 4));
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 1u);
    EXPECT_FALSE(zone(6, 4).isStorageZone());
    EXPECT_EQ(zone(6, 4).getType(), ZoneKitchen);
    expectConsistent();
}

TEST_F(ZoneConversionTest, RemovingAStorageZoneGivesUpItsSlot) {
    mark(ZoneGoodsIn, 6, 4);
    ASSERT_TRUE(level->setZone(ZoneNone, 6, 4));
    EXPECT_TRUE(level->getStoreableItemAmounts().empty());
    expectConsistent();
}

TEST_F(ZoneConversionTest, ThreeSteelMoveToTheFirstFreeCellsInRowOrder) {
    mark(ZoneStorage, 10, 10); // the cell that becomes a kitchen
    mark(ZoneStorage, 3, 11);  // empty, second in row order
    mark(ZoneStorage, 12, 10); // one place left for steel, first in row order
    mark(ZoneStorage, 11, 10); // glass: skipped
    mark(ZoneGoodsIn, 0, 10);  // goods cells are no store: skipped
    mark(ZoneStorage, 20, 12); // never reached
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bring(10, 10, ItemSteel));
    }
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(bring(12, 10, ItemSteel));
    }
    ASSERT_TRUE(bring(11, 10, ItemGlass));
    const std::vector<std::uint32_t> moved = idsIn(10, 10);
    const Counts storedBefore = level->getStoredItems();
    ASSERT_EQ(Count(storedBefore, ItemSteel), 7u);

    ASSERT_TRUE(level->setZone(ZoneKitchen, 10, 10));

    EXPECT_EQ(level->getStoredItems(), storedBefore);
    EXPECT_EQ(zone(10, 10).getStoredAmount(), 0u);
    EXPECT_TRUE(zone(10, 10).getStoredItems().empty());
    EXPECT_EQ(zone(12, 10).getStoredAmount(), 5u);
    EXPECT_EQ(zone(3, 11).getStoredAmount(), 2u);
    EXPECT_EQ(zone(3, 11).getStoredType(), ItemSteel);
    EXPECT_EQ(zone(0, 10).getStoredAmount(), 0u);
    EXPECT_EQ(zone(20, 12).getStoredType(), ItemNone);
    EXPECT_EQ(zone(11, 10).getStoredAmount(), 1u);
    // The very items moved, last in first out: the last one reached the first cell.
    EXPECT_EQ(zone(12, 10).getStoredItems().back()->getId(), moved[2]);
    EXPECT_EQ(idsIn(3, 11), (std::vector<std::uint32_t>{moved[1], moved[0]}));
    for (std::uint32_t id : moved) {
        EXPECT_NE(Item::GetById(id), nullptr);
    }
    // The one slot left: the untouched storage cell.
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 1u);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemSteel), 3u);
    expectConsistent();
}

TEST_F(ZoneConversionTest, ACellWithCarriersOnTheWayKeepsItsZone) {
    mark(ZoneStorage, 10, 10);
    mark(ZoneStorage, 11, 10);
    mark(ZoneStorage, 2, 20);
    ASSERT_TRUE(bring(10, 10, ItemTyre));
    unsigned one = 1;
    ASSERT_TRUE(zone(10, 10).setItemInRetrieval(ItemTyre, one));
    unsigned three = 3;
    ASSERT_TRUE(zone(11, 10).setItemInDelivery(ItemGlass, three));
    const Counts storeable = level->getStoreableItemAmounts();
    const Counts stored = level->getStoredItems();

    // The carriers' chains hold these bookings; broken now, their undo
    // would later hit whatever the cell holds then.
    EXPECT_FALSE(level->setZone(ZoneOffice, 10, 10));
    EXPECT_EQ(level->getRefusal(), BuildRefusal::GoodsOnTheWay);
    EXPECT_FALSE(level->setZone(ZoneNone, 11, 10));
    EXPECT_EQ(zone(10, 10).getType(), ZoneStorage);
    EXPECT_EQ(zone(10, 10).getAmountInRetrieval(), 1u);
    EXPECT_EQ(zone(11, 10).getAmountInDelivery(), 3u);
    EXPECT_EQ(room(11, 10)->getType(), ZoneStorage);
    EXPECT_EQ(level->getStoreableItemAmounts(), storeable);
    EXPECT_EQ(level->getStoredItems(), stored);
    expectConsistent();
}

TEST_F(ZoneConversionTest, ItemsWithoutRoomForAllOfThemStayWhereTheyAre) {
    mark(ZoneStorage, 10, 10);
    mark(ZoneStorage, 12, 10);
    mark(ZoneGoodsIn, 14, 10); // no store for stored goods
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bring(10, 10, ItemWood));
    }
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bring(12, 10, ItemWood));
    }
    const std::vector<std::uint32_t> held = idsIn(10, 10);
    const Counts storeable = level->getStoreableItemAmounts();

    // Two places are left for three units: not one of them moves.
    EXPECT_FALSE(level->setZone(ZoneKitchen, 10, 10));
    EXPECT_EQ(level->getRefusal(), BuildRefusal::GoodsFindNoPlace);
    EXPECT_FALSE(level->setZone(ZoneNone, 10, 10));
    EXPECT_EQ(idsIn(10, 10), held);
    EXPECT_EQ(zone(12, 10).getStoredAmount(), 3u);
    EXPECT_EQ(zone(10, 10).getType(), ZoneStorage);
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemWood, 6}}));
    EXPECT_EQ(level->getStoreableItemAmounts(), storeable);
    expectConsistent();

    // One more place, and they go.
    mark(ZoneStorage, 20, 20);
    EXPECT_TRUE(level->setZone(ZoneNone, 10, 10));
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemWood, 6}}));
    expectConsistent();
}

TEST_F(ZoneConversionTest, SoldUnitsInGoodsOutWaitForTheTruck) {
    mark(ZoneGoodsOut, 10, 10);
    mark(ZoneGoodsOut, 11, 10);
    mark(ZoneStorage, 12, 10);
    level->shippingPrepared(ItemCar);
    ASSERT_TRUE(bring(10, 10, ItemCar));
    EXPECT_FALSE(level->setZone(ZoneKitchen, 10, 10));
    EXPECT_EQ(level->getRefusal(), BuildRefusal::SoldGoodsWaiting);
    EXPECT_EQ(level->getItemsReadyForShipping(), Counts({{ItemCar, 1}}));
    EXPECT_EQ(zone(10, 10).getStoredAmount(), 1u);
    // An empty goods-out cell goes freely.
    EXPECT_TRUE(level->setZone(ZoneNone, 11, 10));
    expectConsistent();
}

TEST_F(ZoneConversionTest, BoughtGoodsMoveToOtherGoodsInCellsThenToStorage) {
    mark(ZoneGoodsIn, 10, 10);
    mark(ZoneGoodsIn, 11, 10);
    mark(ZoneStorage, 20, 20);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(bring(10, 10, ItemSteel));
    }
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bring(11, 10, ItemSteel));
    }
    ASSERT_TRUE(level->getStoredItems().empty());

    EXPECT_TRUE(level->setZone(ZoneNone, 10, 10));
    EXPECT_EQ(zone(11, 10).getStoredAmount(), 5u);
    EXPECT_EQ(zone(20, 20).getStoredAmount(), 2u);
    // Those two are in storage now, and counted there.
    EXPECT_EQ(level->getStoredItems(), Counts({{ItemSteel, 2}}));
    expectConsistent();
}

TEST_F(ZoneConversionTest, AZoneChangeMustSuitTheObjectsOnTheCell) {
    mark(ZoneKitchen, 10, 10);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 10, 10, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 10, 10, 0.f));
    // The coffee machine may stand in an office, its counter may not.
    EXPECT_FALSE(level->setZone(ZoneOffice, 10, 10));
    EXPECT_EQ(level->getRefusal(), BuildRefusal::ObjectForbidsZone);
    EXPECT_FALSE(level->setZone(ZoneNone, 10, 10));
    EXPECT_EQ(level->getRefusal(), BuildRefusal::ObjectNeedsZone);
    EXPECT_EQ(zone(10, 10).getType(), ZoneKitchen);
    EXPECT_EQ(room(10, 10)->getType(), ZoneKitchen);
}
