#include "world/PathGrid.hpp"

#include "world/ScanPathSearch.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

// The engine picks the next node from a queue; the plain scan of every cell
// is the rule it must follow. On many random maps both must expand the same
// nodes in the same order, which shows in identical paths, totals, round
// counts and step results.
namespace {

struct RandomCase {
    int width;
    int height;
    unsigned directions;
    bool diagonalEstimate;
};

float randomWeight(std::mt19937& random) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind < 2) {
        return 0.f; // wall or furniture
    }
    if (kind < 4) {
        return 0.5f; // grass
    }
    if (kind == 4) {
        // Odd factors make ties and improvements of open nodes likelier.
        return std::uniform_real_distribution<float>(0.1f, 1.f)(random);
    }
    return 1.f;
}

Vec2i randomCell(std::mt19937& random, int width, int height) {
    // Now and then a cell off the grid.
    return Vec2i(std::uniform_int_distribution<int>(-1, width)(random),
                 std::uniform_int_distribution<int>(-1, height)(random));
}

// The grid is shared by all maps of a shape, as the level's is by all its
// searches: nothing of one search or map may linger into the next.
void compareOneSearch(PathGrid& grid, std::mt19937& random, const RandomCase& shape,
                      int mapNumber) {
    for (int row = 0; row < shape.height; ++row) {
        for (int column = 0; column < shape.width; ++column) {
            grid.setWeight(column, row, randomWeight(random));
        }
    }
    const Vec2i goal = randomCell(random, shape.width, shape.height);
    std::vector<Vec2i> targets;
    const int targetCount = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < targetCount; ++i) {
        targets.push_back(randomCell(random, shape.width, shape.height));
    }
    if (targetCount > 1 && mapNumber % 5 == 0) {
        targets.push_back(targets.front());
    }

    ScanPathSearch reference(grid);
    reference.start(goal, targets);
    ASSERT_TRUE(grid.startSearch(goal, targets));
    for (int call = 0;; ++call) {
        const bool referenceDone = reference.step();
        const bool done = grid.step();
        ASSERT_EQ(done, referenceDone) << "map " << mapNumber << ", call " << call;
        ASSERT_EQ(grid.getIterations(), reference.iterations) << "map " << mapNumber;
        if (done) {
            break;
        }
    }
    EXPECT_EQ(grid.hasFound(), reference.found) << "map " << mapNumber;
    const std::vector<Vec2i> path = grid.getPath();
    const std::vector<Vec2i> expected = reference.path();
    ASSERT_EQ(path, expected) << "map " << mapNumber;
    for (std::size_t i = 0; i < path.size(); ++i) {
        EXPECT_EQ(path[i].z, expected[i].z) << "map " << mapNumber << ", cell " << i;
    }
}

} // namespace

TEST(PathGridSelectionTest, QueuedSelectionExpandsLikeTheScanOnRandomMaps) {
    const RandomCase shapes[] = {
        {12, 9, 4, false}, {12, 9, 8, true}, {12, 9, 8, false}, {30, 20, 4, true},
        {30, 20, 8, true}, {1, 15, 8, true}, {25, 1, 4, false}, {40, 30, 8, true},
    };
    std::mt19937 random(20261208);
    int mapNumber = 0;
    for (const RandomCase& shape : shapes) {
        PathGrid grid;
        grid.setWorldSize(Vec2i(shape.width, shape.height));
        grid.setDirectionCount(shape.directions);
        if (shape.diagonalEstimate) {
            grid.setHeuristic(diagonalHeuristic);
        }
        for (int i = 0; i < 60; ++i, ++mapNumber) {
            compareOneSearch(grid, random, shape, mapNumber);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(PathGridSelectionTest, QueuedSelectionExpandsLikeTheScanOnOpenFloor) {
    // Without walls almost every total ties with its neighbours'.
    PathGrid grid;
    grid.setWorldSize(Vec2i(20, 15));
    grid.setHeuristic(diagonalHeuristic);
    grid.setDirectionCount(8);
    const std::vector<Vec2i> targets = {{0, 0}, {19, 14}, {19, 0}, {0, 14}, {10, 7}};
    for (const Vec2i& goal : {Vec2i(3, 11), Vec2i(15, 2), Vec2i(10, 8), Vec2i(25, 3)}) {
        ScanPathSearch reference(grid);
        reference.start(goal, targets);
        grid.startSearch(goal, targets);
        while (!grid.step()) {
            reference.step();
        }
        reference.step();
        EXPECT_EQ(grid.getIterations(), reference.iterations);
        EXPECT_EQ(grid.getPath(), reference.path());
    }
}
