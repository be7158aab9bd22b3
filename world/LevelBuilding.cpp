#include "world/Level.hpp"

#include "params/Prices.hpp"
#include "params/Rules.hpp"
#include "params/ToolMappings.hpp"

#include <iostream>

namespace {

constexpr int UnknownType = -1;

} // namespace

bool Level::build(ToolCategory category, GuiElemType toolId, float rotation, float x, float y) {
    switch (category) {
    case CategoryTile:
        return buyTile(GameParams::GetTileTypeForTool(toolId), x, y);
    case CategoryZone:
        return buyZone(GameParams::GetZoneTypeForTool(toolId), x, y);
    case CategoryObject:
        return buyObject(rotation, GameParams::GetObjectTypeForTool(toolId), x, y);
    case CategoryDemolish:
        return toolId == GuiDemolishZone && sellZone(x, y);
    default:
        return false;
    }
}

bool Level::demolishObjectWithTool(ToolCategory category, GuiElemType toolId, float x, float y) {
    if (category != CategoryDemolish || toolId != GuiDemolishObject) {
        return false;
    }
    // The tool was used even when there was nothing to demolish.
    sellObject(x, y);
    return true;
}

bool Level::buyTile(TileType type, float x, float y) {
    const float price = GameParams::GetTilePrice(type);
    if (!bankAccount.canAfford(price) || !tryBuildTile(type, x, y)) {
        return false;
    }
    bankAccount.bookExpense(price);
    return true;
}

bool Level::buyZone(ZoneType type, float x, float y) {
    const float price = GameParams::GetZonePrice(type);
    if (!bankAccount.canAfford(price) || !tryBuildZone(type, x, y)) {
        return false;
    }
    bankAccount.bookExpense(price);
    return true;
}

bool Level::buyObject(float rotation, GameObjectType type, float x, float y) {
    const float price = GameParams::GetObjectPrice(type);
    if (!bankAccount.canAfford(price) || !tryBuildObject(rotation, type, x, y)) {
        return false;
    }
    bankAccount.bookExpense(price);
    return true;
}

bool Level::sellZone(float x, float y) {
    const ZoneType removed = removeZoneAt(x, y);
    if (removed == ZoneNone || removed == UnknownType) {
        return false;
    }
    bankAccount.bookIncome(GameParams::GetZoneRefund(removed));
    return true;
}

bool Level::sellObject(float x, float y) {
    GameObjectType surfaceType = ObjectNone;
    const GameObjectType removed = removeObjectAt(x, y, surfaceType);
    if (removed == ObjectNone) {
        return false;
    }
    bankAccount.bookIncome(GameParams::GetObjectRefund(removed));
    if (surfaceType != ObjectNone) {
        bankAccount.bookIncome(GameParams::GetObjectRefund(surfaceType));
    }
    return true;
}

bool Level::tryBuildTile(TileType type, float x, float y) {
    const sf::Vector2i cell = cellAt(x, y);
    if (type == UnknownType || !isInMap(cell.x, cell.y) || isBlocked(cell.x, cell.y) ||
        getTileType(cell.x, cell.y) == type) {
        return false;
    }
    const bool hasObjects = getObjectType(cell.x, cell.y) != ObjectNone ||
                            getSurfaceObjectType(cell.x, cell.y) != ObjectNone;
    const ZoneType zone = getZoneType(cell.x, cell.y);
    if (zone != ZoneNone && !GameParams::CanPlaceZoneOnTile(zone, type)) {
        // The zone has to go; with furniture in it the player must clear it first.
        if (hasObjects || !sellZone(x, y)) {
            return false;
        }
    } else if (zone == ZoneNone && hasObjects) {
        return false;
    }
    return setTile(type, cell.x, cell.y);
}

bool Level::tryBuildZone(ZoneType type, float x, float y) {
    if (type == UnknownType) {
        std::cout << "level.buildZone(): type unknown" << std::endl;
        return false;
    }
    const sf::Vector2i cell = cellAt(x, y);
    if (!isInMap(cell.x, cell.y) || isBlocked(cell.x, cell.y)) {
        return false;
    }
    const bool fitsTile = type == ZoneNone || (type >= ZoneKitchen && type <= ZoneGoodsOut &&
                                               getTileType(cell.x, cell.y) == TileFloor);
    if (!fitsTile || getZoneType(cell.x, cell.y) != ZoneNone) {
        return false;
    }
    return setZone(type, cell.x, cell.y);
}

ZoneType Level::removeZoneAt(float x, float y) {
    const sf::Vector2i cell = cellAt(x, y);
    if (!isInMap(cell.x, cell.y) || isBlocked(cell.x, cell.y)) {
        return ZoneNone;
    }
    const ZoneType zone = getZoneType(cell.x, cell.y);
    if (zone == ZoneNone || !setZone(ZoneNone, cell.x, cell.y)) {
        return ZoneNone;
    }
    return zone;
}

bool Level::tryBuildObject(float rotation, GameObjectType type, float x, float y) {
    const sf::Vector2i cell = cellAt(x, y);
    if (type == UnknownType || type == ObjectNone || !isInMap(cell.x, cell.y) ||
        isBlocked(cell.x, cell.y) || getTileType(cell.x, cell.y) != TileFloor) {
        return false;
    }
    if (!GameParams::CanPlaceObjectInZone(type, getZoneType(cell.x, cell.y))) {
        return false;
    }
    const GameObjectType floorObject = getObjectType(cell.x, cell.y);
    if (GameParams::GetObjectTypeParams(type).needsSurface) {
        if (!GameParams::GetObjectTypeParams(floorObject).isSurface ||
            getSurfaceObjectType(cell.x, cell.y) != ObjectNone) {
            return false;
        }
        return placeSurfaceObject(type, cell.x, cell.y, rotation);
    }
    if (floorObject != ObjectNone) {
        return false;
    }
    return placeObject(type, cell.x, cell.y, rotation);
}

GameObjectType Level::removeObjectAt(float x, float y, GameObjectType& surfaceType) {
    surfaceType = ObjectNone;
    const sf::Vector2i cell = cellAt(x, y);
    if (!isInMap(cell.x, cell.y) || isBlocked(cell.x, cell.y)) {
        return ObjectNone;
    }
    surfaceType = getSurfaceObjectType(cell.x, cell.y);
    const GameObjectType floorObject = getObjectType(cell.x, cell.y);
    if (floorObject == ObjectNone || !removeObject(cell.x, cell.y)) {
        return ObjectNone;
    }
    return floorObject;
}
