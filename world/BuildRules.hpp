#pragma once

#include "params/BuildRefusal.hpp"
#include "params/Enums.hpp"

class Level;

// The rules of building on one cell, asked without changing anything: the
// building itself and the cursor's preview read the same answer. Money is
// not asked here.
namespace BuildRules {

BuildRefusal ForTile(const Level& level, TileType type, int column, int row);
BuildRefusal ForZone(const Level& level, ZoneType type, int column, int row);
BuildRefusal ForObject(const Level& level, GameObjectType type, int column, int row);
// Reasons the action records itself because the cell does not show them.
inline bool IsRecorded(BuildRefusal reason) {
    return reason != BuildRefusal::None && reason <= BuildRefusal::ObjectForbidsZone;
}

} // namespace BuildRules
