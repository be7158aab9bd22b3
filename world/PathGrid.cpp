#include "world/PathGrid.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr unsigned StraightCost = 10;
// A diagonal step costs 14: one straight step less 6 saved per pair.
constexpr unsigned DiagonalSaving = 6;
constexpr float DiagonalOwnShare = 0.25f;
constexpr float DiagonalSideShare = 0.75f;
// A nearly impassable cell would make the cost leave the range of unsigned;
// beyond this it makes no difference to any route anyway.
constexpr float MaxStepCost = 1u << 20;

using CellHeuristic = unsigned (*)(const Vec2i&, const Vec2i&);

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
    : heuristic(manhattanHeuristic),
      plainHeuristic(manhattanHeuristic), directions{{0, 1},   {1, 0}, {0, -1}, {-1, 0},
                                                     {-1, -1}, {1, 1}, {-1, 1}, {1, -1}},
      worldSize(0, 0, -1) {
    // The walk factors the level sets; any other goes the long way in the
    // search, through the same formula.
    const float factors[] = {0.f, 0.5f, 1.f};
    for (int own = 0; own < WalkClassCount; ++own) {
        for (int besideX = 0; besideX < WalkClassCount; ++besideX) {
            for (int besideY = 0; besideY < WalkClassCount; ++besideY) {
                unsigned& cost = diagonalCosts[own][besideX][besideY];
                if (own == OtherFactor || besideX == OtherFactor || besideY == OtherFactor) {
                    cost = UnusualFactor;
                } else if (own == Blocked || besideX == Blocked || besideY == Blocked) {
                    cost = 0; // also no cutting of corners
                } else {
                    const float beside = std::min(factors[besideX], factors[besideY]);
                    cost = roundedStepCost(DiagonalStepCost, diagonalWeight(factors[own], beside));
                }
            }
        }
    }
    setWorldSize(worldSize);
}

unsigned PathGrid::roundedStepCost(unsigned base, float weight) {
    return static_cast<unsigned>(
        std::min(std::round(static_cast<float>(base) / weight), MaxStepCost));
}

float PathGrid::diagonalWeight(float own, float beside) {
    return DiagonalOwnShare * own + DiagonalSideShare * beside;
}

void PathGrid::setWorldSize(const Vec2i& size) {
    cancelSearch();
    worldSize = Vec2i(size.x, size.y, -1);
    const int width = std::max(0, size.x);
    const int height = std::max(0, size.y);
    // Replaced, not appended: a level that is rebuilt sizes its grid again.
    weights.assign(static_cast<std::size_t>(width * height), 1.f);
    paddedWidth = width + 2;
    for (std::size_t d = 0; d < MaxDirections; ++d) {
        neighbourSteps[d] = directions[d].x + directions[d].y * paddedWidth;
    }
    const std::size_t paddedCells = static_cast<std::size_t>(paddedWidth * (height + 2));
    walkClasses.assign(paddedCells, Blocked);
    straightCosts.assign(paddedCells, 0);
    searchCells.assign(paddedCells, SearchCell());
    openMark = 0;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            storeWeight(column, row, 1.f);
        }
    }
}

void PathGrid::setHeuristic(Heuristic function) {
    heuristic = std::move(function);
    const CellHeuristic* plain = heuristic.target<CellHeuristic>();
    plainHeuristic = plain != nullptr ? *plain : nullptr;
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
    storeWeight(column, row, std::min(std::max(value, 0.f), 1.f));
}

void PathGrid::storeWeight(int column, int row, float value) {
    weights[static_cast<std::size_t>(column + row * worldSize.x)] = value;
    const std::size_t padded = static_cast<std::size_t>(paddedIndex(column, row));
    if (value <= 0.f) {
        walkClasses[padded] = Blocked;
        straightCosts[padded] = 0;
        return;
    }
    walkClasses[padded] = value == 0.5f ? Grass : value == 1.f ? Floor : OtherFactor;
    straightCosts[padded] = roundedStepCost(StraightStepCost, value);
}

float PathGrid::getWeight(int column, int row) const {
    if (!isInGrid(column, row)) {
        return 0.f;
    }
    return weights[static_cast<std::size_t>(column + row * worldSize.x)];
}
