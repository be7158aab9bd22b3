#pragma once

#include "params/Enums.hpp"

#include <string>

// Why the level refuses, or would refuse, a build or demolition. The
// reasons up to ObjectForbidsZone are recorded by the action itself, since
// the player cannot tell them from the cell; the others are what the build
// cursor's preview finds on the cell before anything is built.
enum class BuildRefusal {
    None,
    // A storage or goods-in cell holds units that no other cell can take.
    GoodsFindNoPlace,
    // Carriers are on their way to bring units to the cell or fetch them.
    GoodsOnTheWay,
    // A goods-out cell holds sold units waiting for the truck.
    SoldGoodsWaiting,
    // The object on the cell may not stand without its zone.
    ObjectNeedsZone,
    // The object on the cell may not stand in the zone asked for.
    ObjectForbidsZone,
    // The street and the edge of the map.
    OutsideSite,
    // The cell already is what the tool would make it.
    AlreadyBuilt,
    // Zones and objects stand on floor only.
    NeedsFloor,
    // A zone is marked here already.
    ZoneTaken,
    // The object may not stand in the cell's zone (or outside one).
    WrongZone,
    // The object stands on a free kitchen counter only.
    NeedsSurface,
    // An object stands here.
    Occupied,
    // The balance does not cover the price.
    NoMoney,
    // The balance does not cover the whole dragged area; nothing was laid.
    AreaTooExpensive,
};

namespace GameParams::Texts {

// The short German sentence shown near the cursor; empty for None.
std::string GetBuildRefusalText(BuildRefusal refusal);
// Where an object may stand, for a WrongZone refusal: "Werkbank nur in der
// Werkstatt".
std::string GetObjectZoneHint(GameObjectType type);
// The warning when an object was placed where nobody can use it, and when
// it made the one beside it unusable.
std::string GetObjectUnusableText(GameObjectType type);
std::string GetNeighbourUnusableText(GameObjectType type);
// The preview's note when no cell the object would be used from is free.
std::string GetPlannedUnusableText();

} // namespace GameParams::Texts
