#include "world/PathFindingBudget.hpp"

#include "../params/CoutCapture.hpp"
#include "LevelTestSupport.hpp"
#include "actors/Employee.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

// An 80 x 60 grid of floor with a wall across it, open at one end, so that
// a search from one side to the other takes well over one frame's budget.
void layFloorWithWall(PathGrid& grid) {
    grid.setWorldSize(Vec2i(80, 60));
    grid.setHeuristic(diagonalHeuristic);
    grid.setDirectionCount(8);
    for (int row = 0; row < 59; ++row) {
        grid.setWeight(40, row, 0.f);
    }
}

struct Finished {
    std::vector<std::vector<Vec2i>> paths;
};

// The requests carry no employee here; the goal stands in for its cell.
PathSearchGoal fixedGoal(const Vec2i& goal) {
    return [goal](const PathFindingItem&, Vec2i& cell) {
        cell = goal;
        return true;
    };
}

PathSearchFinished recordAndRemove(Finished& finished, std::deque<PathFindingItem>& queue) {
    return [&finished, &queue](PathFindingItem&, const std::vector<Vec2i>& path) {
        finished.paths.push_back(path);
        queue.pop_front();
    };
}

PathFindingItem requestFor(std::vector<Vec2i> targets) {
    std::vector<TaskType> tasks(targets.size(), TaskWalk);
    std::vector<GameObject*> objects(targets.size(), nullptr);
    std::vector<ItemType> items(targets.size(), ItemNone);
    return PathFindingItem(nullptr, NeedWork, std::move(targets), std::move(tasks),
                           std::move(objects), std::move(items));
}

} // namespace

TEST(PathFindingBudgetTest, ALongSearchIsSpreadOverFramesAndFindsTheSameWay) {
    PathGrid reference;
    layFloorWithWall(reference);
    reference.startSearch(Vec2i(70, 5), {Vec2i(5, 5)});
    while (!reference.step()) {
    }
    ASSERT_GT(reference.getIterations(), PathFindingBudgetPerFrame);

    PathGrid grid;
    layFloorWithWall(grid);
    std::deque<PathFindingItem> queue;
    queue.push_back(requestFor({Vec2i(5, 5)}));
    Finished finished;
    int frames = 0;
    while (!queue.empty() && frames < 100) {
        WorkOffPathFindingQueue(grid, queue, fixedGoal(Vec2i(70, 5)),
                                recordAndRemove(finished, queue));
        ++frames;
        EXPECT_LE(grid.getIterations(), frames * PathFindingBudgetPerFrame);
    }
    ASSERT_EQ(finished.paths.size(), 1u);
    EXPECT_EQ(frames, (reference.getIterations() + PathFindingBudgetPerFrame - 1) /
                          PathFindingBudgetPerFrame);
    EXPECT_EQ(finished.paths[0], reference.getPath());
    EXPECT_EQ(grid.getIterations(), reference.getIterations());
}

// Game minutes until the queue of long searches is worked off in frames of
// the given length, each spending the budget for that length.
float MinutesToWorkOff(float frameMinutes, Finished& finished) {
    PathGrid grid;
    layFloorWithWall(grid);
    std::deque<PathFindingItem> queue;
    for (int row = 2; row < 12; row += 2) {
        queue.push_back(requestFor({Vec2i(5, row)}));
    }
    float minutes = 0.f;
    while (!queue.empty() && minutes < 100.f) {
        WorkOffPathFindingQueue(grid, queue, fixedGoal(Vec2i(70, 5)),
                                recordAndRemove(finished, queue),
                                PathFindingBudgetFor(frameMinutes));
        minutes += frameMinutes;
    }
    return minutes;
}

TEST(PathFindingBudgetTest, SearchesTakeTheSameGameTimeAtEverySpeed) {
    Finished normal;
    Finished top;
    const float normalMinutes = MinutesToWorkOff(PathFindingNormalFrameMinutes, normal);
    const float topMinutes = MinutesToWorkOff(0.3f, top);
    // Several frames at top speed, and no more than one frame apart.
    EXPECT_GT(topMinutes, 1.f);
    EXPECT_NEAR(topMinutes, normalMinutes, 0.3f);
    EXPECT_EQ(top.paths, normal.paths);
    // Paused, nothing; a frame beyond the longest the game makes, no more
    // than that one.
    EXPECT_EQ(PathFindingBudgetFor(0.f), 0);
    EXPECT_EQ(PathFindingBudgetFor(1.8f), PathFindingBudgetCap);
    EXPECT_EQ(PathFindingBudgetFor(60.f), PathFindingBudgetCap);
}

TEST(PathFindingBudgetTest, ShortSearchesShareOneFrame) {
    PathGrid grid;
    layFloorWithWall(grid);
    std::deque<PathFindingItem> queue;
    for (int i = 0; i < 3; ++i) {
        queue.push_back(requestFor({Vec2i(10 + i, 10)}));
    }
    Finished finished;
    WorkOffPathFindingQueue(grid, queue, fixedGoal(Vec2i(10, 12)),
                            recordAndRemove(finished, queue));
    EXPECT_TRUE(queue.empty());
    ASSERT_EQ(finished.paths.size(), 3u);
    EXPECT_EQ(finished.paths[2].back(), Vec2i(12, 10));
}

TEST(PathFindingBudgetTest, WalledInTargetsEndInOneFrameWithAnEmptyPath) {
    PathGrid grid;
    layFloorWithWall(grid);
    for (const Vec2i& wall : {Vec2i(19, 19), Vec2i(20, 19), Vec2i(21, 19), Vec2i(19, 20),
                              Vec2i(21, 20), Vec2i(19, 21), Vec2i(20, 21), Vec2i(21, 21)}) {
        grid.setWeight(wall.x, wall.y, 0.f);
    }
    std::deque<PathFindingItem> queue;
    queue.push_back(requestFor({Vec2i(20, 20)}));
    Finished finished;
    WorkOffPathFindingQueue(grid, queue, fixedGoal(Vec2i(2, 2)), recordAndRemove(finished, queue));
    ASSERT_EQ(finished.paths.size(), 1u);
    EXPECT_TRUE(finished.paths[0].empty());
}

TEST(PathFindingBudgetTest, ARequestKeptForAFurtherLegIsSearchedAgainFromItsNewTargets) {
    PathGrid grid;
    layFloorWithWall(grid);
    std::deque<PathFindingItem> queue;
    queue.push_back(requestFor({Vec2i(5, 5)}));
    Finished finished;
    WorkOffPathFindingQueue(grid, queue, fixedGoal(Vec2i(7, 5)),
                            [&](PathFindingItem& item, const std::vector<Vec2i>& path) {
                                finished.paths.push_back(path);
                                if (finished.paths.size() == 1) {
                                    item.targets = {Vec2i(9, 5)};
                                } else {
                                    queue.pop_front();
                                }
                            });
    ASSERT_EQ(finished.paths.size(), 2u);
    EXPECT_EQ(finished.paths[0].back(), Vec2i(5, 5));
    EXPECT_EQ(finished.paths[1].back(), Vec2i(9, 5));
}

TEST(PathFindingBudgetTest, ARequestWithoutAGoalIsDroppedUnsearched) {
    PathGrid grid;
    layFloorWithWall(grid);
    std::deque<PathFindingItem> queue;
    queue.push_back(requestFor({Vec2i(5, 5)}));
    Finished finished;
    CoutCapture capture;
    WorkOffPathFindingQueue(
        grid, queue, [](const PathFindingItem&, Vec2i&) { return false; },
        recordAndRemove(finished, queue));
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(finished.paths.empty());
    EXPECT_EQ(grid.getIterations(), 0);
    EXPECT_EQ(capture.text(),
              "Level::processPathFindingQueue() - PathFindingItem ohne Employee!\n");
}

TEST_F(LevelTest, PathFinderSearchesTheMapInEightDirections) {
    const PathGrid& grid = level->getPathFinder();
    EXPECT_EQ(grid.getWorldSize(), Vec2i(80, 60));
    EXPECT_EQ(grid.getDirectionCount(), 8u);
    EXPECT_EQ(grid.estimate(Vec2i(0, 0), Vec2i(3, 1)), 34u);
}

TEST_F(LevelTest, RequestsNamingARemovedObjectLoseThoseTargets) {
    ASSERT_TRUE(level->placeObject(ObjectToilet, 10, 10, 0.f));
    GameObject* toilet = level->getObjectAtMapPosition(10, 10);
    ASSERT_NE(toilet, nullptr);
    level->queuePathFinding(PathFindingItem(nullptr, NeedToilet, {Vec2i(10, 11), Vec2i(3, 3)},
                                            {TaskToilet, TaskWalk}, {toilet, nullptr},
                                            {ItemNone, ItemNone}));
    ASSERT_TRUE(level->removeObject(10, 10));
    ASSERT_EQ(level->getPathFindingQueue().size(), 1u);
    const PathFindingItem& item = level->getPathFindingQueue().front();
    EXPECT_EQ(item.targets, std::vector<Vec2i>{Vec2i(3, 3)});
    EXPECT_EQ(item.correspondingGameObjects, std::vector<GameObject*>{nullptr});
}

TEST_F(LevelTest, RequestsOfAnEmployeeWhoLeavesAreDropped) {
    level->queuePathFinding(requestFor({Vec2i(5, 5)}));
    level->queuePathFinding(requestFor({Vec2i(6, 6)}));
    level->dropPathRequestsOf(nullptr);
    EXPECT_TRUE(level->getPathFindingQueue().empty());
    EXPECT_FALSE(level->getPathFinder().isSearching());
}

TEST_F(LevelTest, ClearingTheLevelEmptiesThePathFindingQueue) {
    level->queuePathFinding(requestFor({Vec2i(5, 5)}));
    level->clear();
    EXPECT_TRUE(level->getPathFindingQueue().empty());
}

TEST_F(LevelTest, AFrameSearchesFromTheEmployeesCellAndHandsOnTheRequest) {
    Employee employee(level.get(), 0, 10, 20);
    level->queuePathFinding(
        PathFindingItem(&employee, NeedWork, {Vec2i(14, 20)}, {TaskWalk}, {nullptr}, {ItemNone}));
    level->processPathFindingQueue();
    EXPECT_TRUE(level->getPathFindingQueue().empty());
    EXPECT_TRUE(level->getPathFinder().hasFound());
    EXPECT_EQ(level->getPathFinder().getGoal(), Vec2i(10, 20));
}

TEST_F(LevelTest, APausedFrameSearchesNothing) {
    Employee employee(level.get(), 0, 10, 20);
    level->queuePathFinding(
        PathFindingItem(&employee, NeedWork, {Vec2i(14, 20)}, {TaskWalk}, {nullptr}, {ItemNone}));
    level->update(0.f);
    EXPECT_EQ(level->getPathFindingQueue().size(), 1u);
    EXPECT_FALSE(level->getPathFinder().isSearching());
}

TEST_F(LevelTest, AnEmployeeWhoLeavesMidSearchTakesTheSearchAlong) {
    Employee employee(level.get(), 0, 1, 20);
    Employee other(level.get(), 0, 2, 20);
    // Far enough for the search to outlast one frame.
    level->queuePathFinding(
        PathFindingItem(&employee, NeedWork, {Vec2i(78, 40)}, {TaskWalk}, {nullptr}, {ItemNone}));
    level->queuePathFinding(
        PathFindingItem(&other, NeedWork, {Vec2i(5, 20)}, {TaskWalk}, {nullptr}, {ItemNone}));
    level->processPathFindingQueue();
    ASSERT_TRUE(level->getPathFinder().isSearching());
    level->dropPathRequestsOf(&employee);
    EXPECT_FALSE(level->getPathFinder().isSearching());
    ASSERT_EQ(level->getPathFindingQueue().size(), 1u);
    EXPECT_EQ(level->getPathFindingQueue().front().employee, &other);
    // The next frame searches for the one who stayed, from the start.
    level->processPathFindingQueue();
    EXPECT_TRUE(level->getPathFindingQueue().empty());
    EXPECT_EQ(level->getPathFinder().getGoal(), Vec2i(2, 20));
}
