#include "world/PathGrid.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr unsigned StraightStepCost = 10;
constexpr unsigned DiagonalStepCost = 14;
// Offsets from this index on are diagonal moves.
constexpr std::size_t FirstDiagonal = 4;
// A diagonal step's walk factor leans on the two cells it passes between.
constexpr float DiagonalOwnShare = 0.25f;
constexpr float DiagonalSideShare = 0.75f;
// A nearly impassable cell would make the cost leave the range of unsigned;
// beyond this it makes no difference to any route anyway.
constexpr float MaxStepCost = 1u << 20;
// Keeps cost plus estimate clear of wrapping round on any grid.
constexpr unsigned MaxCostSoFar = std::numeric_limits<unsigned>::max() / 2;

} // namespace

bool PathGrid::startSearch(const Vec2i& searchGoal, const std::vector<Vec2i>& searchSources) {
    if (searching) {
        return false;
    }
    goal = searchGoal;
    searching = true;
    sources = searchSources;
    iterations = 0;
    releaseNodes();
    const std::size_t cells = weights.size();
    openGrid.assign(cells, nullptr);
    closedGrid.assign(cells, nullptr);
    current = nullptr;
    for (auto it = sources.begin(); it != sources.end();) {
        if (getWeight(it->x, it->y) <= 0.f) {
            it = sources.erase(it);
            continue;
        }
        // A cell listed twice keeps the later node; the earlier one's heap
        // entry goes stale with it.
        PathNode* node = makeNode(Vec2i(it->x, it->y), 0, 0, nullptr);
        openGrid[static_cast<std::size_t>(indexOf(node->cell))] = node;
        pushOpen(*node);
        current = node;
        ++it;
    }
    found = false;
    return true;
}

bool PathGrid::step() {
    if (!searching) {
        return true;
    }
    if (current != nullptr) {
        for (int expansion = 0; expansion < ExpansionsPerStep; ++expansion) {
            ++iterations;
            current = popBestOpen();
            if (current == nullptr) {
                break;
            }
            if (current->cell == goal) {
                found = true;
                break;
            }
            const std::size_t index = static_cast<std::size_t>(indexOf(current->cell));
            openGrid[index] = nullptr;
            closedGrid[index] = current;
            expand(*current);
        }
    }
    if (current != nullptr && !found) {
        return false;
    }
    searching = false;
    return true;
}

std::vector<Vec2i> PathGrid::getPath() {
    path.clear();
    if (current != nullptr && found) {
        for (const PathNode* node = current; node != nullptr; node = node->parent) {
            path.push_back(node->cell);
        }
    }
    return path;
}

void PathGrid::cancelSearch() {
    searching = false;
    found = false;
    releaseNodes();
    openGrid.clear();
    closedGrid.clear();
}

void PathGrid::releaseNodes() {
    current = nullptr;
    openHeap.clear();
    nodes.clear();
}

PathNode* PathGrid::makeNode(const Vec2i& cell, unsigned costSoFar, unsigned estimate,
                             PathNode* parent) {
    PathNode& node = nodes.emplace_back();
    node.costSoFar = costSoFar;
    node.estimate = estimate;
    node.cell = Vec2i(cell.x, cell.y, static_cast<int>(node.total()));
    node.parent = parent;
    return &node;
}

void PathGrid::pushOpen(const PathNode& node) {
    openHeap.push_back(OpenEntry{node.total(), indexOf(node.cell)});
    std::push_heap(openHeap.begin(), openHeap.end(), ExpandsLater());
}

PathNode* PathGrid::popBestOpen() {
    while (!openHeap.empty()) {
        std::pop_heap(openHeap.begin(), openHeap.end(), ExpandsLater());
        const OpenEntry entry = openHeap.back();
        openHeap.pop_back();
        // Totals only ever drop and closed cells never reopen, so an entry
        // is current exactly when it still carries its open node's total.
        PathNode* node = openGrid[static_cast<std::size_t>(entry.cellIndex)];
        if (node != nullptr && node->total() == entry.total) {
            return node;
        }
    }
    return nullptr;
}

void PathGrid::expand(PathNode& node) {
    for (std::size_t d = 0; d < directionCount; ++d) {
        const Vec2i& offset = directions[d];
        const Vec2i neighbour(node.cell.x + offset.x, node.cell.y + offset.y);
        const unsigned cost = stepCost(node.cell, offset, d);
        if (cost == 0) {
            continue;
        }
        const unsigned costSoFar = std::min(node.costSoFar + cost, MaxCostSoFar);
        PathNode*& open = openGrid[static_cast<std::size_t>(indexOf(neighbour))];
        if (open == nullptr) {
            open = makeNode(neighbour, costSoFar, heuristic(neighbour, goal), &node);
            pushOpen(*open);
        } else if (costSoFar < open->costSoFar) {
            open->parent = &node;
            open->costSoFar = costSoFar;
            open->cell.z = static_cast<int>(open->total());
            pushOpen(*open);
        }
    }
}

unsigned PathGrid::stepCost(const Vec2i& from, const Vec2i& offset,
                            std::size_t directionIndex) const {
    const int column = from.x + offset.x;
    const int row = from.y + offset.y;
    float weight = getWeight(column, row);
    if (weight <= 0.f || closedGrid[static_cast<std::size_t>(column + row * worldSize.x)]) {
        return 0;
    }
    unsigned base = StraightStepCost;
    if (directionIndex >= FirstDiagonal) {
        // Both cells beside the diagonal must be passable: no cutting corners.
        const float beside = std::min(getWeight(column, from.y), getWeight(from.x, row));
        if (beside <= 0.f) {
            return 0;
        }
        base = DiagonalStepCost;
        weight = DiagonalOwnShare * weight + DiagonalSideShare * beside;
    }
    return static_cast<unsigned>(
        std::min(std::round(static_cast<float>(base) / weight), MaxStepCost));
}
