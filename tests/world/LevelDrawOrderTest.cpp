#include "LevelTestSupport.hpp"

#include <vector>

namespace {

std::vector<const sf::Drawable*> drawOrder(const Level& level) {
    std::vector<const sf::Drawable*> order;
    level.forEachInDrawOrder([&](const sf::Drawable& drawable) { order.push_back(&drawable); });
    return order;
}

} // namespace

TEST_F(LevelTest, ObjectsAreKeptSortedByRowThenColumn) {
    for (const sf::Vector2i& cell : {sf::Vector2i(5, 4), sf::Vector2i(2, 4), sf::Vector2i(9, 1)}) {
        ASSERT_TRUE(level->setTile(TileFloor, cell.x, cell.y));
        ASSERT_TRUE(level->placeObject(ObjectDoor, cell.x, cell.y, 0.f));
    }
    const auto& objects = level->getGameObjects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]->getMapPos(), sf::Vector2i(9, 1));
    EXPECT_EQ(objects[1]->getMapPos(), sf::Vector2i(2, 4));
    EXPECT_EQ(objects[2]->getMapPos(), sf::Vector2i(5, 4));
}

TEST_F(LevelTest, AtEqualRowTheFloorObjectIsDrawnBeforeWhatStandsOnIt) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    ASSERT_TRUE(level->setTile(TileFloor, 4, 3));
    ASSERT_TRUE(level->setTile(TileFloor, 1, 5));
    ASSERT_TRUE(level->setZone(ZoneKitchen, 3, 3));
    ASSERT_TRUE(level->setZone(ZoneKitchen, 4, 3));
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 4, 3, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 4, 3, 0.f));
    ASSERT_TRUE(level->placeObject(ObjectKitchenTable, 3, 3, 0.f));
    ASSERT_TRUE(level->placeObject(ObjectDoor, 1, 5, 0.f));

    const GameObject* table = level->findObjectOnCell(ObjectKitchenTable, 3, 3);
    const GameObject* counter = level->findObjectOnCell(ObjectKitchenCounter, 4, 3);
    const GameObject* machine = level->findObjectOnCell(ObjectCoffeeMachine, 4, 3);
    const GameObject* door = level->findObjectOnCell(ObjectDoor, 1, 5);
    const std::vector<const sf::Drawable*> expected = {table, counter, machine, door};
    EXPECT_EQ(drawOrder(*level), expected);
}

TEST_F(LevelTest, SurfaceObjectsAboveFloorObjectsAreDrawnFirst) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 2));
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    ASSERT_TRUE(level->setZone(ZoneKitchen, 3, 2));
    ASSERT_TRUE(level->setZone(ZoneKitchen, 3, 3));
    ASSERT_TRUE(level->placeObject(ObjectFridge, 3, 3, 0.f));
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 3, 2, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 3, 2, 0.f));
    const std::vector<const sf::Drawable*> expected = {
        level->findObjectOnCell(ObjectKitchenCounter, 3, 2),
        level->findObjectOnCell(ObjectCoffeeMachine, 3, 2),
        level->findObjectOnCell(ObjectFridge, 3, 3)};
    EXPECT_EQ(drawOrder(*level), expected);
}
