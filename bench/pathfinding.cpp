// Cost of path finding on the 80 x 60 map: one whole search, and one frame's
// budget of expansions at normal speed, at top speed and at the cap. For comparison, the same
// searches with the plain selection that scans every cell per expansion. Run from build/ as
// `bench/pathfinding`.

#include "world/ScanPathSearch.hpp"
#include "world/PathFindingBudget.hpp"
#include "world/PathGrid.hpp"

#include <chrono>
#include <iostream>
#include <random>
#include <vector>

namespace {

constexpr int Width = 80;
constexpr int Height = 60;
constexpr int Searches = 200;

// Rooms of 10 x 10 cells with walls between them, a door gap in each wall,
// grass round the factory, like a built-up level.
void layFactory(PathGrid& grid) {
    grid.setWorldSize(Vec2i(Width, Height));
    grid.setHeuristic(diagonalHeuristic);
    grid.setDirectionCount(PathGrid::MaxDirections);
    for (int row = 0; row < Height; ++row) {
        for (int column = 0; column < Width; ++column) {
            const bool border = row < 3 || column < 3 || row >= Height - 3 || column >= Width - 3;
            const bool wall =
                (column % 10 == 0 && row % 10 != 5) || (row % 10 == 0 && column % 10 != 5);
            grid.setWeight(column, row, border ? 0.5f : wall ? 0.f : 1.f);
        }
    }
}

struct Request {
    Vec2i goal;
    std::vector<Vec2i> targets;
};

std::vector<Request> makeRequests(const PathGrid& grid) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> column(0, Width - 1);
    std::uniform_int_distribution<int> row(0, Height - 1);
    auto walkable = [&] {
        for (;;) {
            const Vec2i cell(column(random), row(random));
            if (grid.getWeight(cell.x, cell.y) > 0.f) {
                return cell;
            }
        }
    };
    std::vector<Request> requests(Searches);
    for (Request& request : requests) {
        request.goal = walkable();
        for (int i = 0; i < 3; ++i) {
            request.targets.push_back(walkable());
        }
    }
    return requests;
}

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

} // namespace

int main() {
    PathGrid grid;
    layFactory(grid);
    const std::vector<Request> requests = makeRequests(grid);

    long expansions = 0;
    const Clock::time_point queuedStart = Clock::now();
    for (const Request& request : requests) {
        grid.startSearch(request.goal, request.targets);
        while (!grid.step()) {
        }
        expansions += grid.getIterations();
    }
    const double queued = microseconds(Clock::now() - queuedStart);

    long scanExpansions = 0;
    const Clock::time_point scanStart = Clock::now();
    for (const Request& request : requests) {
        ScanPathSearch scan(grid);
        scan.start(request.goal, request.targets);
        while (!scan.step()) {
        }
        scanExpansions += scan.iterations;
    }
    const double scanned = microseconds(Clock::now() - scanStart);

    const double perExpansion = queued / static_cast<double>(expansions);
    const double scanPerExpansion = scanned / static_cast<double>(scanExpansions);
    std::cout << Searches << " searches on " << Width << " x " << Height << ", "
              << expansions / Searches << " expansions each on average\n"
              << "queued selection: " << queued / Searches << " us per search, "
              << perExpansion * PathFindingBudgetPerFrame << " us per frame budget of "
              << PathFindingBudgetPerFrame << " expansions (normal speed), "
              << perExpansion * PathFindingBudgetFor(0.3f) << " us for "
              << PathFindingBudgetFor(0.3f) << " (top speed), "
              << perExpansion * PathFindingBudgetCap << " us for the cap of "
              << PathFindingBudgetCap << "\n"
              << "scan selection:   " << scanned / Searches << " us per search, "
              << scanPerExpansion * PathFindingBudgetPerFrame << " us per frame budget\n"
              << "scan / queued:    " << scanned / queued << std::endl;
    return expansions == scanExpansions ? 0 : 1;
}
