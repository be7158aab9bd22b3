#include "world/UnreachableTargets.hpp"

void UnreachableTargets::remember(const Vec2i& cell, ItemType item, Leg leg, float now) {
    entries[keyOf(cell, item, leg)] = now;
}

bool UnreachableTargets::isRemembered(const Vec2i& cell, ItemType item, Leg leg, float now) const {
    if (entries.empty()) {
        return false;
    }
    const auto found = entries.find(keyOf(cell, item, leg));
    return found != entries.end() && now - found->second < RememberedMinutes;
}
