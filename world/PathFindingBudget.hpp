#pragma once

#include "params/Vec2i.hpp"
#include "world/PathFindingItem.hpp"
#include "world/PathGrid.hpp"

#include <deque>
#include <functional>
#include <vector>

// Node expansions one frame may spend on path finding, all searches together.
constexpr int PathFindingBudgetPerFrame = 500;

// Where the search for a request ends (its requester's cell); false when the
// request cannot be searched at all and is to be dropped.
using PathSearchGoal = std::function<bool(const PathFindingItem& item, Vec2i& goal)>;
// Takes over a finished search of the front request: it removes the request,
// or re-targets it for a further leg and leaves it at the front.
using PathSearchFinished =
    std::function<void(PathFindingItem& item, const std::vector<Vec2i>& path)>;

// Works off the queue from the front for one frame. A search that runs out of
// budget goes on where it stopped at the next call, so the grid must search
// for nothing but this queue's front request.
void WorkOffPathFindingQueue(PathGrid& grid, std::deque<PathFindingItem>& queue,
                             const PathSearchGoal& goalOf, const PathSearchFinished& finished);
