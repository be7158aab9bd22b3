#pragma once

#include "params/Vec2i.hpp"

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

// Estimates of the remaining cost from a cell to the goal, 10 per straight step.
unsigned manhattanHeuristic(const Vec2i& cell, const Vec2i& goal);
// 10 per straight and 14 per diagonal step, for grids searched in eight directions.
unsigned diagonalHeuristic(const Vec2i& cell, const Vec2i& goal);

// One cell reached by a search. The cell's third field holds the total
// costSoFar + estimate, which getPath() hands on.
struct PathNode {
    unsigned costSoFar = 0;
    unsigned estimate = 0;
    Vec2i cell;
    PathNode* parent = nullptr;

    unsigned total() const { return costSoFar + estimate; }
};

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
    // The nodes point at each other; a copy would point into the original.
    PathGrid(const PathGrid&) = delete;
    PathGrid& operator=(const PathGrid&) = delete;
    // Moving hands the node storage over whole, so the nodes stay put.
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
    // From the goal back to the source that was reached; empty unless found.
    std::vector<Vec2i> getPath();
    // Drops a running search, e.g. when its requester is gone.
    void cancelSearch();

    bool isSearching() const { return searching; }
    bool hasFound() const { return found; }
    int getIterations() const { return iterations; }
    const Vec2i& getGoal() const { return goal; }
    const std::vector<Vec2i>& getSources() const { return sources; }

private:
    // A candidate for the next expansion. Entries are never updated in place:
    // a node whose cost drops gets a new entry, and entries that no longer
    // match their cell's open node are skipped when they come up.
    struct OpenEntry {
        unsigned total;
        int cellIndex;
    };
    // Orders the heap so that its top is the smallest total and, among equal
    // totals, the largest cell index: the node a scan of every cell in index
    // order would pick when later cells win ties.
    struct ExpandsLater {
        bool operator()(const OpenEntry& a, const OpenEntry& b) const {
            return a.total != b.total ? a.total > b.total : a.cellIndex < b.cellIndex;
        }
    };

    int indexOf(const Vec2i& cell) const { return cell.x + cell.y * worldSize.x; }
    void releaseNodes();
    PathNode* makeNode(const Vec2i& cell, unsigned costSoFar, unsigned estimate, PathNode* parent);
    void pushOpen(const PathNode& node);
    PathNode* popBestOpen();
    void expand(PathNode& node);
    // 0 when the move is not allowed, else the cost of moving there.
    unsigned stepCost(const Vec2i& from, const Vec2i& offset, std::size_t directionIndex) const;

    Heuristic heuristic;
    // The order matters: neighbours are expanded in it, which breaks ties.
    std::vector<Vec2i> directions;
    std::vector<float> weights;
    Vec2i worldSize;
    unsigned directionCount = 4;
    // Nothing below is saved: a running search is lost with the level and
    // its request is searched again from the queue.
    bool searching = false;
    Vec2i goal;
    std::vector<Vec2i> sources;
    // The node last selected for expansion; the path is read back from it.
    PathNode* current = nullptr;
    // The open and the closed node of every cell, or null.
    std::vector<PathNode*> openGrid;
    std::vector<PathNode*> closedGrid;
    // Owns every node of the current search; freed in bulk when the next one
    // starts. A deque, so the nodes never move while others point at them.
    std::deque<PathNode> nodes;
    // The open nodes ordered for selection, stale entries included.
    std::vector<OpenEntry> openHeap;
    bool found = false;
    // Selection rounds of the current search, the exhausting one included.
    int iterations = 0;
    std::vector<Vec2i> path;
};
