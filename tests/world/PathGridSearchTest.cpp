#include "world/PathGrid.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A grid drawn as rows of text: '.' floor (1.0), ',' grass (0.5), '#' wall.
PathGrid gridFromRows(const std::vector<std::string>& rows, unsigned directions = 8) {
    PathGrid grid;
    grid.setWorldSize(Vec2i(static_cast<int>(rows[0].size()), static_cast<int>(rows.size())));
    grid.setHeuristic(diagonalHeuristic);
    grid.setDirectionCount(directions);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(rows[0].size()); ++column) {
            const char c = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            grid.setWeight(column, row, c == '#' ? 0.f : c == ',' ? 0.5f : 1.f);
        }
    }
    return grid;
}

// Steps until the search ends; the number of step() calls it took.
int runToEnd(PathGrid& grid) {
    int calls = 1;
    while (!grid.step()) {
        ++calls;
    }
    return calls;
}

std::vector<Vec2i> cells(std::vector<Vec2i> path) {
    for (Vec2i& cell : path) {
        cell.z = -1;
    }
    return path;
}

} // namespace

TEST(PathGridSearchTest, PathRunsFromTheGoalToTheSourceWithTotalsInTheThirdField) {
    PathGrid grid = gridFromRows({"....."}, 4);
    ASSERT_TRUE(grid.startSearch(Vec2i(0, 0), {Vec2i(3, 0)}));
    runToEnd(grid);
    EXPECT_TRUE(grid.hasFound());
    const std::vector<Vec2i> path = grid.getPath();
    const std::vector<Vec2i> expected = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    ASSERT_EQ(path, expected);
    // Every node on a straight run to the goal has the same total; the source has 0.
    EXPECT_EQ(path[0].z, 30);
    EXPECT_EQ(path[1].z, 30);
    EXPECT_EQ(path[2].z, 30);
    EXPECT_EQ(path[3].z, 0);
}

TEST(PathGridSearchTest, TheNearestOfSeveralTargetsIsReached) {
    PathGrid grid = gridFromRows({"..........", ".........."});
    grid.startSearch(Vec2i(6, 0), {Vec2i(0, 0), Vec2i(9, 1), Vec2i(2, 1)});
    runToEnd(grid);
    const std::vector<Vec2i> path = grid.getPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), Vec2i(6, 0));
    EXPECT_EQ(path.back(), Vec2i(9, 1));
}

TEST(PathGridSearchTest, EquallyNearTargetsGoToTheLaterCell) {
    PathGrid grid = gridFromRows({"....."}, 4);
    grid.startSearch(Vec2i(2, 0), {Vec2i(0, 0), Vec2i(4, 0)});
    runToEnd(grid);
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{2, 0}, {3, 0}, {4, 0}}));
    // The order the targets are listed in does not matter.
    grid.startSearch(Vec2i(2, 0), {Vec2i(4, 0), Vec2i(0, 0)});
    runToEnd(grid);
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{2, 0}, {3, 0}, {4, 0}}));
}

TEST(PathGridSearchTest, DiagonalsDoNotCutPastAWallCorner) {
    PathGrid grid = gridFromRows({
        "...",
        ".#.",
        "...",
    });
    grid.startSearch(Vec2i(2, 1), {Vec2i(1, 0)});
    runToEnd(grid);
    // (1,0) to (2,1) would pass the wall's corner; it goes round by (2,0).
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{2, 1}, {2, 0}, {1, 0}}));

    PathGrid open = gridFromRows({"...", "...", "..."});
    open.startSearch(Vec2i(2, 1), {Vec2i(1, 0)});
    runToEnd(open);
    EXPECT_EQ(cells(open.getPath()), (std::vector<Vec2i>{{2, 1}, {1, 0}}));
}

TEST(PathGridSearchTest, DiagonalOverGrassBetweenFloorCostsSixteen) {
    PathGrid grid = gridFromRows({
        "...",
        ".,.",
        "...",
    });
    grid.startSearch(Vec2i(1, 1), {Vec2i(0, 0)});
    runToEnd(grid);
    const std::vector<Vec2i> path = grid.getPath();
    ASSERT_EQ(cells(path), (std::vector<Vec2i>{{1, 1}, {0, 0}}));
    // round(14 / (0.25 * 0.5 + 0.75 * 1.0)); the estimate at the goal is 0.
    EXPECT_EQ(path[0].z, 16);
}

TEST(PathGridSearchTest, GrassIsCrossedWhenCheaperThanTheWayRound) {
    PathGrid grid = gridFromRows(
        {
            ".,.",
            "...",
        },
        4);
    grid.startSearch(Vec2i(2, 0), {Vec2i(0, 0)});
    runToEnd(grid);
    // Across the grass costs 20 + 10 = 30 against 40 round it; across it is.
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(grid.getPath().front().z, 30);
}

TEST(PathGridSearchTest, WalledInTargetsExhaustTheSearchWithAnEmptyPath) {
    PathGrid grid = gridFromRows({
        "......",
        ".###..",
        ".#.#..",
        ".###..",
    });
    grid.startSearch(Vec2i(5, 3), {Vec2i(2, 2)});
    EXPECT_EQ(runToEnd(grid), 1);
    EXPECT_FALSE(grid.hasFound());
    EXPECT_FALSE(grid.isSearching());
    EXPECT_TRUE(grid.getPath().empty());
    // One round expands the target, the next finds nothing open.
    EXPECT_EQ(grid.getIterations(), 2);
}

TEST(PathGridSearchTest, UnusableSourcesAreDroppedAndNoneLeftEndsAtOnce) {
    PathGrid grid = gridFromRows({"..#.."});
    grid.startSearch(Vec2i(0, 0), {Vec2i(2, 0), Vec2i(-1, 0), Vec2i(4, 0), Vec2i(5, 0)});
    EXPECT_EQ(grid.getSources(), (std::vector<Vec2i>{{4, 0}}));
    runToEnd(grid);
    EXPECT_TRUE(grid.getPath().empty());

    grid.startSearch(Vec2i(0, 0), {Vec2i(2, 0)});
    EXPECT_TRUE(grid.getSources().empty());
    EXPECT_TRUE(grid.step());
    EXPECT_EQ(grid.getIterations(), 0);
    EXPECT_TRUE(grid.getPath().empty());
}

TEST(PathGridSearchTest, GoalsOffTheGridOrOnAWallAreNeverReached) {
    PathGrid grid = gridFromRows({"...#"});
    grid.startSearch(Vec2i(3, 0), {Vec2i(0, 0)});
    runToEnd(grid);
    EXPECT_FALSE(grid.hasFound());
    EXPECT_TRUE(grid.getPath().empty());

    grid.startSearch(Vec2i(9, 9), {Vec2i(0, 0)});
    runToEnd(grid);
    EXPECT_FALSE(grid.hasFound());
    EXPECT_TRUE(grid.getPath().empty());
}

TEST(PathGridSearchTest, ASourceOnTheGoalIsAPathOfOneCell) {
    PathGrid grid = gridFromRows({"..."});
    grid.startSearch(Vec2i(1, 0), {Vec2i(1, 0)});
    EXPECT_TRUE(grid.step());
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{1, 0}}));
    EXPECT_EQ(grid.getIterations(), 1);
}

TEST(PathGridSearchTest, ATargetListedTwiceIsSearchedOnce) {
    PathGrid grid = gridFromRows({"....."}, 4);
    grid.startSearch(Vec2i(0, 0), {Vec2i(4, 0), Vec2i(4, 0)});
    EXPECT_EQ(grid.getSources().size(), 2u);
    runToEnd(grid);
    EXPECT_EQ(cells(grid.getPath()), (std::vector<Vec2i>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    EXPECT_EQ(grid.getIterations(), 5);
}

TEST(PathGridSearchTest, ASecondSearchWaitsUntilTheFirstHasEnded) {
    PathGrid grid = gridFromRows({"............................"}, 4);
    ASSERT_TRUE(grid.startSearch(Vec2i(0, 0), {Vec2i(27, 0)}));
    EXPECT_FALSE(grid.step());
    EXPECT_FALSE(grid.startSearch(Vec2i(5, 0), {Vec2i(6, 0)}));
    EXPECT_EQ(grid.getGoal(), Vec2i(0, 0));
    runToEnd(grid);
    EXPECT_EQ(grid.getPath().size(), 28u);
    EXPECT_TRUE(grid.startSearch(Vec2i(5, 0), {Vec2i(6, 0)}));
}

TEST(PathGridSearchTest, EachStepMakesAtMostTenExpansions) {
    PathGrid grid = gridFromRows({"........................................"}, 4);
    grid.startSearch(Vec2i(0, 0), {Vec2i(39, 0)});
    EXPECT_FALSE(grid.step());
    EXPECT_EQ(grid.getIterations(), 10);
    EXPECT_FALSE(grid.step());
    EXPECT_EQ(grid.getIterations(), 20);
    EXPECT_EQ(runToEnd(grid), 2);
    // 40 cells, the goal's own round included.
    EXPECT_EQ(grid.getIterations(), 40);
}

TEST(PathGridSearchTest, AFinishedSearchStaysFinished) {
    PathGrid grid = gridFromRows({"..."});
    grid.startSearch(Vec2i(0, 0), {Vec2i(2, 0)});
    runToEnd(grid);
    const int iterations = grid.getIterations();
    EXPECT_TRUE(grid.step());
    EXPECT_EQ(grid.getIterations(), iterations);
    EXPECT_EQ(grid.getPath().size(), 3u);
}

TEST(PathGridSearchTest, CancellingOrResizingDropsTheRunningSearch) {
    PathGrid grid = gridFromRows({"............................"}, 4);
    grid.startSearch(Vec2i(0, 0), {Vec2i(27, 0)});
    grid.step();
    grid.cancelSearch();
    EXPECT_FALSE(grid.isSearching());
    EXPECT_TRUE(grid.getPath().empty());
    EXPECT_TRUE(grid.step());

    grid.startSearch(Vec2i(0, 0), {Vec2i(27, 0)});
    grid.step();
    // The old search's cells would lie outside the smaller grid.
    grid.setWorldSize(Vec2i(3, 1));
    EXPECT_FALSE(grid.isSearching());
    EXPECT_TRUE(grid.startSearch(Vec2i(0, 0), {Vec2i(2, 0)}));
    runToEnd(grid);
    EXPECT_EQ(grid.getPath().size(), 3u);
}

TEST(PathGridSearchTest, AWeightChangedDuringASearchIsHeededFromThen) {
    const std::string row(30, '.');
    PathGrid grid = gridFromRows({row, row}, 4);
    grid.startSearch(Vec2i(0, 0), {Vec2i(29, 0)});
    ASSERT_FALSE(grid.step());
    // Far ahead of the cells reached so far.
    grid.setWeight(5, 0, 0.f);
    runToEnd(grid);
    const std::vector<Vec2i> path = cells(grid.getPath());
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(std::count(path.begin(), path.end(), Vec2i(5, 0)), 0);
}
