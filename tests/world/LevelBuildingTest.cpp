#include "params/PhraseTexts.hpp"

#include "LevelTestSupport.hpp"

#include "../params/CoutCapture.hpp"

namespace {

// A floor cell marked as kitchen, paid for with the level's money.
void layKitchenCell(Level& level, int column, int row) {
    ASSERT_TRUE(level.setTile(TileFloor, column, row));
    ASSERT_TRUE(level.setZone(ZoneKitchen, column, row));
}

} // namespace

TEST_F(LevelTest, TilesCostTheirPrice) {
    EXPECT_TRUE(buyTile(TileFloor, 3, 3));
    EXPECT_EQ(balance(), 20000.0 - 20.0);
    EXPECT_TRUE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(balance(), 20000.0 - 45.0);
    EXPECT_TRUE(buyTile(TileGrass, 3, 3));
    EXPECT_EQ(balance(), 20000.0 - 55.0);
    EXPECT_EQ(level->getTileType(3, 3), TileGrass);
}

TEST_F(LevelTest, TheSameTileAgainIsRefusedForFree) {
    EXPECT_FALSE(buyTile(TileGrass, 3, 3));
    ASSERT_TRUE(buyTile(TileWall, 3, 3));
    const double before = balance();
    EXPECT_FALSE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(balance(), before);
}

TEST_F(LevelTest, NotEnoughMoneyRefusesBeforeAnythingElse) {
    setBalance(24.99);
    EXPECT_FALSE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(level->getTileType(3, 3), TileGrass);
    EXPECT_EQ(balance(), 24.99);
    setBalance(25.0);
    EXPECT_TRUE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(balance(), 0.0);
}

TEST_F(LevelTest, TheStreetRefusesEveryAction) {
    const double before = balance();
    for (int row = 54; row < 60; ++row) {
        const int column = row % 7;
        EXPECT_FALSE(buyTile(TileWall, column, row));
        EXPECT_FALSE(buyTile(TileGrass, column, row));
        EXPECT_FALSE(buyZone(ZoneStorage, column, row));
        EXPECT_FALSE(buyObject(ObjectDoor, column, row));
        EXPECT_FALSE(sellZone(column, row));
        EXPECT_FALSE(sellObject(column, row));
    }
    EXPECT_FALSE(level->tryBuildZone(ZoneNone, px(3), px(54)));
    EXPECT_EQ(balance(), before);
    EXPECT_EQ(level->getTileType(0, 54), TileFloor);
    EXPECT_TRUE(level->getGameObjects().empty());
}

TEST_F(LevelTest, CellsOutsideTheMapRefuseEveryAction) {
    // Column 80 of row 3 must not wrap round into row 4.
    EXPECT_FALSE(buyTile(TileWall, 80, 3));
    EXPECT_EQ(level->getTileType(0, 4), TileGrass);
    EXPECT_FALSE(buyTile(TileWall, 3, 60));
    EXPECT_FALSE(buyObject(ObjectDoor, 80, 3));
    EXPECT_FALSE(sellObject(80, 3));
    EXPECT_EQ(balance(), 20000.0);
}

TEST_F(LevelTest, ZonesNeedFloorAndCostTwentyFive) {
    EXPECT_FALSE(buyZone(ZoneKitchen, 3, 3));
    ASSERT_TRUE(buyTile(TileFloor, 3, 3));
    EXPECT_TRUE(buyZone(ZoneKitchen, 3, 3));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneKitchen);
    EXPECT_EQ(balance(), 20000.0 - 45.0);
    // A cell holds one zone; it is not replaced by another.
    EXPECT_FALSE(buyZone(ZoneOffice, 3, 3));
    EXPECT_EQ(balance(), 20000.0 - 45.0);
}

TEST_F(LevelTest, UnknownZoneTypeIsReported) {
    CoutCapture output;
    EXPECT_FALSE(level->tryBuildZone(ZoneInvalid, px(3), px(3)));
    EXPECT_EQ(output.text(), "level.buildZone(): type unknown\n");
}

TEST_F(LevelTest, SellingAZoneRefundsHalfItsPrice) {
    layKitchenCell(*level, 3, 3);
    EXPECT_TRUE(sellZone(3, 3));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneNone);
    EXPECT_EQ(balance(), 20000.0 + 12.5);
    EXPECT_FALSE(sellZone(3, 3));
    EXPECT_EQ(balance(), 20000.0 + 12.5);
}

TEST_F(LevelTest, AWallOnAnEmptyZoneCellSellsTheZoneFirst) {
    layKitchenCell(*level, 3, 3);
    EXPECT_TRUE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneNone);
    EXPECT_EQ(level->getTileType(3, 3), TileWall);
    EXPECT_EQ(balance(), 20000.0 + 12.5 - 25.0);
}

TEST_F(LevelTest, AWallOnAFurnishedZoneCellIsRefused) {
    layKitchenCell(*level, 3, 3);
    ASSERT_TRUE(level->placeObject(ObjectFridge, 3, 3, 0.f));
    EXPECT_FALSE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneKitchen);
    EXPECT_EQ(level->getTileType(3, 3), TileFloor);
    EXPECT_EQ(balance(), 20000.0);
}

TEST_F(LevelTest, GroundUnderFurnitureOutsideZonesStays) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    ASSERT_TRUE(buyObject(ObjectDoor, 3, 3));
    EXPECT_FALSE(buyTile(TileGrass, 3, 3));
    EXPECT_FALSE(buyTile(TileWall, 3, 3));
    EXPECT_EQ(level->getTileType(3, 3), TileFloor);
}

TEST_F(LevelTest, ObjectsStandOnlyInTheirZoneOnFloor) {
    EXPECT_FALSE(buyObject(ObjectFridge, 3, 3)); // grass
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    EXPECT_FALSE(buyObject(ObjectFridge, 3, 3)); // no zone
    ASSERT_TRUE(level->setZone(ZoneOffice, 3, 3));
    EXPECT_FALSE(buyObject(ObjectFridge, 3, 3));
    EXPECT_TRUE(buyObject(ObjectDesk, 3, 3));
    EXPECT_FALSE(buyObject(ObjectDesk, 3, 3)); // taken
    EXPECT_EQ(balance(), 20000.0 - 120.0);
    EXPECT_FALSE(buyObject(ObjectNone, 4, 4));
    EXPECT_FALSE(buyObject(ObjectInvalid, 4, 4));
}

TEST_F(LevelTest, DoorsStandOnFloorOutsideZones) {
    EXPECT_FALSE(buyObject(ObjectDoor, 3, 3));
    layKitchenCell(*level, 3, 3);
    EXPECT_FALSE(buyObject(ObjectDoor, 3, 3));
    ASSERT_TRUE(level->setTile(TileFloor, 4, 3));
    EXPECT_TRUE(buyObject(ObjectDoor, 4, 3, 90.f));
    EXPECT_EQ(balance(), 20000.0 - 50.0);
    ASSERT_EQ(level->getDoors().size(), 1u);
    EXPECT_EQ(level->getDoors()[0]->getMapPos(), sf::Vector2i(4, 3));
    EXPECT_EQ(level->getDoors()[0], level->getGameObjects()[0].get());
}

TEST_F(LevelTest, CoffeeMachineNeedsAKitchenCounter) {
    layKitchenCell(*level, 3, 3);
    EXPECT_FALSE(buyObject(ObjectCoffeeMachine, 3, 3));
    EXPECT_EQ(level->getSurfaceObjectType(3, 3), ObjectNone);
    ASSERT_TRUE(buyObject(ObjectKitchenCounter, 3, 3));
    EXPECT_TRUE(buyObject(ObjectCoffeeMachine, 3, 3));
    EXPECT_FALSE(buyObject(ObjectCoffeeMachine, 3, 3)); // one per counter
    EXPECT_EQ(balance(), 20000.0 - 150.0 - 15.0);
    ASSERT_EQ(level->getSurfaceObjects().size(), 1u);
    GameObject* machine = level->getSurfaceObjects()[0].get();
    EXPECT_EQ(machine->getPartner(), level->getGameObjects()[0].get());
    EXPECT_EQ(level->getSurfaceObjectType(3, 3), ObjectCoffeeMachine);
}

TEST_F(LevelTest, CoffeeMachineOnATableInTheOffice) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    ASSERT_TRUE(level->setZone(ZoneOffice, 3, 3));
    // The desk is no surface; nothing stands on it.
    ASSERT_TRUE(buyObject(ObjectDesk, 3, 3));
    EXPECT_FALSE(buyObject(ObjectCoffeeMachine, 3, 3));
}

TEST_F(LevelTest, DemolishingACounterTakesTheMachineAlong) {
    layKitchenCell(*level, 3, 3);
    ASSERT_TRUE(buyObject(ObjectKitchenCounter, 3, 3));
    ASSERT_TRUE(buyObject(ObjectCoffeeMachine, 3, 3));
    const double before = balance();
    EXPECT_TRUE(level->demolishObjectWithTool(CategoryDemolish, GuiDemolishObject, px(3), px(3)));
    EXPECT_DOUBLE_EQ(balance(), before + 75.0 + 7.5);
    EXPECT_EQ(level->getObjectType(3, 3), ObjectNone);
    EXPECT_EQ(level->getSurfaceObjectType(3, 3), ObjectNone);
    EXPECT_TRUE(level->getGameObjects().empty());
    EXPECT_TRUE(level->getSurfaceObjects().empty());
    EXPECT_EQ(level->getZoneType(3, 3), ZoneKitchen);
}

TEST_F(LevelTest, RemovingAnObjectReportsWhatStoodOnIt) {
    layKitchenCell(*level, 3, 3);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 3, 3, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 3, 3, 0.f));
    GameObjectType surface = ObjectDoor;
    EXPECT_EQ(level->removeObjectAt(px(3), px(3), surface), ObjectKitchenCounter);
    EXPECT_EQ(surface, ObjectCoffeeMachine);
    EXPECT_EQ(level->removeObjectAt(px(3), px(3), surface), ObjectNone);
    EXPECT_EQ(surface, ObjectNone);
}

TEST_F(LevelTest, DemolishingNothingStillUsesTheTool) {
    EXPECT_TRUE(level->demolishObjectWithTool(CategoryDemolish, GuiDemolishObject, px(3), px(3)));
    EXPECT_FALSE(level->demolishObjectWithTool(CategoryDemolish, GuiDemolishZone, px(3), px(3)));
    EXPECT_FALSE(level->demolishObjectWithTool(CategoryObject, GuiDemolishObject, px(3), px(3)));
    EXPECT_EQ(balance(), 20000.0);
}

TEST_F(LevelTest, DemolishedDoorLeavesTheDoorList) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    ASSERT_TRUE(buyObject(ObjectDoor, 3, 3));
    ASSERT_EQ(level->getDoors().size(), 1u);
    EXPECT_TRUE(sellObject(3, 3));
    EXPECT_TRUE(level->getDoors().empty());
    EXPECT_EQ(balance(), 20000.0 - 25.0);
    level->update(1.f); // must not touch the destroyed door
}

TEST_F(LevelTest, BuildDispatchesOnTheTool) {
    EXPECT_TRUE(level->build(CategoryTile, GuiBuildFloor, 0.f, px(3), px(3)));
    EXPECT_EQ(level->getTileType(3, 3), TileFloor);
    EXPECT_TRUE(level->build(CategoryZone, GuiBuildZoneWorkshop, 0.f, px(3), px(3)));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneWorkshop);
    EXPECT_TRUE(level->build(CategoryObject, GuiBuildWorkbench, 270.f, px(3), px(3)));
    EXPECT_EQ(level->getObjectType(3, 3), ObjectWorkbench);
    EXPECT_EQ(level->getGameObjects()[0]->getRotation(), 270.f);
    EXPECT_FALSE(level->build(CategoryDemolish, GuiDemolishObject, 0.f, px(3), px(3)));
    EXPECT_FALSE(level->build(CategoryTile, GuiBuildDesk, 0.f, px(4), px(4)));
    EXPECT_FALSE(level->build(CategoryPanel, GuiBuildFloor, 0.f, px(4), px(4)));
    EXPECT_FALSE(level->build(CategoryDemolish, GuiDemolishZone, 0.f, px(4), px(4)));
    EXPECT_EQ(balance(), 20000.0 - 20.0 - 25.0 - 250.0);
}

TEST_F(LevelTest, DemolishZoneToolSellsTheZone) {
    layKitchenCell(*level, 3, 3);
    EXPECT_TRUE(level->build(CategoryDemolish, GuiDemolishZone, 0.f, px(3), px(3)));
    EXPECT_EQ(level->getZoneType(3, 3), ZoneNone);
    EXPECT_EQ(balance(), 20000.0 + 12.5);
}

TEST_F(LevelTest, PathWeightsFollowEveryChange) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    EXPECT_EQ(weight(3, 3), 1.f);
    ASSERT_TRUE(level->setTile(TileWall, 3, 3));
    EXPECT_EQ(weight(3, 3), 0.f);
    ASSERT_TRUE(level->setTile(TileGrass, 3, 3));
    EXPECT_EQ(weight(3, 3), 0.5f);

    layKitchenCell(*level, 4, 4);
    EXPECT_EQ(weight(4, 4), 1.f);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 4, 4, 0.f));
    EXPECT_EQ(weight(4, 4), 0.f);
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 4, 4, 0.f));
    EXPECT_EQ(weight(4, 4), 0.f);
    ASSERT_TRUE(level->removeSurfaceObject(4, 4));
    EXPECT_EQ(weight(4, 4), 0.f);
    ASSERT_TRUE(level->removeObject(4, 4));
    EXPECT_EQ(weight(4, 4), 1.f);

    // Toilets and doors are walked through.
    ASSERT_TRUE(level->placeObject(ObjectToilet, 4, 4, 0.f));
    EXPECT_EQ(weight(4, 4), 1.f);
    ASSERT_TRUE(level->removeObject(4, 4));
    ASSERT_TRUE(level->placeObject(ObjectDoor, 4, 4, 0.f));
    EXPECT_EQ(weight(4, 4), 1.f);
}

TEST_F(LevelTest, SurfaceEntryWithoutABaseBlocksTheCell) {
    ASSERT_TRUE(level->setTile(TileFloor, 3, 3));
    EXPECT_FALSE(level->placeSurfaceObject(ObjectCoffeeMachine, 3, 3, 0.f));
    EXPECT_EQ(level->getSurfaceObjectType(3, 3), ObjectCoffeeMachine);
    EXPECT_TRUE(level->getSurfaceObjects().empty());
    EXPECT_EQ(weight(3, 3), 0.f);
}

TEST_F(LevelTest, ObjectsAreFoundOnTheirCell) {
    layKitchenCell(*level, 3, 3);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 3, 3, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 3, 3, 0.f));
    GameObject* counter = level->getGameObjects()[0].get();
    GameObject* machine = level->getSurfaceObjects()[0].get();
    EXPECT_EQ(level->getObjectAtMapPosition(3, 3), counter);
    EXPECT_EQ(level->findObjectOnCell(ObjectNone, 3, 3), machine);
    EXPECT_EQ(level->findObjectOnCell(ObjectKitchenCounter, 3, 3), counter);
    EXPECT_EQ(level->findObjectOnCell(ObjectCoffeeMachine, 3, 3), machine);
    EXPECT_EQ(level->findObjectOnCell(ObjectFridge, 3, 3), nullptr);
    EXPECT_EQ(level->getObjectAtMapPosition(2, 3), nullptr);
    EXPECT_EQ(level->findObjectOnCell(ObjectNone, 2, 3), nullptr);
    // One part for each thing on the cell, with a rule between them; the room
    // follows, as it lacks a door and a fridge.
    const std::string rule = GameParams::Phrases::TooltipRule;
    EXPECT_EQ(
        level->tooltipText(px(3), px(3), 3, 3)
            .rfind("Typ: Kaffeemaschine\n" + rule + "\nTyp: Küchenzeile\n" + rule + "\nRaum: Küche",
                   0),
        0u);
    EXPECT_EQ(level->tooltipText(px(2), px(3), 2, 3), "");
}
