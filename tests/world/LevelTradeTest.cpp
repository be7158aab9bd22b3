#include "LevelTestSupport.hpp"

#include "actors/Truck.hpp"

namespace {

class LevelTradeTest : public LevelTest {
protected:
    std::size_t supply(ItemType type) const {
        return level->getStockMarket().getItemAvailability().at(type);
    }
    std::size_t demand(ItemType type) const {
        return level->getStockMarket().getItemRequests().at(type);
    }
    const TruckLogistics& logistics() const { return level->getTruckLogistics(); }
};

} // namespace

TEST_F(LevelTradeTest, BuyingChargesTheCostAndOrdersEveryUnit) {
    setBalance(1000.0);
    const std::size_t before = supply(ItemSteel);
    ASSERT_TRUE(level->buyItems(35.3f, ItemSteel, 3));
    EXPECT_NEAR(balance(), 1000.0 - 3 * 35.3, 1e-4);
    EXPECT_EQ(logistics().getDeliveryItems().size(), 3u);
    EXPECT_EQ(supply(ItemSteel), before - 3);
}

TEST_F(LevelTradeTest, APurchaseCostingTheWholeBalanceSucceeds) {
    setBalance(70.0);
    EXPECT_TRUE(level->buyItems(35.f, ItemSteel, 2));
    EXPECT_DOUBLE_EQ(balance(), 0.0);
}

TEST_F(LevelTradeTest, APurchaseTheAccountOrTheMarketCannotCoverBooksNothing) {
    setBalance(69.99);
    EXPECT_FALSE(level->buyItems(35.f, ItemSteel, 2));
    setBalance(100000.0);
    const std::size_t available = supply(ItemSteel);
    EXPECT_FALSE(level->buyItems(35.f, ItemSteel, static_cast<unsigned>(available) + 1));
    EXPECT_FALSE(level->buyItems(35.f, ItemSteel, 0));
    EXPECT_FALSE(level->buyItems(35.f, ItemNone, 1));
    EXPECT_DOUBLE_EQ(balance(), 100000.0);
    EXPECT_TRUE(logistics().getDeliveryItems().empty());
    EXPECT_EQ(supply(ItemSteel), available);
}

TEST_F(LevelTradeTest, SellingBooksPickUpsAndShippingWorkButNoMoneyYet) {
    level->addStored(ItemSheetMetal, 4);
    const double before = balance();
    const std::size_t wanted = demand(ItemSheetMetal);
    ASSERT_TRUE(level->sellItems(ItemSheetMetal, 3, 60.f));
    EXPECT_DOUBLE_EQ(balance(), before);
    EXPECT_EQ(logistics().getPickUpItems().size(), 3u);
    EXPECT_EQ(logistics().getPickUpItemAmounts().at(ItemSheetMetal), 3u);
    EXPECT_EQ(level->getItemsNeedingShippingPreparation().at(ItemSheetMetal), 3u);
    EXPECT_EQ(demand(ItemSheetMetal), wanted - 3);
    EXPECT_EQ(level->sellableItems().at(ItemSheetMetal), 1u);
}

TEST_F(LevelTradeTest, UnitsNotHeldOrNotWantedCannotBeSold) {
    level->addStored(ItemSheetMetal, 2);
    EXPECT_FALSE(level->sellItems(ItemSheetMetal, 3, 60.f));
    EXPECT_FALSE(level->sellItems(ItemGlass, 1, 75.f));
    ASSERT_TRUE(level->sellItems(ItemSheetMetal, 2, 60.f));
    // Sold once, the units are no longer for sale.
    EXPECT_FALSE(level->sellItems(ItemSheetMetal, 1, 60.f));

    level->addStored(ItemCar, 5);
    const std::size_t wanted = demand(ItemCar);
    EXPECT_FALSE(level->sellItems(ItemCar, static_cast<unsigned>(wanted) + 1, 7000.f));
    EXPECT_EQ(logistics().getPickUpItems().size(), 2u);
}

TEST_F(LevelTradeTest, ATruckArrivesAlongTheSidewalkRowAndStopsMidMap) {
    Truck truck(nullptr);
    ASSERT_TRUE(level->truckArrives(&truck));
    EXPECT_EQ(level->getActiveTruck(), &truck);
    const float road = 54.f * Tile;
    EXPECT_EQ(truck.getPosition(), sf::Vector2f(-4.f * Tile, road));
    ASSERT_EQ(truck.getApproachWaypoints().size(), 1u);
    EXPECT_EQ(truck.getApproachWaypoints().front(), sf::Vector2f(40.f * Tile, road));
    ASSERT_EQ(truck.getDepartureWaypoints().size(), 2u);
    EXPECT_EQ(truck.getDepartureWaypoints().front(), sf::Vector2f(40.f * Tile, road));
    EXPECT_EQ(truck.getDepartureWaypoints().back(), sf::Vector2f(83.f * Tile, road));

    Truck second(nullptr);
    EXPECT_FALSE(level->truckArrives(&second));
    EXPECT_FALSE(level->truckArrives(nullptr));
    level->truckLeft(&second);
    EXPECT_EQ(level->getActiveTruck(), &truck);
    level->truckLeft(&truck);
    EXPECT_EQ(level->getActiveTruck(), nullptr);
}
