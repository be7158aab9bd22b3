#pragma once

#include "params/Enums.hpp"

#include <map>

// One production step of a workbench: what it consumes, what it yields and
// how many game minutes it takes. Saved as a RECIPE record in this field order.
struct Recipe {
    std::map<ItemType, unsigned> ingredients;
    std::map<ItemType, unsigned> resultingItems;
    // Negative means "no recipe".
    float duration = -1.f;

    bool isValid() const { return !resultingItems.empty() && duration >= 0.f; }
};
