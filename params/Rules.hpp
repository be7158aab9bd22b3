#pragma once

#include "params/Enums.hpp"

#include <vector>

namespace GameParams {

// What a kind of object is, independent of any placed instance.
struct ObjectTypeParams {
    GameObjectType type = ObjectNone;
    bool isSurface = false;    // other objects can stand on it
    bool needsSurface = false; // it can only stand on a surface object
    int usagePositionRule = 0; // how its usage cells are derived
    int usageFacingRule = 0;   // which way its user faces
    bool isProducer = false;   // it runs recipes
};

ObjectTypeParams GetObjectTypeParams(GameObjectType type);

// Path-finding cost multiplier of a tile; 0 means not walkable.
float GetWalkFactor(TileType type);

bool CanPlaceZoneOnTile(ZoneType zone, TileType tile);
bool CanPlaceObjectInZone(GameObjectType object, ZoneType zone);

// In the order they are tried: for work, desks before workbenches.
std::vector<GameObjectType> GetObjectTypesForNeed(NeedType need);
std::vector<TaskType> GetTaskTypesForNeed(NeedType need);

// Tasks carried out standing on one tile, which nobody else may then use.
bool IsTileOccupyingTask(TaskType type);
// Kinds carried out at an object, with the exclusive use of the cell in front
// of it: working, the needs' kinds and research. Idling and waiting occupy a
// cell but hold no object.
bool IsObjectUseTask(TaskType type);

// A new employee's work priorities, in order.
std::vector<int> GetDefaultWorkPriorities();

} // namespace GameParams
