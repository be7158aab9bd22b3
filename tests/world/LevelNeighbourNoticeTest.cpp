#include "LevelTestSupport.hpp"

#include "world/MetaZone.hpp"

namespace {

// A kitchen of two cells whose meta-zone has just been refreshed.
MetaZone* freshKitchen(Level& level) {
    for (int column : {3, 4}) {
        EXPECT_TRUE(level.setTile(TileFloor, column, 3));
        EXPECT_TRUE(level.setZone(ZoneKitchen, column, 3));
    }
    level.update(0.f);
    MetaZone* kitchen = level.getMetaZoneAt(3, 3);
    EXPECT_NE(kitchen, nullptr);
    EXPECT_FALSE(kitchen->getNeedsRefresh());
    return kitchen;
}

} // namespace

TEST_F(LevelTest, ANewTileNextToARoomMakesItLookAgain) {
    MetaZone* kitchen = freshKitchen(*level);
    ASSERT_NE(kitchen, nullptr);
    ASSERT_TRUE(level->setTile(TileWall, 5, 4));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
}

TEST_F(LevelTest, FurnitureInAndBesideARoomMakesItLookAgain) {
    MetaZone* kitchen = freshKitchen(*level);
    ASSERT_NE(kitchen, nullptr);
    ASSERT_TRUE(level->setTile(TileFloor, 2, 2));
    level->update(0.f);
    ASSERT_FALSE(kitchen->getNeedsRefresh());
    ASSERT_TRUE(level->placeObject(ObjectDoor, 2, 2, 0.f));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
    level->update(0.f);
    ASSERT_TRUE(level->removeObject(2, 2));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
    level->update(0.f);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 4, 3, 0.f));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
    level->update(0.f);
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 4, 3, 0.f));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
    level->update(0.f);
    ASSERT_TRUE(level->removeSurfaceObject(4, 3));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
}

TEST_F(LevelTest, ChangesFarFromARoomLeaveItAlone) {
    MetaZone* kitchen = freshKitchen(*level);
    ASSERT_NE(kitchen, nullptr);
    ASSERT_TRUE(level->setTile(TileWall, 6, 3));
    EXPECT_FALSE(kitchen->getNeedsRefresh());
}

TEST_F(LevelTest, AFrameWithoutTimeStillSplitsRooms) {
    for (int column : {3, 4, 5}) {
        ASSERT_TRUE(level->setTile(TileFloor, column, 3));
        ASSERT_TRUE(level->setZone(ZoneKitchen, column, 3));
    }
    level->update(0.f);
    ASSERT_EQ(level->getMetaZones().size(), 1u);
    ASSERT_TRUE(sellZone(4, 3));
    level->update(0.f);
    EXPECT_EQ(level->getMetaZones().size(), 2u);
    EXPECT_NE(level->getMetaZoneAt(3, 3), level->getMetaZoneAt(5, 3));
}
