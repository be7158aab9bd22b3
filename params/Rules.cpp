#include "params/Rules.hpp"

namespace GameParams {

namespace {

constexpr ObjectTypeParams ObjectTypeTable[] = {
    // type, isSurface, needsSurface, usagePositionRule, usageFacingRule, isProducer
    {ObjectFridge, false, false, 4, 2, false},
    {ObjectToilet, false, false, 5, 4, false},
    {ObjectDesk, false, false, 3, 1, false},
    {ObjectCoffeeMachine, false, true, 7, 6, false},
    {ObjectKitchenCounter, true, false, 4, 2, false},
    {ObjectKitchenTable, true, false, 6, 5, false},
    {ObjectWorkbench, false, false, 6, 5, true},
    {ObjectDoor, false, false, 6, 5, false},
};

struct ObjectZone {
    GameObjectType object;
    ZoneType zone;
};

constexpr ObjectZone AllowedObjectZones[] = {
    {ObjectFridge, ZoneKitchen},
    {ObjectKitchenCounter, ZoneKitchen},
    {ObjectKitchenTable, ZoneKitchen},
    {ObjectToilet, ZoneBathroom},
    {ObjectDesk, ZoneOffice},
    {ObjectCoffeeMachine, ZoneKitchen},
    {ObjectCoffeeMachine, ZoneOffice},
    {ObjectWorkbench, ZoneWorkshop},
    {ObjectDoor, ZoneNone},
};

} // namespace

ObjectTypeParams GetObjectTypeParams(GameObjectType type) {
    for (const ObjectTypeParams& params : ObjectTypeTable) {
        if (params.type == type) {
            return params;
        }
    }
    ObjectTypeParams unknown;
    unknown.type = type;
    return unknown;
}

float GetWalkFactor(TileType type) {
    switch (type) {
    case TileGrass:
        return 0.5f;
    case TileFloor:
        return 1.0f;
    default:
        return 0.f;
    }
}

bool CanPlaceZoneOnTile(ZoneType zone, TileType tile) {
    if (zone == ZoneNone) {
        return true;
    }
    return zone >= ZoneKitchen && zone <= ZoneGoodsOut && tile == TileFloor;
}

bool CanPlaceObjectInZone(GameObjectType object, ZoneType zone) {
    if (object == ObjectNone) {
        return true;
    }
    for (const ObjectZone& allowed : AllowedObjectZones) {
        if (allowed.object == object && allowed.zone == zone) {
            return true;
        }
    }
    return false;
}

std::vector<GameObjectType> GetObjectTypesForNeed(NeedType need) {
    switch (need) {
    case NeedToilet:
        return {ObjectToilet};
    case NeedFood:
        return {ObjectFridge};
    case NeedCoffee:
        return {ObjectCoffeeMachine};
    case NeedWork:
        return {ObjectDesk, ObjectWorkbench};
    default:
        return {};
    }
}

std::vector<TaskType> GetTaskTypesForNeed(NeedType need) {
    switch (need) {
    case NeedToilet:
        return {TaskToilet};
    case NeedFood:
        return {TaskEat};
    case NeedCoffee:
        return {TaskCoffee};
    case NeedWork:
        return {TaskWork, TaskTransport, TaskResearch};
    default:
        return {};
    }
}

bool IsObjectUseTask(TaskType type) {
    switch (type) {
    case TaskWork:
    case TaskEat:
    case TaskToilet:
    case TaskCoffee:
    case TaskSmoke:
    case TaskSocial:
    case TaskResearch:
        return true;
    default:
        return false;
    }
}

// Walking and carrying pass through cells; undefined values occupy nothing.
bool IsTileOccupyingTask(TaskType type) {
    return type == TaskIdle || type == TaskWait || IsObjectUseTask(type);
}

std::vector<int> GetDefaultWorkPriorities() {
    return {TaskWalk, TaskWork, TaskResearch};
}

} // namespace GameParams
