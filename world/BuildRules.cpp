#include "world/BuildRules.hpp"

#include "params/Rules.hpp"
#include "world/Level.hpp"

namespace BuildRules {

namespace {

constexpr int UnknownType = -1;

bool isOffSite(const Level& level, int column, int row) {
    return !level.isInMap(column, row) || level.isBlocked(column, row);
}

bool holdsObjects(const Level& level, int column, int row) {
    return level.getObjectType(column, row) != ObjectNone ||
           level.getSurfaceObjectType(column, row) != ObjectNone;
}

} // namespace

BuildRefusal ForTile(const Level& level, TileType type, int column, int row) {
    if (type == UnknownType || isOffSite(level, column, row))
        return BuildRefusal::OutsideSite;
    if (level.getTileType(column, row) == type)
        return BuildRefusal::AlreadyBuilt;
    // A zone the new tile does not carry is sold with the tile change, but
    // not from under furniture; without a zone furniture stays in the way.
    const ZoneType zone = level.getZoneType(column, row);
    const bool zoneGoes = zone != ZoneNone && !GameParams::CanPlaceZoneOnTile(zone, type);
    if ((zoneGoes || zone == ZoneNone) && holdsObjects(level, column, row))
        return BuildRefusal::Occupied;
    return BuildRefusal::None;
}

BuildRefusal ForZone(const Level& level, ZoneType type, int column, int row) {
    if (type == UnknownType || isOffSite(level, column, row))
        return BuildRefusal::OutsideSite;
    const bool fitsTile = type == ZoneNone || (type >= ZoneKitchen && type <= ZoneGoodsOut &&
                                               level.getTileType(column, row) == TileFloor);
    if (!fitsTile)
        return BuildRefusal::NeedsFloor;
    if (level.getZoneType(column, row) != ZoneNone)
        return BuildRefusal::ZoneTaken;
    if (!GameParams::CanPlaceObjectInZone(level.getObjectType(column, row), type) ||
        !GameParams::CanPlaceObjectInZone(level.getSurfaceObjectType(column, row), type))
        return BuildRefusal::ObjectForbidsZone;
    return BuildRefusal::None;
}

BuildRefusal ForObject(const Level& level, GameObjectType type, int column, int row) {
    if (type == UnknownType || type == ObjectNone || isOffSite(level, column, row))
        return BuildRefusal::OutsideSite;
    if (level.getTileType(column, row) != TileFloor)
        return BuildRefusal::NeedsFloor;
    if (!GameParams::CanPlaceObjectInZone(type, level.getZoneType(column, row)))
        return BuildRefusal::WrongZone;
    const GameObjectType floorObject = level.getObjectType(column, row);
    if (GameParams::GetObjectTypeParams(type).needsSurface) {
        if (!GameParams::GetObjectTypeParams(floorObject).isSurface)
            return BuildRefusal::NeedsSurface;
        if (level.getSurfaceObjectType(column, row) != ObjectNone)
            return BuildRefusal::Occupied;
        return BuildRefusal::None;
    }
    return floorObject != ObjectNone ? BuildRefusal::Occupied : BuildRefusal::None;
}

} // namespace BuildRules
