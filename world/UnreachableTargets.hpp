#pragma once

#include "params/Enums.hpp"
#include "params/Vec2i.hpp"

#include <map>
#include <tuple>

// Carrying jobs that found no way: a pick-up place from which the item could
// not be brought to where it was bound (or, for the truck's driver, a place
// it could not reach at all). The dispatch passes them over, so that one
// unreachable drop-off does not keep every carrier and the driver trying the
// same job for ever. Reachability changes only with the map, so
// the level forgets them all whenever a tile, zone or object changes; they
// also run out after a while. Not saved: a loaded game tries each job once more.
class UnreachableTargets {
public:
    static constexpr float RememberedMinutes = 120.f;

    // Where the second leg was bound: one pick-up place may serve several
    // kinds of job, and only the one that failed is passed over.
    enum Leg : int { ToGoodsOut, ToStorage, ToProducers, ToGoodsIn, ToTruck };

    void remember(const Vec2i& cell, ItemType item, Leg leg, float now);
    bool isRemembered(const Vec2i& cell, ItemType item, Leg leg, float now) const;
    void forgetAll() { entries.clear(); }

private:
    using Key = std::tuple<int, int, int, int>;
    static Key keyOf(const Vec2i& cell, ItemType item, Leg leg) {
        return {cell.x, cell.y, static_cast<int>(item), static_cast<int>(leg)};
    }
    // Game minutes at which each entry was made.
    std::map<Key, float> entries;
};
