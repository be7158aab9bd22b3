#include "actors/Employee.hpp"
#include "actors/Task.hpp"
#include "world/Zone.hpp"

#include "LevelTestSupport.hpp"

#include <cstdlib>

namespace {

class LevelEmployeesTest : public LevelTest {
protected:
    Employee& Hire() {
        EXPECT_TRUE(level->hireApplicant(0));
        return *level->getEmployees().back();
    }

    // Stands the employee on a cell, as if it had walked there.
    static void MoveTo(Employee& employee, Level& onLevel, int column, int row) {
        employee.attachToLevel(&onLevel, column, row);
    }
};

} // namespace

TEST_F(LevelEmployeesTest, AHiredApplicantEntersAtAnEntryPointAndWalksIn) {
    const std::string name = level->getApplicantPool().getApplicants()[0].employee->getFullName();
    Employee& hired = Hire();
    EXPECT_EQ(hired.getFullName(), name);
    EXPECT_EQ(level->getApplicantPool().size(), 4u);
    EXPECT_EQ(level->getEmployees().size(), 1u);
    const sf::Vector2i at = hired.getMapPosition();
    const auto& entries = level->getEntryPoints();
    EXPECT_NE(std::find(entries.begin(), entries.end(), at), entries.end());
    ASSERT_EQ(hired.getTasks().size(), 1u);
    const Task& walk = hired.getTasks().front();
    EXPECT_EQ(walk.getTask(), TaskWalk);
    EXPECT_EQ(walk.getDestination().y, at.y);
    EXPECT_EQ(walk.getDestination().x, at.x < 0 ? 0 : level->getWidth() - 1);
}

TEST_F(LevelEmployeesTest, HiringFromAnEmptyPoolDoesNothing) {
    for (int i = 0; i < 5; ++i) {
        Hire();
    }
    EXPECT_FALSE(level->hireApplicant(0));
    EXPECT_EQ(level->getEmployees().size(), 5u);
}

TEST_F(LevelEmployeesTest, EmployeesWanderOnTheMapWithoutWork) {
    std::srand(2);
    for (int i = 0; i < 3; ++i) {
        Hire();
    }
    for (int frame = 0; frame < 2000; ++frame) {
        level->update(0.3f);
    }
    for (const auto& employee : level->getEmployees()) {
        const sf::Vector2i at = employee->getMapPosition();
        EXPECT_TRUE(level->isWalkableCell(at.x, at.y)) << at.x << "," << at.y;
    }
}

TEST_F(LevelEmployeesTest, WagesAreTheSumOfTheSalaries) {
    const float salaries = Hire().getSalary() + Hire().getSalary();
    const double before = balance();
    level->payWages();
    EXPECT_NEAR(balance(), before - salaries, 0.001);
    EXPECT_TRUE(level->getBankAccount().hasChanged());
}

TEST_F(LevelEmployeesTest, DismissingReleasesEverythingTheEmployeeHeld) {
    Employee& leaving = Hire();
    const int id = leaving.getId();
    MoveTo(leaving, *level, 10, 10);
    ASSERT_TRUE(level->setTile(TileFloor, 12, 10));
    ASSERT_TRUE(level->setZone(ZoneStorage, 12, 10));
    unsigned one = 1;
    ASSERT_TRUE(level->getZoneAt(12, 10)->setItemInDelivery(ItemSteel, one));
    ASSERT_TRUE(level->getTileAt(10, 10)->occupy());
    leaving.receiveTasks(
        {Task(nullptr, TaskDeliver, NeedNone, ZoneMarker, ItemSteel, 12, 10, 12, 10)});

    EXPECT_FALSE(level->removeEmployee(1));
    ASSERT_TRUE(level->removeEmployee(0));
    EXPECT_TRUE(level->getEmployees().empty());
    EXPECT_EQ(Employee::GetById(id), nullptr);
    EXPECT_FALSE(level->getTileAt(10, 10)->isOccupied());
    EXPECT_EQ(level->getZoneAt(12, 10)->getAmountInDelivery(), 0u);
}

TEST_F(LevelEmployeesTest, TheTooltipDescribesAnEmployeeWithinHalfACell) {
    Employee& shown = Hire();
    MoveTo(shown, *level, 10, 10);
    const std::string text = level->tooltipText(px(10) + 63.f, px(10) - 64.f, 10, 10);
    EXPECT_EQ(text.rfind(shown.getFullName(), 0), 0u);
    EXPECT_EQ(level->tooltipText(px(10) + 64.f, px(10), 10, 10).find(shown.getFullName()),
              std::string::npos);
}

TEST_F(LevelEmployeesTest, AtEqualHeightEmployeesAreDrawnLast) {
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, 12, 10, 0.f));
    ASSERT_TRUE(level->placeSurfaceObject(ObjectCoffeeMachine, 12, 10, 0.f));
    Employee& walker = Hire();
    MoveTo(walker, *level, 11, 10);
    level->update(0.f);
    std::vector<const sf::Drawable*> order;
    level->forEachInDrawOrder([&](const sf::Drawable& drawable) { order.push_back(&drawable); });
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[2], &walker);
}

TEST_F(LevelEmployeesTest, ClearDestroysEmployeesAndRestartsTheirIds) {
    Hire();
    Hire();
    level->clear();
    EXPECT_TRUE(level->getEmployees().empty());
    EXPECT_EQ(level->getApplicantPool().size(), 0u);
    EXPECT_EQ(Employee::GetMaxId(), 0);
}

TEST_F(LevelEmployeesTest, DemolishingAnObjectInUseLeavesNoReferenceBehind) {
    Employee& eater = Hire();
    ASSERT_TRUE(level->setTile(TileFloor, 10, 10));
    ASSERT_TRUE(level->setTile(TileFloor, 11, 10));
    // Skip the walk onto the map that hiring gave it.
    eater.leaveLevel();
    MoveTo(eater, *level, 10, 10);
    ASSERT_TRUE(level->placeObject(ObjectFridge, 11, 10, 0.f));
    eater.getNeeds().at(NeedFood).setValue(90.f);
    eater.receiveTasks({Task(nullptr, TaskEat, NeedFood, ObjectFridge, ItemNone, 10, 10, 11, 10)});
    eater.handleCurrentTask(0.5f);
    ASSERT_NE(eater.getCurrentObjectUsed(), nullptr);
    ASSERT_TRUE(level->removeObject(11, 10));
    EXPECT_EQ(eater.getCurrentObjectUsed(), nullptr);
    EXPECT_EQ(eater.getLastObjectUsed(), nullptr);
}
