#include "actors/TruckLogistics.hpp"

#include "actors/Employee.hpp"
#include "actors/Truck.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr float Frame = 0.3f;

class TruckLogisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        std::srand(7);
        level = std::make_unique<Level>(nullptr, nullptr, "");
        // Somewhere to unload: without it bought goods call no truck.
        level->setTile(TileFloor, GoodsIn.x, GoodsIn.y);
        level->setZone(ZoneGoodsIn, GoodsIn.x, GoodsIn.y);
    }

    const sf::Vector2i GoodsIn{2, 2};

    TruckLogistics& logistics() { return level->getTruckLogistics(); }
    double balance() const { return level->getBankAccount().getBalance(); }

    // Runs frames until a truck is at the site; the game minutes it took, or
    // -1 if none came within the limit.
    float runUntilTruck(float minutesLimit) {
        float minutes = 0.f;
        while (minutes < minutesLimit) {
            if (level->getActiveTruck() != nullptr) {
                return minutes;
            }
            level->update(Frame);
            minutes += Frame;
        }
        return level->getActiveTruck() != nullptr ? minutes : -1.f;
    }

    std::unique_ptr<Level> level;
};

} // namespace

TEST_F(TruckLogisticsTest, DeliveriesComeOutInOrderAndNoneWhenEmpty) {
    logistics().addDelivery(ItemSteel);
    logistics().addDelivery(ItemGlass);
    EXPECT_EQ(logistics().peekDeliveryItem(), ItemSteel);
    EXPECT_EQ(logistics().nextDeliveryItem(), ItemSteel);
    EXPECT_EQ(logistics().nextDeliveryItem(), ItemGlass);
    EXPECT_EQ(logistics().nextDeliveryItem(), ItemNone);
    EXPECT_EQ(logistics().peekDeliveryItem(), ItemNone);
}

TEST_F(TruckLogisticsTest, ShippingAUnitCreditsItsOwnPriceAndKeepsTheOthersInOrder) {
    logistics().addPickUps(ItemSheetMetal, 2, 60.f);
    logistics().addPickUps(ItemGlass, 1, 75.f);
    logistics().addPickUps(ItemSheetMetal, 1, 61.5f);
    const double before = balance();

    EXPECT_TRUE(logistics().shipUnit(ItemSheetMetal));
    EXPECT_DOUBLE_EQ(balance(), before + 60.0);
    EXPECT_EQ(logistics().getPickUpItemAmounts().at(ItemSheetMetal), 2u);
    const TruckLogistics::PickUps expected = {
        {ItemSheetMetal, 60.f}, {ItemGlass, 75.f}, {ItemSheetMetal, 61.5f}};
    EXPECT_EQ(logistics().getPickUpItems(), expected);

    EXPECT_TRUE(logistics().shipUnit(ItemGlass));
    EXPECT_EQ(logistics().getPickUpItemAmounts().count(ItemGlass), 0u);
    EXPECT_TRUE(logistics().shipUnit(ItemSheetMetal));
    EXPECT_TRUE(logistics().shipUnit(ItemSheetMetal));
    EXPECT_DOUBLE_EQ(balance(), before + 60.0 + 75.0 + 60.0 + 61.5);
    EXPECT_TRUE(logistics().getPickUpItems().empty());
    EXPECT_TRUE(logistics().getPickUpItemAmounts().empty());
}

TEST_F(TruckLogisticsTest, ShippingATypeNobodyBoughtChangesNothing) {
    logistics().addPickUps(ItemSheetMetal, 1, 60.f);
    level->getBankAccount().clearChanged();
    const double before = balance();
    EXPECT_FALSE(logistics().shipUnit(ItemCar));
    EXPECT_DOUBLE_EQ(balance(), before);
    EXPECT_FALSE(level->getBankAccount().hasChanged());
    EXPECT_EQ(logistics().getPickUpItems().size(), 1u);
    EXPECT_EQ(logistics().getPickUpItemAmounts().at(ItemSheetMetal), 1u);
}

TEST_F(TruckLogisticsTest, AUnitWithANegativePriceLeavesWithoutMoney) {
    logistics().addPickUps(ItemWood, 1, -1.f);
    const double before = balance();
    EXPECT_TRUE(logistics().shipUnit(ItemWood));
    EXPECT_DOUBLE_EQ(balance(), before);
    EXPECT_TRUE(logistics().getPickUpItems().empty());
}

TEST(TruckLogisticsAlone, WithoutALevelNothingIsShippedOrSent) {
    TruckLogistics logistics;
    logistics.addPickUps(ItemSteel, 1, 35.f);
    logistics.addDelivery(ItemSteel);
    EXPECT_FALSE(logistics.shipUnit(ItemSteel));
    logistics.update(100.f);
    EXPECT_EQ(logistics.getCurrentTruck(), nullptr);
    EXPECT_FLOAT_EQ(logistics.getSpawnTimer(), -1.f);
}

TEST_F(TruckLogisticsTest, ABoughtUnitCallsATruckAfterTheSpawnDelay) {
    logistics().addDelivery(ItemSteel);
    const float waited = runUntilTruck(60.f);
    // The first frame starts the timer, the next ones run it down.
    EXPECT_NEAR(waited, 15.f + Frame, 2 * Frame);
    ASSERT_NE(level->getActiveTruck(), nullptr);
    EXPECT_EQ(level->getActiveTruck(), logistics().getCurrentTruck());
    EXPECT_TRUE(level->getActiveTruck()->isDriving());
    EXPECT_FLOAT_EQ(logistics().getSpawnTimer(), -1.f);
}

TEST_F(TruckLogisticsTest, BoughtGoodsWaitForAGoodsInThatCanTakeThem) {
    level->setZone(ZoneNone, GoodsIn.x, GoodsIn.y);
    logistics().addDelivery(ItemSteel);
    EXPECT_EQ(runUntilTruck(120.f), -1.f);
    level->setZone(ZoneGoodsIn, GoodsIn.x, GoodsIn.y);
    EXPECT_GT(runUntilTruck(60.f), 0.f);
}

TEST_F(TruckLogisticsTest, SoldUnitsNotYetReadyForShippingCallNoTruck) {
    level->addStored(ItemSheetMetal, 3);
    ASSERT_TRUE(level->sellItems(ItemSheetMetal, 3, 60.f));
    EXPECT_EQ(runUntilTruck(120.f), -1.f);
    EXPECT_FLOAT_EQ(logistics().getSpawnTimer(), -1.f);

    // Once one unit waits in goods-out, a truck comes for it.
    level->readyForShippingAdded(ItemSheetMetal);
    EXPECT_GT(runUntilTruck(60.f), 0.f);
}

TEST_F(TruckLogisticsTest, ReadyGoodsOfAnotherTypeCallNoTruck) {
    level->addStored(ItemSheetMetal, 1);
    ASSERT_TRUE(level->sellItems(ItemSheetMetal, 1, 60.f));
    level->readyForShippingAdded(ItemGlass);
    EXPECT_EQ(runUntilTruck(120.f), -1.f);
}

TEST_F(TruckLogisticsTest, OnlyOneTruckAtATime) {
    for (int unit = 0; unit < 5; ++unit) {
        logistics().addDelivery(ItemSteel);
    }
    ASSERT_GE(runUntilTruck(60.f), 0.f);
    Truck* first = level->getActiveTruck();
    // The site has room for one truck: the level turns a second one away.
    Truck second(&logistics());
    EXPECT_FALSE(level->truckArrives(&second));
    EXPECT_FALSE(second.isDriving());
    for (int frame = 0; frame < 2000; ++frame) {
        level->update(Frame);
        EXPECT_EQ(level->getActiveTruck(), logistics().getCurrentTruck());
        if (level->getActiveTruck() != first) {
            break;
        }
    }
}

TEST_F(TruckLogisticsTest, ATruckThatLeftIsDestroyedAndTheSiteIsFreeAgain) {
    logistics().addDelivery(ItemSteel);
    ASSERT_GE(runUntilTruck(60.f), 0.f);
    Truck* truck = level->getActiveTruck();
    for (int frame = 0; frame < 100000 && !truck->isParked(); ++frame) {
        level->update(Frame);
    }
    ASSERT_TRUE(truck->isParked());
    const int driverId = truck->getDriver()->getId();
    EXPECT_EQ(Employee::GetById(driverId), truck->getDriver());
    // The level ends the stop when the driver has nothing left to carry.
    truck->setParked(false);
    for (int frame = 0; frame < 100000 && logistics().getCurrentTruck() != nullptr; ++frame) {
        level->update(Frame);
    }
    EXPECT_EQ(logistics().getCurrentTruck(), nullptr);
    EXPECT_EQ(level->getActiveTruck(), nullptr);
    EXPECT_EQ(Employee::GetById(driverId), nullptr);
}

// A truck the level turns away must not stay behind as the current truck,
// where it would never move and block every later truck.
TEST_F(TruckLogisticsTest, NoTruckIsSentWhileTheSiteIsTakenAndOneComesWhenItIsFree) {
    Truck stranger(nullptr);
    ASSERT_TRUE(level->truckArrives(&stranger));
    logistics().addDelivery(ItemSteel);
    for (int frame = 0; frame < 400; ++frame) {
        level->update(Frame);
        ASSERT_EQ(logistics().getCurrentTruck(), nullptr);
    }
    EXPECT_EQ(level->getActiveTruck(), &stranger);

    level->truckLeft(&stranger);
    ASSERT_GE(runUntilTruck(60.f), 0.f);
    EXPECT_EQ(level->getActiveTruck(), logistics().getCurrentTruck());
}

TEST_F(TruckLogisticsTest, ClearingTheLevelDropsTheTruckAndTheOrders) {
    logistics().addDelivery(ItemSteel);
    logistics().addPickUps(ItemGlass, 2, 75.f);
    ASSERT_GE(runUntilTruck(60.f), 0.f);
    level->clear();
    EXPECT_EQ(level->getActiveTruck(), nullptr);
    EXPECT_EQ(logistics().getCurrentTruck(), nullptr);
    EXPECT_TRUE(logistics().getDeliveryItems().empty());
    EXPECT_TRUE(logistics().getPickUpItems().empty());
    EXPECT_TRUE(logistics().getPickUpItemAmounts().empty());
}
