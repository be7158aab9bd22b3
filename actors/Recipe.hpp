#pragma once

#include "params/Enums.hpp"

#include <cstddef>
#include <istream>
#include <map>
#include <ostream>

// One production step of a workbench: what it consumes, what it yields and
// how many game minutes it takes. Saved as a RECIPE record in this field
// order; the counts are size_t like every item count in the save codecs.
struct Recipe {
    std::map<ItemType, std::size_t> ingredients;
    std::map<ItemType, std::size_t> resultingItems;
    // Negative means "no recipe".
    float duration = -1.f;

    bool isValid() const { return !resultingItems.empty() && duration >= 0.f; }

    bool save(std::ostream& out) const;
    // Replaces this recipe only when the whole record was read.
    bool load(std::istream& in);
};
