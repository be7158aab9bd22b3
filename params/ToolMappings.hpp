#pragma once

#include "params/Enums.hpp"

namespace GameParams {

// What a HUD button builds or stands for. Each answers -1 (cast to its
// enumeration) for an element or type outside its table.
TileType GetTileTypeForTool(GuiElemType tool);
ZoneType GetZoneTypeForTool(GuiElemType tool);
GameObjectType GetObjectTypeForTool(GuiElemType tool);
GuiElemType GetToolForObjectType(GameObjectType type);
// The build tools of a tile and a zone type; GuiNone for others.
GuiElemType GetToolForTileType(TileType type);
GuiElemType GetToolForZoneType(ZoneType type);
ItemType GetItemTypeForIcon(GuiElemType icon);
GuiElemType GetIconForItemType(ItemType type);

} // namespace GameParams
