#include "params/Graphics.hpp"

#include "params/Random.hpp"
#include "params/ToolMappings.hpp"

#include <cstdint>
#include <iostream>

// The 128-pixel atlas, the one the game ships. Every rectangle is one tile
// (128 x 128) unless a table says otherwise.
namespace GameParams::Graphics::SIZE128PX {

namespace {

constexpr int Tile = 128;
constexpr int TileRowTop = 0;
constexpr int ZoneRowTop = 256;
constexpr int ObjectRowTop = 512;
constexpr int ItemRowTop = 1024;
constexpr int GuiRowTop = 3584;
constexpr int CursorRowTop = 3968;

// Rare tile variants, out of 1000 rolls: grass has two (below 5 and below
// 10), floor one (below 50), so a large lawn or hall never looks tiled.
constexpr int GrassFlowersBelow = 5;
constexpr int GrassStonesBelow = 10;
constexpr int FloorStainBelow = 50;

sf::IntRect TileAt(int left, int top) {
    return {left, top, Tile, Tile};
}

void Report(const char* what) {
    std::cout << "GameParams::Graphics::SIZE128PX::GetTexture() - " << what << std::endl;
}

} // namespace

sf::IntRect GetFallbackTexture() {
    return TileAt(0, ZoneRowTop);
}

sf::IntRect GetTileTexture(TileType type, int roll) {
    switch (type) {
    case TileGrass:
        if (roll < GrassFlowersBelow) {
            return TileAt(640, TileRowTop);
        }
        if (roll < GrassStonesBelow) {
            return TileAt(768, TileRowTop);
        }
        return TileAt(0, TileRowTop);
    case TileWall:
        return TileAt(256, TileRowTop);
    case TileFloor:
        return TileAt(roll < FloorStainBelow ? 896 : 128, TileRowTop);
    case TileRoad:
        return TileAt(384, TileRowTop);
    case TileRoadMarking:
        return TileAt(512, TileRowTop);
    }
    Report("TileType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(TileType type) {
    // Only the tiles with variants consume a random number.
    int roll = 0;
    if (type == TileGrass || type == TileFloor) {
        roll = Random() % 1000;
    }
    return GetTileTexture(type, roll);
}

int CellRoll(int column, int row) {
    // A few multiply-xorshift rounds: neighbouring cells get unrelated rolls.
    std::uint32_t h = static_cast<std::uint32_t>(column) * 0x9E3779B1u ^
                      static_cast<std::uint32_t>(row) * 0x85EBCA77u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<int>(h % 1000u);
}

sf::IntRect GetTexture(TileType type, int column, int row) {
    // The roll is still drawn, and thrown away: every later draw of the game
    // (market, names, applicants) follows the sequence it always had.
    GetTexture(type);
    return GetTileTexture(type, CellRoll(column, row));
}

sf::IntRect GetTexture(ZoneType type) {
    switch (type) {
    case ZoneNone:
        return TileAt(0, ZoneRowTop);
    case ZoneKitchen:
        return TileAt(256, ZoneRowTop);
    case ZoneBathroom:
        return TileAt(128, ZoneRowTop);
    case ZoneOffice:
        return TileAt(384, ZoneRowTop);
    case ZoneStorage:
        return TileAt(512, ZoneRowTop);
    case ZoneWorkshop:
        return TileAt(640, ZoneRowTop);
    case ZoneGoodsIn:
        return TileAt(768, ZoneRowTop);
    case ZoneGoodsOut:
        return TileAt(896, ZoneRowTop);
    }
    Report("ZoneType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(GameObjectType type) {
    switch (type) {
    case ObjectNone:
        return GetFallbackTexture();
    case ObjectFridge:
        return TileAt(128, ObjectRowTop);
    case ObjectToilet:
        return TileAt(512, ObjectRowTop);
    case ObjectDesk:
        return TileAt(0, ObjectRowTop);
    case ObjectCoffeeMachine:
        return TileAt(640, ObjectRowTop);
    case ObjectKitchenCounter:
        return TileAt(256, ObjectRowTop);
    case ObjectKitchenTable:
        return TileAt(384, ObjectRowTop);
    case ObjectWorkbench:
        return TileAt(768, ObjectRowTop);
    case ObjectDoor:
        return TileAt(896, ObjectRowTop);
    }
    Report("GameObjectType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(ItemType type) {
    switch (type) {
    case ItemSteel:
        return TileAt(0, ItemRowTop);
    case ItemGlass:
        return TileAt(256, ItemRowTop);
    case ItemRubber:
        return TileAt(128, ItemRowTop);
    case ItemAluminium:
        return TileAt(384, ItemRowTop);
    case ItemMagnesium:
        return TileAt(512, ItemRowTop);
    case ItemWood:
        return TileAt(640, ItemRowTop);
    case ItemPetrol:
        return TileAt(768, ItemRowTop);
    case ItemDiesel:
        return TileAt(896, ItemRowTop);
    case ItemSheetMetal:
        return TileAt(1024, ItemRowTop);
    case ItemWoodenBoard:
        return TileAt(1152, ItemRowTop);
    case ItemTyre:
        return TileAt(1280, ItemRowTop);
    case ItemBrake:
        return TileAt(1408, ItemRowTop);
    case ItemSuspension:
        return TileAt(1536, ItemRowTop);
    case ItemSteering:
        return TileAt(1664, ItemRowTop);
    case ItemGearbox:
        return TileAt(1792, ItemRowTop);
    case ItemExhaust:
        return TileAt(1920, ItemRowTop);
    case ItemEngineBlock:
        return TileAt(2048, ItemRowTop);
    case ItemChassis:
        return TileAt(2176, ItemRowTop);
    case ItemBody:
        return TileAt(2304, ItemRowTop);
    case ItemEngine:
        return TileAt(2432, ItemRowTop);
    case ItemCar:
        return TileAt(2560, ItemRowTop);
    case ItemNone:
        break;
    }
    // Items are drawn in many places where "none" is normal; stay quiet.
    return GetFallbackTexture();
}

sf::IntRect GetTexture(GuiElemType type) {
    // The build tools and item icons show what they build or stand for.
    const TileType tile = GetTileTypeForTool(type);
    if (tile != TileInvalid) {
        return GetTexture(tile);
    }
    const ZoneType zone = GetZoneTypeForTool(type);
    if (zone != ZoneInvalid) {
        return GetTexture(zone);
    }
    const GameObjectType object = GetObjectTypeForTool(type);
    if (object != ObjectInvalid) {
        return GetTexture(object);
    }
    const ItemType item = GetItemTypeForIcon(type);
    if (item != ItemInvalid) {
        return GetTexture(item);
    }
    switch (type) {
    case GuiDemolishZone:
    case GuiDemolishObject:
        return TileAt(1408, GuiRowTop);
    case GuiTilesPanel:
        return TileAt(0, GuiRowTop);
    case GuiZonesPanel:
        return TileAt(128, GuiRowTop);
    case GuiFurniturePanel:
        return TileAt(256, GuiRowTop);
    case GuiStaffPanel:
        return TileAt(384, GuiRowTop);
    case GuiTradePanel:
        return TileAt(512, GuiRowTop);
    case GuiPriceHistory:
        return TileAt(1152, GuiRowTop);
    case GuiBuyItems:
        return TileAt(1024, GuiRowTop);
    case GuiSellItems:
        return TileAt(1280, GuiRowTop);
    case GuiLabourMarket:
        return TileAt(640, GuiRowTop);
    case GuiDismissStaff:
        return TileAt(896, GuiRowTop);
    case GuiWorkPriorities:
        return TileAt(768, GuiRowTop);
    case GuiStatistics:
        return TileAt(2560, GuiRowTop);
    case GuiResearch:
        return TileAt(2432, GuiRowTop);
    default:
        break;
    }
    std::cout << "GameParams::Graphics::SIZE128PX::GetTexture() - GuiElemType unknown: "
              << static_cast<int>(type) << std::endl;
    return GetFallbackTexture();
}

sf::IntRect GetTexture(TaskType type) {
    // Tasks have no pictures of their own yet.
    if (type >= TaskError && type <= TaskResearch) {
        return GetFallbackTexture();
    }
    Report("TaskType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTruckTexture() {
    return {0, 2176, 384, 256};
}

sf::IntRect GetTruckTireTexture() {
    return TileAt(0, 2432);
}

sf::Vector2f GetTruckTireOffset(int wheel) {
    switch (wheel) {
    case 0:
        return {82.905502f, 217.815506f};
    case 1:
        return {306.551514f, 217.815506f};
    default:
        return {0.f, 0.f};
    }
}

sf::Vector2f GetTruckDriverOffset() {
    return {270.f, 112.f};
}

sf::Vector2i GetWhitePixelTexture() {
    return {580, 64};
}

CursorTextureMap GetCursorTexture() {
    return {{"white", TileAt(0, CursorRowTop)},
            {"red", TileAt(128, CursorRowTop)},
            {"black", TileAt(256, CursorRowTop)}};
}

sf::Vector2i GetSize() {
    return {Tile, Tile};
}

} // namespace GameParams::Graphics::SIZE128PX
