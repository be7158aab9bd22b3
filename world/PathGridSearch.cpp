#include "world/PathGrid.hpp"

#include <algorithm>
#include <functional>
#include <limits>

namespace {

// Offsets from this index on are diagonal moves.
constexpr std::size_t FirstDiagonal = 4;
// Keeps cost plus estimate clear of wrapping round on any grid.
constexpr unsigned MaxCostSoFar = std::numeric_limits<unsigned>::max() / 2;

// The smallest key is the smallest total and, among equal totals, the largest
// cell index: the node a scan of every cell in index order would pick when
// later cells win ties.
std::uint64_t openKey(unsigned total, int padded) {
    return static_cast<std::uint64_t>(total) << 32 |
           (std::numeric_limits<std::uint32_t>::max() - static_cast<std::uint32_t>(padded));
}

unsigned keyTotal(std::uint64_t key) {
    return static_cast<unsigned>(key >> 32);
}

int keyCell(std::uint64_t key) {
    return static_cast<int>(std::numeric_limits<std::uint32_t>::max() -
                            static_cast<std::uint32_t>(key));
}

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
    beginMarks();
    goalIndex = isInGrid(goal.x, goal.y) ? paddedIndex(goal.x, goal.y) : -1;
    for (auto it = sources.begin(); it != sources.end();) {
        if (getWeight(it->x, it->y) <= 0.f) {
            it = sources.erase(it);
            continue;
        }
        // A cell listed twice keeps the later node; the earlier one's heap
        // entry is dropped once the cell is closed.
        current = paddedIndex(it->x, it->y);
        openCell(current, 0, 0, -1);
        ++it;
    }
    found = false;
    return true;
}

bool PathGrid::step() {
    if (!searching) {
        return true;
    }
    if (current >= 0) {
        for (int expansion = 0; expansion < ExpansionsPerStep; ++expansion) {
            ++iterations;
            current = popBestOpen();
            if (current < 0) {
                break;
            }
            if (current == goalIndex) {
                found = true;
                break;
            }
            searchCells[static_cast<std::size_t>(current)].mark = openMark + 1;
            expand(current);
        }
    }
    if (current >= 0 && !found) {
        return false;
    }
    searching = false;
    return true;
}

std::vector<Vec2i> PathGrid::getPath() {
    path.clear();
    if (current >= 0 && found) {
        for (int padded = current; padded >= 0;) {
            const SearchCell& node = searchCells[static_cast<std::size_t>(padded)];
            Vec2i cell = cellAt(padded);
            cell.z = static_cast<int>(node.costSoFar + node.estimate);
            path.push_back(cell);
            padded = node.parent;
        }
    }
    return path;
}

void PathGrid::cancelSearch() {
    searching = false;
    found = false;
    releaseNodes();
}

void PathGrid::releaseNodes() {
    current = -1;
    openHeap.clear();
}

void PathGrid::beginMarks() {
    // Two marks per search; when they run out, the cells are cleared once.
    if (openMark >= std::numeric_limits<std::uint32_t>::max() - 2) {
        for (SearchCell& cell : searchCells) {
            cell.mark = 0;
        }
        openMark = 0;
    }
    openMark += 2;
}

void PathGrid::openCell(int padded, unsigned costSoFar, unsigned estimate, int parent) {
    SearchCell& cell = searchCells[static_cast<std::size_t>(padded)];
    cell.costSoFar = costSoFar;
    cell.estimate = estimate;
    cell.parent = parent;
    cell.mark = openMark;
    openHeap.push_back(openKey(costSoFar + estimate, padded));
    std::push_heap(openHeap.begin(), openHeap.end(), std::greater<std::uint64_t>());
}

int PathGrid::popBestOpen() {
    while (!openHeap.empty()) {
        std::pop_heap(openHeap.begin(), openHeap.end(), std::greater<std::uint64_t>());
        const std::uint64_t key = openHeap.back();
        openHeap.pop_back();
        // Totals only ever drop and closed cells never reopen, so an entry
        // is current exactly when it still carries its open node's total.
        const int padded = keyCell(key);
        const SearchCell& cell = searchCells[static_cast<std::size_t>(padded)];
        if (cell.mark == openMark && cell.costSoFar + cell.estimate == keyTotal(key)) {
            return padded;
        }
    }
    return -1;
}

// Looked up for the walk factors the level sets; defined ahead of expand()
// so that it is inlined there.
inline unsigned PathGrid::diagonalCost(int from, const Vec2i& here,
                                       std::size_t directionIndex) const {
    const Vec2i& offset = directions[directionIndex];
    const auto classAt = [this](int padded) {
        return walkClasses[static_cast<std::size_t>(padded)];
    };
    const unsigned cost =
        diagonalCosts[classAt(from + neighbourSteps[directionIndex])][classAt(from + offset.x)]
                     [classAt(from + offset.y * paddedWidth)];
    return cost != UnusualFactor ? cost : diagonalCostFromWeights(here, offset);
}

void PathGrid::expand(int from) {
    const unsigned costHere = searchCells[static_cast<std::size_t>(from)].costSoFar;
    const Vec2i here = cellAt(from);
    const std::uint32_t closedMark = openMark + 1;
    const std::size_t count = directionCount;
    for (std::size_t d = 0; d < count; ++d) {
        const int padded = from + neighbourSteps[d];
        SearchCell& next = searchCells[static_cast<std::size_t>(padded)];
        if (next.mark == closedMark) {
            continue;
        }
        const unsigned cost = d < FirstDiagonal ? straightCosts[static_cast<std::size_t>(padded)]
                                                : diagonalCost(from, here, d);
        if (cost == 0) {
            continue;
        }
        const unsigned costSoFar = std::min(costHere + cost, MaxCostSoFar);
        if (next.mark != openMark) {
            const Vec2i cell(here.x + directions[d].x, here.y + directions[d].y);
            const unsigned estimate =
                plainHeuristic != nullptr ? plainHeuristic(cell, goal) : heuristic(cell, goal);
            openCell(padded, costSoFar, estimate, from);
        } else if (costSoFar < next.costSoFar) {
            next.parent = from;
            next.costSoFar = costSoFar;
            openHeap.push_back(openKey(costSoFar + next.estimate, padded));
            std::push_heap(openHeap.begin(), openHeap.end(), std::greater<std::uint64_t>());
        }
    }
}

unsigned PathGrid::diagonalCostFromWeights(const Vec2i& here, const Vec2i& offset) const {
    const float weight = getWeight(here.x + offset.x, here.y + offset.y);
    if (weight <= 0.f) {
        return 0;
    }
    // Both cells beside the diagonal must be passable: no cutting corners.
    const float beside =
        std::min(getWeight(here.x + offset.x, here.y), getWeight(here.x, here.y + offset.y));
    if (beside <= 0.f) {
        return 0;
    }
    return roundedStepCost(DiagonalStepCost, diagonalWeight(weight, beside));
}
