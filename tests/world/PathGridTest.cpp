#include "world/PathGrid.hpp"

#include <gtest/gtest.h>

TEST(PathGridTest, StartsEmptyWithManhattanEstimateAndFourDirections) {
    PathGrid grid;
    EXPECT_EQ(grid.getWorldSize(), Vec2i(0, 0));
    EXPECT_EQ(grid.getWorldSize().z, -1);
    EXPECT_EQ(grid.getDirectionCount(), 4u);
    EXPECT_EQ(grid.estimate(Vec2i(0, 0), Vec2i(3, 4)), 70u);
    EXPECT_EQ(grid.getWeight(0, 0), 0.f);
}

TEST(PathGridTest, DirectionsComeInTheExpansionOrder) {
    PathGrid grid;
    const std::vector<Vec2i> expected = {{0, 1},   {1, 0}, {0, -1}, {-1, 0},
                                         {-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
    EXPECT_EQ(grid.getDirections(), expected);
}

TEST(PathGridTest, DirectionCountIsFourOrEight) {
    PathGrid grid;
    grid.setDirectionCount(8);
    EXPECT_EQ(grid.getDirectionCount(), 8u);
    grid.setDirectionCount(5);
    EXPECT_EQ(grid.getDirectionCount(), 8u);
    grid.setDirectionCount(4);
    EXPECT_EQ(grid.getDirectionCount(), 4u);
}

TEST(PathGridTest, WorldSizeGivesEveryCellFullWeight) {
    PathGrid grid;
    grid.setWorldSize(Vec2i(3, 2));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(grid.getWeight(column, row), 1.f);
        }
    }
    EXPECT_FALSE(grid.isInGrid(3, 0));
    EXPECT_FALSE(grid.isInGrid(0, 2));
    EXPECT_FALSE(grid.isInGrid(-1, 0));
}

TEST(PathGridTest, ResizingReplacesTheWeights) {
    PathGrid grid;
    grid.setWorldSize(Vec2i(2, 2));
    grid.setWeight(1, 1, 0.f);
    grid.setWorldSize(Vec2i(2, 2));
    EXPECT_EQ(grid.getWeight(1, 1), 1.f);
}

TEST(PathGridTest, WeightsAreClampedAndOutsideWritesIgnored) {
    PathGrid grid;
    grid.setWorldSize(Vec2i(3, 3));
    grid.setWeight(0, 0, -2.f);
    grid.setWeight(1, 0, 7.f);
    grid.setWeight(2, 0, 0.5f);
    EXPECT_EQ(grid.getWeight(0, 0), 0.f);
    EXPECT_EQ(grid.getWeight(1, 0), 1.f);
    EXPECT_EQ(grid.getWeight(2, 0), 0.5f);

    // Column 3 of row 0 would be cell 0 of row 1 if only the index were checked.
    grid.setWeight(3, 0, 0.f);
    grid.setWeight(-1, 1, 0.f);
    grid.setWeight(0, 3, 0.f);
    EXPECT_EQ(grid.getWeight(0, 1), 1.f);
    EXPECT_EQ(grid.getWeight(2, 0), 0.5f);
    EXPECT_EQ(grid.getWeight(0, 2), 1.f);
}

TEST(PathGridTest, HeuristicsCountStraightAndDiagonalSteps) {
    EXPECT_EQ(manhattanHeuristic(Vec2i(2, 2), Vec2i(2, 2)), 0u);
    EXPECT_EQ(manhattanHeuristic(Vec2i(5, 1), Vec2i(2, 3)), 50u);
    EXPECT_EQ(diagonalHeuristic(Vec2i(0, 0), Vec2i(3, 3)), 42u);
    EXPECT_EQ(diagonalHeuristic(Vec2i(0, 0), Vec2i(5, 2)), 30u + 28u);
    EXPECT_EQ(diagonalHeuristic(Vec2i(4, 0), Vec2i(0, 0)), 40u);
    // The third field of a cell plays no part.
    EXPECT_EQ(diagonalHeuristic(Vec2i(1, 1, 99), Vec2i(0, 0)), 14u);
}

TEST(PathGridTest, InstalledHeuristicReplacesTheDefault) {
    PathGrid grid;
    grid.setHeuristic(diagonalHeuristic);
    EXPECT_EQ(grid.estimate(Vec2i(0, 0), Vec2i(2, 2)), 28u);
}
