#include "EmployeeTestSupport.hpp"

#include "actors/GameObject.hpp"

namespace {

class EmployeeUseTest : public EmployeeTest {
protected:
    // An object of the type on the cell right of the employee, used from the
    // employee's cell.
    GameObject* PlaceBeside(GameObjectType type, float rotation) {
        EXPECT_TRUE(level->placeObject(type, Column + 1, Row, rotation));
        return level->getObjectAtMapPosition(Column + 1, Row);
    }

    Task UseTask(TaskType type, GameObjectType objectType) {
        return MakeTask(type, Column, Row, objectType, Column + 1, Row);
    }

    void SetNeed(NeedType type, float value) { employee->getNeeds().at(type).setValue(value); }
    float Need(NeedType type) const { return employee->getNeeds().at(type).getValue(); }
};

} // namespace

TEST_F(EmployeeUseTest, EatingLowersFoodUntilSatisfied) {
    // A fridge is used from its left, facing right.
    GameObject* fridge = PlaceBeside(ObjectFridge, 0.f);
    ASSERT_NE(fridge, nullptr);
    ASSERT_EQ(fridge->getUsagePos().front(), Vec2i(Column, Row));
    SetNeed(NeedFood, 30.f);
    employee->receiveTasks({UseTask(TaskEat, ObjectFridge)});

    employee->handleCurrentTask(1.f);
    EXPECT_EQ(employee->getCurrentObjectUsed(), fridge);
    EXPECT_EQ(employee->getFacing(), 90.f);
    EXPECT_NEAR(Need(NeedFood), 10.f, 0.01f);

    employee->handleCurrentTask(1.f);
    EXPECT_EQ(Need(NeedFood), 0.f);
    EXPECT_TRUE(employee->getTasks().empty());
    EXPECT_EQ(employee->getCurrentObjectUsed(), nullptr);
    EXPECT_EQ(employee->getLastObjectUsed(), fridge);
    EXPECT_EQ(employee->getMapPosLastObjectUsed(), sf::Vector2i(Column + 1, Row));
}

TEST_F(EmployeeUseTest, TimeLeftAfterSatisfactionGoesToTheNextTask) {
    PlaceBeside(ObjectFridge, 0.f);
    SetNeed(NeedFood, 10.f);
    employee->receiveTasks({UseTask(TaskEat, ObjectFridge), MakeTask(TaskWalk, Column, Row + 1)});
    // Half a minute satisfies the need; the rest of the frame is walking.
    employee->handleCurrentTask(0.6f);
    EXPECT_EQ(Need(NeedFood), 0.f);
    ASSERT_EQ(employee->getTasks().size(), 1u);
    EXPECT_GT(employee->getPosition().y, Row * Tile);
}

TEST_F(EmployeeUseTest, ANeedAlreadyAtItsMinimumEndsTheUseAtOnce) {
    PlaceBeside(ObjectToilet, 0.f);
    level->setTile(TileFloor, Column + 1, Row);
    SetNeed(NeedToilet, 0.f);
    // The toilet is used standing on it.
    employee->receiveTasks({MakeTask(TaskToilet, Column + 1, Row, ObjectToilet, Column + 1, Row)});
    employee->attachToLevel(level.get(), Column + 1, Row);
    employee->handleCurrentTask(0.01f);
    EXPECT_TRUE(employee->getTasks().empty());
}

TEST_F(EmployeeUseTest, AMissingObjectEndsTheTaskAndFreesTheTile) {
    ASSERT_TRUE(level->getTileAt(Column, Row)->occupy());
    employee->receiveTasks({UseTask(TaskCoffee, ObjectCoffeeMachine)});
    employee->handleCurrentTask(0.1f);
    EXPECT_TRUE(employee->getTasks().empty());
    EXPECT_FALSE(level->getTileAt(Column, Row)->isOccupied());
}

TEST_F(EmployeeUseTest, WorkAtADeskLastsFiveMinutesOfEffort) {
    // A desk turned by 90 degrees is used from its left.
    GameObject* desk = PlaceBeside(ObjectDesk, 90.f);
    ASSERT_EQ(desk->getUsagePos().front(), Vec2i(Column, Row));
    ASSERT_TRUE(level->getTileAt(Column, Row)->occupy());
    employee->receiveTasks({UseTask(TaskWork, ObjectDesk)});
    const float speed = (0.5f + 0.5f * employee->getMood() / 100.f) *
                        (0.7f + 0.3f * employee->getSkills().at(SkillWorkingSpeed) / 100.f);
    const float took = RunUntilIdle(60.f);
    EXPECT_NEAR(took, 5.f / speed, 0.02f);
    EXPECT_FALSE(employee->occupiesTile());
    EXPECT_FALSE(level->getTileAt(Column, Row)->isOccupied());
    EXPECT_EQ(employee->getLastObjectUsed(), desk);
}

TEST_F(EmployeeUseTest, WorkAtAWorkbenchDrivesItsProduction) {
    GameObject* bench = PlaceBeside(ObjectWorkbench, 0.f);
    ASSERT_TRUE(bench->setRecipe(static_cast<ItemType>(1000)));
    for (int session = 0; session < 7; ++session) {
        employee->receiveTasks({UseTask(TaskWork, ObjectWorkbench)});
        RunUntilIdle(60.f, 0.05f);
    }
    // Six sessions of five minutes make the thirty minutes of one steel; the
    // seventh finds the output waiting and ends at once.
    EXPECT_EQ(bench->getProducedItemOutput().count(static_cast<ItemType>(1000)), 1u);
    EXPECT_EQ(employee->getFacing(), 90.f);
}

TEST_F(EmployeeUseTest, WorkEndsWhenTheObjectHasNothingToDo) {
    PlaceBeside(ObjectWorkbench, 0.f);
    employee->receiveTasks({UseTask(TaskWork, ObjectWorkbench)});
    employee->handleCurrentTask(0.1f);
    EXPECT_TRUE(employee->getTasks().empty());
}

TEST_F(EmployeeUseTest, ARemovedObjectIsForgotten) {
    PlaceBeside(ObjectFridge, 0.f);
    SetNeed(NeedFood, 90.f);
    employee->receiveTasks({UseTask(TaskEat, ObjectFridge)});
    employee->handleCurrentTask(0.5f);
    ASSERT_NE(employee->getCurrentObjectUsed(), nullptr);
    GameObject* fridge = employee->getCurrentObjectUsed();
    employee->forgetObject(fridge);
    EXPECT_EQ(employee->getCurrentObjectUsed(), nullptr);
    ASSERT_TRUE(level->removeObject(Column + 1, Row));
    employee->handleCurrentTask(0.5f);
    EXPECT_TRUE(employee->getTasks().empty());
}
