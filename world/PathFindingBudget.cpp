#include "world/PathFindingBudget.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>

int PathFindingBudgetFor(float gameMinutes) {
    if (!(gameMinutes > 0.f)) {
        return 0;
    }
    const double expansions = static_cast<double>(gameMinutes) * PathFindingBudgetPerFrame /
                              PathFindingNormalFrameMinutes;
    // A frame far shorter than a step still makes one, so that searches go on
    // at any frame rate.
    return static_cast<int>(
        std::clamp(std::round(expansions), 1.0, static_cast<double>(PathFindingBudgetCap)));
}

void WorkOffPathFindingQueue(PathGrid& grid, std::deque<PathFindingItem>& queue,
                             const PathSearchGoal& goalOf, const PathSearchFinished& finished,
                             int budget) {
    while (!queue.empty()) {
        if (!grid.isSearching()) {
            Vec2i goal;
            if (!goalOf(queue.front(), goal)) {
                // Searching on would spend whole frames on a route to nowhere.
                std::cout << "Level::processPathFindingQueue() - PathFindingItem ohne Employee!"
                          << std::endl;
                queue.pop_front();
                continue;
            }
            grid.startSearch(Vec2i(goal.x, goal.y), queue.front().targets);
        }
        if (budget <= 0) {
            return;
        }
        bool done = false;
        do {
            done = grid.step();
            budget -= PathGrid::ExpansionsPerStep;
        } while (!done && budget > 0);
        if (done) {
            finished(queue.front(), grid.getPath());
        }
        if (budget <= 0) {
            return;
        }
    }
}
