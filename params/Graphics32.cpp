#include "params/Graphics.hpp"

#include "params/ToolMappings.hpp"

#include <iostream>

// The older 32-pixel layout. The game no longer loads it, so it lacks the
// later pictures (road tiles, trucks, employees, most panel icons).
namespace GameParams::Graphics::SIZE32PX {

namespace {

constexpr int Tile = 32;
constexpr int TileColumn = 180;
constexpr int ZoneColumn = 212;
constexpr int ObjectColumn = 244;

sf::IntRect TileAt(int left, int top) {
    return {left, top, Tile, Tile};
}

void Report(const char* what) {
    std::cout << "GameParams::Graphics::SIZE32PX::GetTexture() - " << what << std::endl;
}

void ReportMissing(const char* function) {
    std::cout << "GameParams::Graphics::SIZE32PX::" << function << "() - not implemented!"
              << std::endl;
}

} // namespace

sf::IntRect GetFallbackTexture() {
    return TileAt(ZoneColumn, 0);
}

sf::IntRect GetTexture(TileType type) {
    switch (type) {
    case TileGrass:
        return TileAt(TileColumn, 64);
    case TileWall:
        return TileAt(TileColumn, 96);
    case TileFloor:
        return TileAt(TileColumn, 128);
    default:
        break;
    }
    Report("TileType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(TileType type, int /*column*/, int /*row*/) {
    // The small atlas has no variants.
    return GetTexture(type);
}

sf::IntRect GetTexture(ZoneType type) {
    switch (type) {
    case ZoneNone:
        return TileAt(ZoneColumn, 0);
    case ZoneKitchen:
        return TileAt(ZoneColumn, 64);
    case ZoneBathroom:
        return TileAt(ZoneColumn, 32);
    case ZoneOffice:
        return TileAt(ZoneColumn, 96);
    case ZoneStorage:
        return TileAt(ZoneColumn, 128);
    case ZoneWorkshop:
        return TileAt(ZoneColumn, 160);
    default:
        break;
    }
    Report("ZoneType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(GameObjectType type) {
    switch (type) {
    case ObjectNone:
        return GetFallbackTexture();
    case ObjectFridge:
        return TileAt(ObjectColumn, 32);
    case ObjectToilet:
        return TileAt(ObjectColumn, 128);
    case ObjectDesk:
        return TileAt(ObjectColumn, 0);
    case ObjectCoffeeMachine:
        return TileAt(ObjectColumn, 160);
    case ObjectKitchenCounter:
        return TileAt(ObjectColumn, 64);
    case ObjectKitchenTable:
        return TileAt(ObjectColumn, 96);
    case ObjectWorkbench:
        return TileAt(ObjectColumn, 192);
    case ObjectDoor:
        return {ObjectColumn, 224, 128, 128};
    }
    Report("GameObjectType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(ItemType type) {
    switch (type) {
    case ItemSteel:
        return TileAt(276, 0);
    case ItemGlass:
        return TileAt(276, 64);
    case ItemRubber:
        return TileAt(276, 32);
    case ItemAluminium:
        return TileAt(276, 96);
    case ItemMagnesium:
        return TileAt(276, 128);
    case ItemWood:
        return TileAt(276, 160);
    case ItemPetrol:
        return TileAt(308, 0);
    case ItemDiesel:
        return TileAt(308, 32);
    case ItemSheetMetal:
        return TileAt(340, 0);
    case ItemWoodenBoard:
        return TileAt(340, 32);
    case ItemTyre:
        return TileAt(372, 0);
    case ItemBrake:
        return TileAt(372, 32);
    case ItemSuspension:
        return TileAt(372, 64);
    case ItemSteering:
        return TileAt(372, 96);
    case ItemGearbox:
        return TileAt(404, 0);
    case ItemExhaust:
        return TileAt(404, 32);
    case ItemEngineBlock:
        return TileAt(436, 0);
    case ItemChassis:
        return TileAt(468, 0);
    case ItemBody:
        return TileAt(500, 0);
    case ItemEngine:
        return TileAt(532, 0);
    case ItemCar:
        return TileAt(564, 0);
    case ItemNone:
        break;
    }
    return GetFallbackTexture();
}

sf::IntRect GetTexture(GuiElemType type) {
    // Only the first five zone tools existed when this layout was drawn.
    const bool knownZoneTool = type >= GuiBuildZoneKitchen && type <= GuiBuildZoneWorkshop;
    const TileType tile = GetTileTypeForTool(type);
    const GameObjectType object = GetObjectTypeForTool(type);
    if (tile != -1) {
        return GetTexture(tile);
    }
    if (knownZoneTool) {
        return GetTexture(GetZoneTypeForTool(type));
    }
    if (object != -1) {
        return GetTexture(object);
    }
    switch (static_cast<int>(type)) {
    case 0:
        return {0, 0, 100, 720};
    case 9:
        return {100, 0, 80, 32};
    case 10:
        return {100, 32, 80, 32};
    case 11:
        return {100, 64, 80, 32};
    case GuiDemolishZone:
    case GuiDemolishObject:
        return TileAt(180, 32);
    case GuiMainMenu:
        return {100, 592, 82, 32};
    case GuiPriceHistory:
        return TileAt(308, 688);
    case GuiBuyItems:
        return TileAt(244, 688);
    case GuiSellItems:
        return TileAt(276, 688);
    case GuiAddWorker:
        return TileAt(180, 0);
    case GuiSaveGame:
        return TileAt(212, 688);
    default:
        break;
    }
    Report("GuiElemType unknown");
    return GetFallbackTexture();
}

sf::IntRect GetTexture(TaskType type) {
    if (type >= TaskWalk && type <= TaskResearch) {
        return TileAt(180, 688);
    }
    if (type >= TaskError && type <= TaskWait) {
        return GetFallbackTexture();
    }
    Report("TaskType unknown");
    return GetFallbackTexture();
}

sf::VertexArray GetEmployeeTextureQuads(int, sf::Color, sf::Color, sf::Color, sf::Color) {
    ReportMissing("GetEmployeeTextureQuads");
    return {};
}

sf::IntRect GetTruckTexture() {
    ReportMissing("GetTruckTexture");
    return {};
}

sf::IntRect GetTruckTireTexture() {
    ReportMissing("GetTruckTireTexture");
    return {};
}

sf::Vector2f GetTruckTireOffset(int) {
    ReportMissing("GetTruckTireOffset");
    return {};
}

sf::Vector2f GetTruckDriverOffset() {
    ReportMissing("GetTruckDriverOffset");
    return {};
}

sf::Vector2i GetWhitePixelTexture() {
    return {110, 18};
}

CursorTextureMap GetCursorTexture() {
    return {{"white", TileAt(148, 624)}, {"red", TileAt(148, 656)}, {"black", TileAt(148, 688)}};
}

sf::Vector2i GetSize() {
    return {Tile, Tile};
}

} // namespace GameParams::Graphics::SIZE32PX
