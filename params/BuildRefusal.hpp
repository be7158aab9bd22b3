#pragma once

#include <string>

// Why the level refused a build or demolition that the player could not
// tell from the cell alone. Refusals the cell shows by itself (wrong tile,
// cell taken, no money) carry no reason.
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
};

namespace GameParams::Texts {

// The short German sentence shown near the cursor; empty for None.
std::string GetBuildRefusalText(BuildRefusal refusal);

} // namespace GameParams::Texts
