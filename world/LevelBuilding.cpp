#include "world/Level.hpp"

#include "params/Prices.hpp"
#include "params/Rules.hpp"
#include "params/ToolMappings.hpp"
#include "world/BuildRules.hpp"

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
    statistics.recordBuilding(price, statisticsDay());
    return true;
}

bool Level::buyZone(ZoneType type, float x, float y) {
    const float price = GameParams::GetZonePrice(type);
    if (!bankAccount.canAfford(price) || !tryBuildZone(type, x, y)) {
        return false;
    }
    bankAccount.bookExpense(price);
    statistics.recordBuilding(price, statisticsDay());
    return true;
}

bool Level::buyObject(float rotation, GameObjectType type, float x, float y) {
    const float price = GameParams::GetObjectPrice(type);
    if (!bankAccount.canAfford(price) || !tryBuildObject(rotation, type, x, y)) {
        return false;
    }
    bankAccount.bookExpense(price);
    statistics.recordBuilding(price, statisticsDay());
    return true;
}

bool Level::sellZone(float x, float y) {
    const ZoneType removed = removeZoneAt(x, y);
    if (removed == ZoneNone || removed == UnknownType) {
        return false;
    }
    bankAccount.bookIncome(GameParams::GetZoneRefund(removed));
    statistics.recordRefund(GameParams::GetZoneRefund(removed), statisticsDay());
    return true;
}

bool Level::sellObject(float x, float y) {
    GameObjectType surfaceType = ObjectNone;
    const GameObjectType removed = removeObjectAt(x, y, surfaceType);
    if (removed == ObjectNone) {
        return false;
    }
    bankAccount.bookIncome(GameParams::GetObjectRefund(removed));
    statistics.recordRefund(GameParams::GetObjectRefund(removed), statisticsDay());
    if (surfaceType != ObjectNone) {
        bankAccount.bookIncome(GameParams::GetObjectRefund(surfaceType));
        statistics.recordRefund(GameParams::GetObjectRefund(surfaceType), statisticsDay());
    }
    return true;
}

bool Level::tryBuildTile(TileType type, float x, float y) {
    const sf::Vector2i cell = cellAt(x, y);
    if (BuildRules::ForTile(*this, type, cell.x, cell.y) != BuildRefusal::None) {
        return false;
    }
    const ZoneType zone = getZoneType(cell.x, cell.y);
    // The zone has to go; the rules made sure no furniture stands in it.
    if (zone != ZoneNone && !GameParams::CanPlaceZoneOnTile(zone, type) && !sellZone(x, y)) {
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
    const BuildRefusal reason = BuildRules::ForZone(*this, type, cell.x, cell.y);
    if (reason != BuildRefusal::None) {
        return BuildRules::IsRecorded(reason) ? refuse(reason) : false;
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
    if (BuildRules::ForObject(*this, type, cell.x, cell.y) != BuildRefusal::None) {
        return false;
    }
    if (GameParams::GetObjectTypeParams(type).needsSurface) {
        return placeSurfaceObject(type, cell.x, cell.y, rotation);
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
