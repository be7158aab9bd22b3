#pragma once

#include <cstdint>

// The numeric values of every enumeration here are stored in save files and
// index the sprite atlas. Do not renumber them; gaps are deliberate.

enum TileType : std::int32_t {
    TileGrass = 0,
    TileWall = 1,
    TileFloor = 2,
    TileRoad = 3,
    TileRoadMarking = 4,
};

enum ZoneType : std::int32_t {
    ZoneNone = 0,
    ZoneKitchen = 1,
    ZoneBathroom = 2,
    ZoneOffice = 3,
    ZoneStorage = 4,
    ZoneWorkshop = 5,
    ZoneGoodsIn = 6,
    ZoneGoodsOut = 7,
};

enum GameObjectType : std::int32_t {
    ObjectNone = 0,
    ObjectFridge = 1,
    ObjectToilet = 2,
    ObjectDesk = 3,
    ObjectCoffeeMachine = 4,
    ObjectKitchenCounter = 5,
    ObjectKitchenTable = 6,
    ObjectWorkbench = 7,
    ObjectDoor = 10,
};

// Where a carrying task takes from or brings to when that is no object: a
// storage cell of a zone, or the truck. Tasks keep them in the object type's
// place, and their records save these numbers.
constexpr GameObjectType ZoneMarker = static_cast<GameObjectType>(9);
constexpr GameObjectType TruckMarker = static_cast<GameObjectType>(11);
// A task's place that is an object on the map.
constexpr bool IsObjectMarker(GameObjectType marker) {
    return marker != ZoneMarker && marker != TruckMarker && marker != ObjectNone;
}

// The thousands group the production stages.
enum ItemType : std::int32_t {
    ItemNone = 0,
    ItemSteel = 1000,
    ItemGlass = 1001,
    ItemRubber = 1002,
    ItemAluminium = 1003,
    ItemMagnesium = 1004,
    ItemWood = 1005,
    ItemPetrol = 2000,
    ItemDiesel = 2001,
    ItemSheetMetal = 10000,
    ItemWoodenBoard = 10001,
    ItemTyre = 20000,
    ItemBrake = 20001,
    ItemSuspension = 20002,
    ItemSteering = 20003,
    ItemGearbox = 30000,
    ItemExhaust = 30001,
    ItemEngineBlock = 40000,
    ItemChassis = 100000,
    ItemBody = 101000,
    ItemEngine = 102000,
    ItemCar = 103000,
};

enum TaskType : std::int32_t {
    TaskError = -1,
    TaskNone = 0,
    TaskIdle = 1,
    TaskWait = 2,
    TaskWalk = 3,
    TaskWork = 4,
    TaskEat = 5,
    TaskToilet = 6,
    TaskCoffee = 7,
    TaskSmoke = 8,
    TaskSocial = 9,
    TaskTransport = 10,
    TaskPickUp = 11,
    TaskDeliver = 12,
    // At an office desk; also the work priority entry that admits it.
    TaskResearch = 13,
};

enum NeedType : std::int32_t {
    NeedSmoke = 1,
    NeedToilet = 2,
    NeedFood = 3,
    NeedSocial = 4,
    NeedCoffee = 5,
    NeedWork = 6,
};

// No need: a task that serves none saves 0, a path request made for none -1.
constexpr NeedType NeedNone = static_cast<NeedType>(0);
constexpr NeedType NeedUnset = static_cast<NeedType>(-1);

// Not a type at all: what a tool or icon that stands for none maps to, and
// what lies outside the map. ItemNone, by contrast, is an empty place.
constexpr TileType TileInvalid = static_cast<TileType>(-1);
constexpr ZoneType ZoneInvalid = static_cast<ZoneType>(-1);
constexpr GameObjectType ObjectInvalid = static_cast<GameObjectType>(-1);
constexpr ItemType ItemInvalid = static_cast<ItemType>(-1);

enum SkillType : std::int32_t {
    SkillWalkingSpeed = 0,
    SkillWorkingSpeed = 1,
    SkillResearchSpeed = 2,
};

// The value is the tile edge in pixels.
enum TileSizeType : std::int32_t {
    SIZE32PX = 32,
    SIZE128PX = 128,
};

// The kind of an image button; the cursor and the level dispatch on it.
enum ToolCategory : std::int32_t {
    CategoryTile = 2,
    CategoryZone = 3,
    CategoryObject = 4,
    CategoryItem = 5,
    CategoryDemolish = 6,
    CategoryPanel = 7,
    CategoryAction = 8,
};

// A HUD or dialog icon and the tool or panel behind it; -1 stands for none.
enum GuiElemType : std::int32_t {
    GuiNone = -1,
    GuiBuildGrass = 12,
    GuiBuildWall = 13,
    GuiBuildFloor = 14,
    GuiBuildZoneKitchen = 16,
    GuiBuildZoneBathroom = 17,
    GuiBuildZoneOffice = 18,
    GuiBuildZoneStorage = 19,
    GuiBuildZoneWorkshop = 20,
    GuiBuildZoneGoodsIn = 21,
    GuiBuildZoneGoodsOut = 22,
    GuiBuildFridge = 23,
    GuiBuildToilet = 24,
    GuiBuildDesk = 25,
    GuiBuildKitchenCounter = 26,
    GuiBuildKitchenTable = 27,
    GuiBuildCoffeeMachine = 28,
    GuiBuildWorkbench = 29,
    GuiBuildDoor = 30,
    GuiItemSteel = 31,
    GuiItemGlass = 32,
    GuiItemRubber = 33,
    GuiItemAluminium = 34,
    GuiItemMagnesium = 35,
    GuiItemWood = 36,
    GuiItemPetrol = 37,
    GuiItemDiesel = 38,
    GuiItemSheetMetal = 39,
    GuiItemWoodenBoard = 40,
    GuiItemTyre = 41,
    GuiItemBrake = 42,
    GuiItemSuspension = 43,
    GuiItemSteering = 44,
    GuiItemGearbox = 45,
    GuiItemExhaust = 46,
    GuiItemEngineBlock = 47,
    GuiItemChassis = 48,
    GuiItemBody = 49,
    GuiItemEngine = 50,
    GuiItemCar = 51,
    GuiDemolishZone = 52,
    GuiDemolishObject = 53,
    GuiMainMenu = 54,
    GuiTilesPanel = 55,
    GuiZonesPanel = 56,
    GuiFurniturePanel = 57,
    GuiStaffPanel = 58,
    GuiTradePanel = 59,
    GuiPriceHistory = 60,
    GuiBuyItems = 61,
    GuiSellItems = 62,
    GuiLabourMarket = 63,
    GuiDismissStaff = 64,
    GuiWorkPriorities = 65,
    GuiAddWorker = 66,
    GuiSaveGame = 67,
    GuiStatistics = 68,
    GuiResearch = 70,
};
