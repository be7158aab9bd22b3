#include "params/ToolMappings.hpp"

#include "params/ItemTypes.hpp"

#include <cstddef>

namespace GameParams {

namespace {

struct ObjectTool {
    GuiElemType tool;
    GameObjectType type;
};

// The furniture panel's order, which is not the enumeration's order.
constexpr ObjectTool ObjectTools[] = {
    {GuiBuildFridge, ObjectFridge},
    {GuiBuildToilet, ObjectToilet},
    {GuiBuildDesk, ObjectDesk},
    {GuiBuildKitchenCounter, ObjectKitchenCounter},
    {GuiBuildKitchenTable, ObjectKitchenTable},
    {GuiBuildCoffeeMachine, ObjectCoffeeMachine},
    {GuiBuildWorkbench, ObjectWorkbench},
    {GuiBuildDoor, ObjectDoor},
};

// The zone tools follow the zone types one by one, starting with the kitchen.
constexpr int ZoneToolOffset = GuiBuildZoneKitchen - ZoneKitchen;

} // namespace

TileType GetTileTypeForTool(GuiElemType tool) {
    switch (tool) {
    case GuiBuildGrass:
        return TileGrass;
    case GuiBuildWall:
        return TileWall;
    case GuiBuildFloor:
        return TileFloor;
    default:
        return TileInvalid;
    }
}

ZoneType GetZoneTypeForTool(GuiElemType tool) {
    if (tool < GuiBuildZoneKitchen || tool > GuiBuildZoneGoodsOut) {
        return ZoneInvalid;
    }
    return static_cast<ZoneType>(tool - ZoneToolOffset);
}

GameObjectType GetObjectTypeForTool(GuiElemType tool) {
    for (const ObjectTool& entry : ObjectTools) {
        if (entry.tool == tool) {
            return entry.type;
        }
    }
    return ObjectInvalid;
}

GuiElemType GetToolForObjectType(GameObjectType type) {
    for (const ObjectTool& entry : ObjectTools) {
        if (entry.type == type) {
            return entry.tool;
        }
    }
    return GuiNone;
}

GuiElemType GetToolForTileType(TileType type) {
    for (GuiElemType tool : {GuiBuildGrass, GuiBuildWall, GuiBuildFloor}) {
        if (GetTileTypeForTool(tool) == type) {
            return tool;
        }
    }
    return GuiNone;
}

GuiElemType GetToolForZoneType(ZoneType type) {
    if (type < ZoneKitchen || type > ZoneGoodsOut) {
        return GuiNone;
    }
    return static_cast<GuiElemType>(type + ZoneToolOffset);
}

ItemType GetItemTypeForIcon(GuiElemType icon) {
    // The item icons follow the canonical item order.
    const std::vector<ItemType>& items = GetAllItemTypes();
    const int index = icon - GuiItemSteel;
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return ItemInvalid;
    }
    return items[static_cast<std::size_t>(index)];
}

GuiElemType GetIconForItemType(ItemType type) {
    const std::vector<ItemType>& items = GetAllItemTypes();
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index] == type) {
            return static_cast<GuiElemType>(GuiItemSteel + static_cast<int>(index));
        }
    }
    return GuiNone;
}

} // namespace GameParams
