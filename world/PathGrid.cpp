#include "world/PathGrid.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr unsigned StraightCost = 10;
// A diagonal step costs 14: one straight step less 6 saved per pair.
constexpr unsigned DiagonalSaving = 6;

} // namespace

unsigned manhattanHeuristic(const Vec2i& cell, const Vec2i& goal) {
    const unsigned dx = static_cast<unsigned>(std::abs(cell.x - goal.x));
    const unsigned dy = static_cast<unsigned>(std::abs(cell.y - goal.y));
    return StraightCost * (dx + dy);
}

unsigned diagonalHeuristic(const Vec2i& cell, const Vec2i& goal) {
    const unsigned dx = static_cast<unsigned>(std::abs(cell.x - goal.x));
    const unsigned dy = static_cast<unsigned>(std::abs(cell.y - goal.y));
    return StraightCost * (dx + dy) - DiagonalSaving * std::min(dx, dy);
}

PathGrid::PathGrid()
    : heuristic(manhattanHeuristic), directions{{0, 1},   {1, 0}, {0, -1}, {-1, 0},
                                                {-1, -1}, {1, 1}, {-1, 1}, {1, -1}},
      worldSize(0, 0, -1) {}

void PathGrid::setWorldSize(const Vec2i& size) {
    cancelSearch();
    worldSize = Vec2i(size.x, size.y, -1);
    // Replaced, not appended: a level that is rebuilt sizes its grid again.
    weights.assign(static_cast<std::size_t>(std::max(0, size.x) * std::max(0, size.y)), 1.f);
}

void PathGrid::setHeuristic(Heuristic function) {
    heuristic = std::move(function);
}

void PathGrid::setDirectionCount(unsigned count) {
    if (count == 4 || count == MaxDirections) {
        directionCount = count;
    }
}

bool PathGrid::isInGrid(int column, int row) const {
    return column >= 0 && row >= 0 && column < worldSize.x && row < worldSize.y;
}

void PathGrid::setWeight(int column, int row, float value) {
    if (!isInGrid(column, row)) {
        return;
    }
    weights[static_cast<std::size_t>(column + row * worldSize.x)] =
        std::min(std::max(value, 0.f), 1.f);
}

float PathGrid::getWeight(int column, int row) const {
    if (!isInGrid(column, row)) {
        return 0.f;
    }
    return weights[static_cast<std::size_t>(column + row * worldSize.x)];
}
