#pragma once

#include "params/Vec2i.hpp"

#include <functional>
#include <vector>

// Estimates of the remaining cost from a cell to the goal, 10 per straight step.
unsigned manhattanHeuristic(const Vec2i& cell, const Vec2i& goal);
// 10 per straight and 14 per diagonal step, for grids searched in eight directions.
unsigned diagonalHeuristic(const Vec2i& cell, const Vec2i& goal);

// The weighted grid the level's searches run on. Each cell carries a walk
// factor in [0, 1]; 0 makes it impassable.
class PathGrid {
public:
    using Heuristic = std::function<unsigned(const Vec2i& cell, const Vec2i& goal)>;

    static constexpr unsigned MaxDirections = 8;

    PathGrid();

    // Every cell starts with weight 1.0.
    void setWorldSize(const Vec2i& size);
    void setHeuristic(Heuristic function);
    // 4 (orthogonal neighbours only) or 8; other values are ignored.
    void setDirectionCount(unsigned count);
    // Ignored outside the grid; the value is clamped into [0, 1].
    void setWeight(int column, int row, float value);
    // 0 outside the grid.
    float getWeight(int column, int row) const;

    bool isInGrid(int column, int row) const;
    const Vec2i& getWorldSize() const { return worldSize; }
    unsigned getDirectionCount() const { return directionCount; }
    const std::vector<Vec2i>& getDirections() const { return directions; }
    unsigned estimate(const Vec2i& cell, const Vec2i& goal) const { return heuristic(cell, goal); }

private:
    Heuristic heuristic;
    // The order matters: neighbours are expanded in it, which breaks ties.
    std::vector<Vec2i> directions;
    std::vector<float> weights;
    Vec2i worldSize;
    unsigned directionCount = 4;
    // The search state slots in here.
};
