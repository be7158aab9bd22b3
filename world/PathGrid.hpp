#pragma once

#include "params/Vec2i.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Estimates of the remaining cost from a cell to the goal, 10 per straight step.
unsigned manhattanHeuristic(const Vec2i& cell, const Vec2i& goal);
// 10 per straight and 14 per diagonal step, for grids searched in eight directions.
unsigned diagonalHeuristic(const Vec2i& cell, const Vec2i& goal);

// The weighted grid the level's searches run on. Each cell carries a walk
// factor in [0, 1]; 0 makes it impassable.
//
// A search runs from all sources at once towards one goal and is sliced into
// step() calls of at most ExpansionsPerStep expansions, so that the level can
// spread a long search over several frames.
class PathGrid {
public:
    using Heuristic = std::function<unsigned(const Vec2i& cell, const Vec2i& goal)>;

    static constexpr unsigned MaxDirections = 8;
    static constexpr int ExpansionsPerStep = 10;

    PathGrid();
    // One grid per level; a copy of a search in progress is never wanted.
    PathGrid(const PathGrid&) = delete;
    PathGrid& operator=(const PathGrid&) = delete;
    PathGrid(PathGrid&&) = default;
    PathGrid& operator=(PathGrid&&) = default;

    // Every cell starts with weight 1.0. Drops a running search, whose cells
    // belong to the old size.
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

    // --- Searching (PathGridSearch.cpp) -----------------------------------
    // False, changing nothing, while another search is running. Sources off
    // the grid or on impassable cells are dropped.
    bool startSearch(const Vec2i& searchGoal, const std::vector<Vec2i>& searchSources);
    // Up to ExpansionsPerStep expansions; true once the search has ended,
    // found or exhausted (and for a grid that is not searching).
    bool step();
    // From the goal back to the source that was reached, each cell carrying
    // its total cost plus estimate in the third field; empty unless found.
    std::vector<Vec2i> getPath();
    // Drops a running search, e.g. when its requester is gone.
    void cancelSearch();

    bool isSearching() const { return searching; }
    bool hasFound() const { return found; }
    int getIterations() const { return iterations; }
    const Vec2i& getGoal() const { return goal; }
    const std::vector<Vec2i>& getSources() const { return sources; }

private:
    // What a search knows about one cell. Each cell holds at most one node per
    // search (closed cells never reopen), so the nodes live in the cells.
    struct SearchCell {
        unsigned costSoFar = 0;
        unsigned estimate = 0;
        // Padded index of the cell this one was reached from, -1 for a source.
        int parent = -1;
        // Equal to openMark: open in the current search; openMark + 1: closed;
        // anything else: not reached yet. Saves clearing every cell per search.
        std::uint32_t mark = 0;
    };
    // Walk factors sorted into the few the level uses, so that the step costs
    // between them can be looked up. Ordered like the factors they stand for.
    enum WalkClass : std::uint8_t { Blocked, Grass, Floor, OtherFactor };

    // Internally cells are indexed in a grid with one blocked cell of margin
    // all round, so that neighbours need no bounds checks. The order of the
    // indices is the order of the cells, which the selection's ties rely on.
    int paddedIndex(int column, int row) const { return column + 1 + (row + 1) * paddedWidth; }
    Vec2i cellAt(int padded) const {
        return Vec2i(padded % paddedWidth - 1, padded / paddedWidth - 1);
    }
    // Step costs on floor; a lower walk factor raises them.
    static constexpr unsigned StraightStepCost = 10;
    static constexpr unsigned DiagonalStepCost = 14;
    // The cost of a step onto a cell of this walk factor from one of the two
    // base costs; every step cost of a search comes from here.
    static unsigned roundedStepCost(unsigned base, float weight);
    // A diagonal step's walk factor leans on the two cells it passes between.
    static float diagonalWeight(float own, float beside);
    // Stores a clamped walk factor with its class and straight step cost.
    void storeWeight(int column, int row, float value);
    void beginMarks();
    void releaseNodes();
    void openCell(int padded, unsigned costSoFar, unsigned estimate, int parent);
    int popBestOpen();
    void expand(int padded);
    // 0 when the move is not allowed, else the cost of moving there.
    unsigned diagonalCost(int from, const Vec2i& here, std::size_t directionIndex) const;
    unsigned diagonalCostFromWeights(const Vec2i& here, const Vec2i& offset) const;

    Heuristic heuristic;
    // The heuristic itself when it is a plain function, as both built-in ones
    // are, so that it is called without the wrapper; else null.
    unsigned (*plainHeuristic)(const Vec2i&, const Vec2i&) = nullptr;
    // The order matters: neighbours are expanded in it, which breaks ties.
    std::vector<Vec2i> directions;
    std::vector<float> weights;
    Vec2i worldSize;
    unsigned directionCount = 4;
    // Per padded cell: the class of its walk factor and the cost of a straight
    // step onto it (0 where blocked), both kept in step with weights.
    int paddedWidth = 2;
    std::vector<std::uint8_t> walkClasses;
    std::vector<unsigned> straightCosts;
    // Padded index steps to the neighbours, in the order of directions.
    int neighbourSteps[MaxDirections] = {};
    // Diagonal step costs by the classes of the target cell and of the cells
    // beside the step in x and in y; 0 where blocked, and UnusualFactor where
    // the weights themselves must be read.
    static constexpr unsigned UnusualFactor = ~0u;
    static constexpr int WalkClassCount = 4;
    unsigned diagonalCosts[WalkClassCount][WalkClassCount][WalkClassCount] = {};
    // Nothing below is saved: a running search is lost with the level and
    // its request is searched again from the queue.
    bool searching = false;
    Vec2i goal;
    // Padded index of the goal, -1 when it lies off the grid.
    int goalIndex = -1;
    std::vector<Vec2i> sources;
    // Padded index of the node last selected for expansion, -1 for none; the
    // path is read back from it.
    int current = -1;
    std::vector<SearchCell> searchCells;
    std::uint32_t openMark = 0;
    // Candidates for the next expansion as keys of total and cell, stale ones
    // included: a node whose cost drops gets a new entry, and entries that no
    // longer match their cell's open node are skipped when they come up.
    std::vector<std::uint64_t> openHeap;
    bool found = false;
    // Selection rounds of the current search, the exhausting one included.
    int iterations = 0;
    std::vector<Vec2i> path;
};
