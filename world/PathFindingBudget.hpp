#pragma once

#include "params/Vec2i.hpp"
#include "world/PathFindingItem.hpp"
#include "world/PathGrid.hpp"

#include <deque>
#include <functional>
#include <vector>

// Node expansions path finding may spend, all searches together, on a frame
// of normal length: normal speed at 60 frames per second, 2 game minutes per
// real second / 60.
constexpr int PathFindingBudgetPerFrame = 500;
constexpr float PathFindingNormalFrameMinutes = 1.f / 30.f;
// The most one frame may spend. The longest frame the game makes, 100 ms at
// top speed (factor 9), is 1.8 game minutes and gets just this; only longer
// frames, as a headless run may make, are held to it. At some 0.4 us an
// expansion that adds about 10 ms to a frame that took 100 already: path
// finding keeps to a tenth of the running time at any frame rate, so slow
// frames do not make the next ones slower still.
constexpr int PathFindingBudgetCap = 27000;

// The expansions for a frame that advances the game by so many minutes: in
// proportion to them, so that employees wait as long in game time for their
// routes at every speed and frame rate, and a factory makes as much per game
// day. Nothing for a frame in which the game stands still.
int PathFindingBudgetFor(float gameMinutes);

// Where the search for a request ends (its requester's cell); false when the
// request cannot be searched at all and is to be dropped.
using PathSearchGoal = std::function<bool(const PathFindingItem& item, Vec2i& goal)>;
// Takes over a finished search of the front request: it removes the request,
// or re-targets it for a further leg and leaves it at the front.
using PathSearchFinished =
    std::function<void(PathFindingItem& item, const std::vector<Vec2i>& path)>;

// Works off the queue from the front for one frame, spending at most budget
// expansions. A search that runs out of budget goes on where it stopped at the
// next call, so the grid must search for nothing but this queue's front
// request.
void WorkOffPathFindingQueue(PathGrid& grid, std::deque<PathFindingItem>& queue,
                             const PathSearchGoal& goalOf, const PathSearchFinished& finished,
                             int budget = PathFindingBudgetPerFrame);
