#include "EmployeeTestSupport.hpp"

#include "actors/GameObjectDoor.hpp"

#include <cmath>

namespace {

class EmployeeWalkTest : public EmployeeTest {
protected:
    // Game minutes one step onto floor takes at this employee's skill and mood.
    float FloorStepMinutes() const {
        const float skill = employee->getSkills().at(SkillWalkingSpeed);
        const float mood = employee->getMood();
        return 1.f / (1.5f * (0.7f + 0.3f * skill / 100.f) * (0.5f + 0.5f * mood / 100.f));
    }

    void WalkTo(int column, int row) { employee->receiveTasks({MakeTask(TaskWalk, column, row)}); }
};

} // namespace

TEST_F(EmployeeWalkTest, AStepOntoFloorEndsExactlyOnTheCell) {
    WalkTo(Column + 1, Row);
    const float took = RunUntilIdle(10.f);
    EXPECT_NEAR(took, FloorStepMinutes(), 0.02f);
    EXPECT_EQ(employee->getPosition(), CellPixel(Column + 1, Row));
    EXPECT_EQ(employee->getMapPosition(), sf::Vector2i(Column + 1, Row));
    EXPECT_EQ(employee->getFacing(), 90.f);
}

TEST_F(EmployeeWalkTest, StepsFaceTheirDirection) {
    const struct {
        int dx, dy;
        float facing;
    } steps[] = {{0, -1, 0.f},  {1, -1, 45.f},  {1, 0, 90.f},   {1, 1, 135.f},
                 {0, 1, 180.f}, {-1, 1, 225.f}, {-1, 0, 270.f}, {-1, -1, 315.f}};
    for (const auto& step : steps) {
        const sf::Vector2i from = employee->getMapPosition();
        WalkTo(from.x + step.dx, from.y + step.dy);
        employee->handleCurrentTask(0.01f);
        EXPECT_EQ(employee->getFacing(), step.facing) << step.dx << "," << step.dy;
        RunUntilIdle(10.f);
    }
}

TEST_F(EmployeeWalkTest, AStepSidewaysHopsAndADiagonalMovesBothWays) {
    WalkTo(Column + 1, Row);
    employee->handleCurrentTask(FloorStepMinutes() * 0.25f);
    EXPECT_NEAR(employee->getPosition().x, Column * Tile + 0.25f * Tile, 0.5f);
    EXPECT_NEAR(employee->getPosition().y, Row * Tile - Tile / 8.f, 0.5f);
    RunUntilIdle(10.f);

    WalkTo(Column + 2, Row + 1);
    employee->handleCurrentTask(FloorStepMinutes() * 0.5f);
    EXPECT_NEAR(employee->getPosition().x, (Column + 1) * Tile + 0.5f * Tile, 0.5f);
    EXPECT_NEAR(employee->getPosition().y, Row * Tile + 0.5f * Tile, 0.5f);
    RunUntilIdle(10.f);
    EXPECT_EQ(employee->getMapPosition(), sf::Vector2i(Column + 2, Row + 1));
}

TEST_F(EmployeeWalkTest, GrassTakesTwiceAsLong) {
    level->setTile(TileGrass, Column + 1, Row);
    WalkTo(Column + 1, Row);
    EXPECT_NEAR(RunUntilIdle(10.f), 2.f * FloorStepMinutes(), 0.02f);
}

TEST_F(EmployeeWalkTest, AWallIsNeverReached) {
    level->setTile(TileWall, Column + 1, Row);
    WalkTo(Column + 1, Row);
    RunUntilIdle(10.f);
    EXPECT_EQ(employee->getPosition(), CellPixel(Column, Row));
    EXPECT_EQ(employee->getMapPosition(), sf::Vector2i(Column, Row));
}

TEST_F(EmployeeWalkTest, AFinishedStepHandsTheFrameOn) {
    WalkTo(Column + 1, Row);
    employee->receiveTasks({MakeTask(TaskWalk, Column + 2, Row)});
    // One long frame: the first step reaches its end and the second begins.
    employee->handleCurrentTask(FloorStepMinutes() * 1.5f);
    EXPECT_EQ(employee->getMapPosition(), sf::Vector2i(Column + 1, Row));
    EXPECT_EQ(employee->getTasks().size(), 1u);
}

TEST_F(EmployeeWalkTest, ADoorIsWaitedForUntilItIsOpen) {
    ASSERT_TRUE(level->placeObject(ObjectDoor, Column + 1, Row, 0.f));
    ASSERT_EQ(level->getDoors().size(), 1u);
    GameObjectDoor* door = level->getDoors().front();
    WalkTo(Column + 1, Row);

    employee->handleCurrentTask(0.1f);
    EXPECT_TRUE(employee->isWaitingForDoor());
    EXPECT_TRUE(door->isOpening());
    EXPECT_EQ(employee->getPosition(), CellPixel(Column, Row));

    while (!door->isOpen()) {
        door->update(0.05f);
        employee->handleCurrentTask(0.01f);
    }
    employee->handleCurrentTask(0.05f);
    EXPECT_FALSE(employee->isWaitingForDoor());
    EXPECT_GT(employee->getPosition().x, Column * Tile);
}
