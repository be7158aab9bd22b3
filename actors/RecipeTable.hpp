#pragma once

#include "actors/Recipe.hpp"
#include "params/Enums.hpp"

#include <vector>

// The workbench's recipe tree. A recipe's number is the item type it yields.
namespace GameParams {

// Number 0 is the empty recipe ("no recipe"); a number that names no recipe
// gives a recipe without results that never finishes.
Recipe GetRecipe(ItemType number);
bool IsKnownRecipe(ItemType number);
// 0 first, then every recipe number in ascending order.
std::vector<ItemType> GetRecipeNumbers();

} // namespace GameParams
