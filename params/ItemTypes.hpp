#pragma once

#include "params/Enums.hpp"

#include <vector>

namespace GameParams {

// The 21 real item types (ItemNone excluded) in their canonical order: the
// order of the workbench's recipe list and of the item icons 31-51.
const std::vector<ItemType>& GetAllItemTypes();

bool IsItemType(ItemType type);

// Game minutes to produce one unit; 999999 for anything that is not an item.
float GetProductionDuration(ItemType type);

// How many items of one type a storage or goods cell holds (0 for no item).
unsigned GetItemsPerZoneCell(ItemType type);

} // namespace GameParams
