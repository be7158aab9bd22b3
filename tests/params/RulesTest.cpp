#include "params/Rules.hpp"

#include "params/ItemTypes.hpp"
#include "params/Prices.hpp"
#include "params/Seasons.hpp"
#include "params/ToolMappings.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace GameParams;

// Save files and the atlas store these numbers; a renumbering breaks both.
TEST(EnumerationValues, AreTheStoredNumbers) {
    const std::vector<std::pair<int, int>> values = {
        {TileGrass, 0},
        {TileWall, 1},
        {TileFloor, 2},
        {TileRoad, 3},
        {TileRoadMarking, 4},
        {ZoneNone, 0},
        {ZoneKitchen, 1},
        {ZoneBathroom, 2},
        {ZoneOffice, 3},
        {ZoneStorage, 4},
        {ZoneWorkshop, 5},
        {ZoneGoodsIn, 6},
        {ZoneGoodsOut, 7},
        {ObjectNone, 0},
        {ObjectFridge, 1},
        {ObjectToilet, 2},
        {ObjectDesk, 3},
        {ObjectCoffeeMachine, 4},
        {ObjectKitchenCounter, 5},
        {ObjectKitchenTable, 6},
        {ObjectWorkbench, 7},
        {ObjectDoor, 10},
        {TaskError, -1},
        {TaskNone, 0},
        {TaskIdle, 1},
        {TaskWait, 2},
        {TaskWalk, 3},
        {TaskWork, 4},
        {TaskEat, 5},
        {TaskToilet, 6},
        {TaskCoffee, 7},
        {TaskSmoke, 8},
        {TaskSocial, 9},
        {TaskTransport, 10},
        {TaskPickUp, 11},
        {TaskDeliver, 12},
        {NeedSmoke, 1},
        {NeedToilet, 2},
        {NeedFood, 3},
        {NeedSocial, 4},
        {NeedCoffee, 5},
        {NeedWork, 6},
        {SkillWalkingSpeed, 0},
        {SkillWorkingSpeed, 1},
        {SkillResearchSpeed, 2},
        {SIZE32PX, 32},
        {SIZE128PX, 128},
        {CategoryTile, 2},
        {CategoryZone, 3},
        {CategoryObject, 4},
        {CategoryItem, 5},
        {CategoryDemolish, 6},
        {CategoryPanel, 7},
        {CategoryAction, 8},
        {GuiNone, -1},
        {GuiBuildGrass, 12},
        {GuiBuildFloor, 14},
        {GuiBuildZoneKitchen, 16},
        {GuiBuildZoneGoodsOut, 22},
        {GuiBuildFridge, 23},
        {GuiBuildCoffeeMachine, 28},
        {GuiBuildDoor, 30},
        {GuiItemSteel, 31},
        {GuiItemCar, 51},
        {GuiDemolishZone, 52},
        {GuiMainMenu, 54},
        {GuiWorkPriorities, 65},
        {GuiAddWorker, 66},
        {GuiSaveGame, 67},
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].first, values[i].second) << "entry " << i;
    }
}

TEST(EnumerationValues, ItemTypesInCanonicalOrder) {
    const std::vector<int> expected = {1000,  1001,  1002,  1003,   1004,   1005,   2000,
                                       2001,  10000, 10001, 20000,  20001,  20002,  20003,
                                       30000, 30001, 40000, 100000, 101000, 102000, 103000};
    const std::vector<ItemType>& items = GetAllItemTypes();
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i], expected[i]) << "position " << i;
    }
    EXPECT_FALSE(IsItemType(ItemNone));
}

TEST(EnumerationValues, SeasonNames) {
    EXPECT_EQ(GetSeasonNames(),
              (std::vector<std::string>{"Frühling", "Sommer", "Herbst", "Winter"}));
}

TEST(TileRules, WalkFactors) {
    EXPECT_FLOAT_EQ(GetWalkFactor(TileGrass), 0.5f);
    EXPECT_FLOAT_EQ(GetWalkFactor(TileFloor), 1.0f);
    for (int blocked : {1, 3, 4, 5, -1}) {
        EXPECT_FLOAT_EQ(GetWalkFactor(static_cast<TileType>(blocked)), 0.f) << blocked;
    }
}

TEST(ItemRules, ProductionDurationsAndStorage) {
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemSteel), 30.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemGlass), 45.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemWood), 15.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemWoodenBoard), 15.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemSteering), 60.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemCar), 120.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(ItemNone), 999999.f);
    EXPECT_FLOAT_EQ(GetProductionDuration(static_cast<ItemType>(1006)), 999999.f);

    EXPECT_EQ(GetItemsPerZoneCell(ItemSteel), 5u);
    EXPECT_EQ(GetItemsPerZoneCell(ItemCar), 5u);
    EXPECT_EQ(GetItemsPerZoneCell(ItemNone), 0u);
}

TEST(ObjectRules, TypeParameters) {
    struct Row {
        int type;
        bool isSurface, needsSurface;
        int position, facing;
        bool isProducer;
    };
    const Row rows[] = {
        {1, false, false, 4, 2, false}, {2, false, false, 5, 4, false},
        {3, false, false, 3, 1, false}, {4, false, true, 7, 6, false},
        {5, true, false, 4, 2, false},  {6, true, false, 6, 5, false},
        {7, false, false, 6, 5, true},  {10, false, false, 6, 5, false},
        {0, false, false, 0, 0, false}, {8, false, false, 0, 0, false},
    };
    for (const Row& row : rows) {
        const ObjectTypeParams params = GetObjectTypeParams(static_cast<GameObjectType>(row.type));
        EXPECT_EQ(params.type, row.type);
        EXPECT_EQ(params.isSurface, row.isSurface) << row.type;
        EXPECT_EQ(params.needsSurface, row.needsSurface) << row.type;
        EXPECT_EQ(params.usagePositionRule, row.position) << row.type;
        EXPECT_EQ(params.usageFacingRule, row.facing) << row.type;
        EXPECT_EQ(params.isProducer, row.isProducer) << row.type;
    }
}

TEST(PlacementRules, ZonesOnlyOnFloor) {
    for (int tile = 0; tile <= 4; ++tile) {
        EXPECT_TRUE(CanPlaceZoneOnTile(ZoneNone, static_cast<TileType>(tile)));
        for (int zone = 1; zone <= 7; ++zone) {
            EXPECT_EQ(CanPlaceZoneOnTile(static_cast<ZoneType>(zone), static_cast<TileType>(tile)),
                      tile == TileFloor)
                << "zone " << zone << " tile " << tile;
        }
    }
    EXPECT_FALSE(CanPlaceZoneOnTile(static_cast<ZoneType>(8), TileFloor));
    EXPECT_FALSE(CanPlaceZoneOnTile(ZoneInvalid, TileFloor));
}

TEST(PlacementRules, ObjectsInMatchingZones) {
    const GameObjectType objects[] = {ObjectNone,          ObjectFridge,
                                      ObjectToilet,        ObjectDesk,
                                      ObjectCoffeeMachine, ObjectKitchenCounter,
                                      ObjectKitchenTable,  ObjectWorkbench,
                                      ObjectDoor,          static_cast<GameObjectType>(8)};
    // Rows: objects above; columns: zone types 0-7.
    const bool allowed[][8] = {
        {1, 1, 1, 1, 1, 1, 1, 1}, {0, 1, 0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0, 0, 0},
        {0, 0, 0, 1, 0, 0, 0, 0}, {0, 1, 0, 1, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 0, 0},
        {0, 1, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (std::size_t o = 0; o < std::size(objects); ++o) {
        for (int zone = 0; zone < 8; ++zone) {
            EXPECT_EQ(CanPlaceObjectInZone(objects[o], static_cast<ZoneType>(zone)),
                      allowed[o][zone])
                << "object " << objects[o] << " zone " << zone;
        }
    }
}

TEST(NeedRules, ObjectsAndTasksServingANeed) {
    using Objects = std::vector<GameObjectType>;
    using Tasks = std::vector<TaskType>;
    EXPECT_EQ(GetObjectTypesForNeed(NeedToilet), Objects{ObjectToilet});
    EXPECT_EQ(GetObjectTypesForNeed(NeedFood), Objects{ObjectFridge});
    EXPECT_EQ(GetObjectTypesForNeed(NeedCoffee), Objects{ObjectCoffeeMachine});
    EXPECT_EQ(GetObjectTypesForNeed(NeedWork), (Objects{ObjectDesk, ObjectWorkbench}));
    EXPECT_TRUE(GetObjectTypesForNeed(NeedSmoke).empty());
    EXPECT_TRUE(GetObjectTypesForNeed(NeedSocial).empty());
    EXPECT_TRUE(GetObjectTypesForNeed(NeedNone).empty());

    EXPECT_EQ(GetTaskTypesForNeed(NeedToilet), Tasks{TaskToilet});
    EXPECT_EQ(GetTaskTypesForNeed(NeedFood), Tasks{TaskEat});
    EXPECT_EQ(GetTaskTypesForNeed(NeedCoffee), Tasks{TaskCoffee});
    EXPECT_EQ(GetTaskTypesForNeed(NeedWork), (Tasks{TaskWork, TaskTransport, TaskResearch}));
    EXPECT_TRUE(GetTaskTypesForNeed(NeedSmoke).empty());
    EXPECT_TRUE(GetTaskTypesForNeed(NeedSocial).empty());
}

TEST(NeedRules, TasksThatOccupyTheirTile) {
    for (int task = TaskError; task <= TaskResearch; ++task) {
        const bool passesThrough = task == TaskNone || task == TaskWalk || task == TaskTransport ||
                                   task == TaskPickUp || task == TaskDeliver || task == TaskError;
        EXPECT_EQ(IsTileOccupyingTask(static_cast<TaskType>(task)), !passesThrough) << task;
    }
    EXPECT_EQ(GetDefaultWorkPriorities(), (std::vector<int>{3, 4, 13}));
}

TEST(ToolMappings, ToolsAndTypes) {
    EXPECT_EQ(GetTileTypeForTool(GuiBuildGrass), TileGrass);
    EXPECT_EQ(GetTileTypeForTool(GuiBuildWall), TileWall);
    EXPECT_EQ(GetTileTypeForTool(GuiBuildFloor), TileFloor);
    EXPECT_EQ(GetTileTypeForTool(static_cast<GuiElemType>(15)), -1);

    for (int tool = 16; tool <= 22; ++tool) {
        EXPECT_EQ(GetZoneTypeForTool(static_cast<GuiElemType>(tool)), tool - 15);
    }
    EXPECT_EQ(GetZoneTypeForTool(static_cast<GuiElemType>(15)), -1);
    EXPECT_EQ(GetZoneTypeForTool(GuiBuildFridge), -1);

    const std::pair<int, int> objectTools[] = {{23, 1}, {24, 2}, {25, 3}, {26, 5},
                                               {27, 6}, {28, 4}, {29, 7}, {30, 10}};
    for (auto [tool, type] : objectTools) {
        EXPECT_EQ(GetObjectTypeForTool(static_cast<GuiElemType>(tool)), type);
        EXPECT_EQ(GetToolForObjectType(static_cast<GameObjectType>(type)), tool);
    }
    EXPECT_EQ(GetObjectTypeForTool(GuiItemSteel), -1);
    EXPECT_EQ(GetToolForObjectType(ObjectNone), -1);
    EXPECT_EQ(GetToolForObjectType(static_cast<GameObjectType>(8)), -1);

    const std::vector<ItemType>& items = GetAllItemTypes();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto icon = static_cast<GuiElemType>(31 + static_cast<int>(i));
        EXPECT_EQ(GetItemTypeForIcon(icon), items[i]);
        EXPECT_EQ(GetIconForItemType(items[i]), icon);
    }
    EXPECT_EQ(GetItemTypeForIcon(GuiBuildDoor), -1);
    EXPECT_EQ(GetItemTypeForIcon(GuiDemolishZone), -1);
    EXPECT_EQ(GetIconForItemType(ItemNone), -1);
}

TEST(Prices, PricesAndRefunds) {
    EXPECT_FLOAT_EQ(GetTilePrice(TileGrass), 10.f);
    EXPECT_FLOAT_EQ(GetTilePrice(TileWall), 25.f);
    EXPECT_FLOAT_EQ(GetTilePrice(TileFloor), 20.f);
    EXPECT_FLOAT_EQ(GetTilePrice(TileRoad), 0.f);
    EXPECT_FLOAT_EQ(GetTilePrice(TileInvalid), 0.f);
    for (int zone = 1; zone <= 7; ++zone) {
        EXPECT_FLOAT_EQ(GetZonePrice(static_cast<ZoneType>(zone)), 25.f);
        EXPECT_FLOAT_EQ(GetZoneRefund(static_cast<ZoneType>(zone)), 12.5f);
    }
    EXPECT_FLOAT_EQ(GetZonePrice(ZoneNone), 0.f);
    EXPECT_FLOAT_EQ(GetZoneRefund(ZoneNone), 0.f);
    EXPECT_FLOAT_EQ(GetZoneRefund(ZoneInvalid), 0.f);

    const std::pair<GameObjectType, float> objects[] = {{ObjectFridge, 100.f},
                                                        {ObjectToilet, 50.f},
                                                        {ObjectDesk, 120.f},
                                                        {ObjectCoffeeMachine, 15.f},
                                                        {ObjectKitchenCounter, 150.f},
                                                        {ObjectKitchenTable, 50.f},
                                                        {ObjectWorkbench, 250.f},
                                                        {ObjectDoor, 50.f},
                                                        {ObjectNone, 0.f},
                                                        {ZoneMarker, 0.f}};
    for (auto [type, price] : objects) {
        EXPECT_FLOAT_EQ(GetObjectPrice(type), price) << type;
        EXPECT_FLOAT_EQ(GetObjectRefund(type), price / 2) << type;
    }
}
