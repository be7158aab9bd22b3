// Choosing work: priorities before nearness, one user per place, and a need
// that cannot be served is locked instead of searched again and again.

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "ZoneTestSupport.hpp"

class DispatchTest : public ZoneLevelTest {
protected:
    static float px(int cell) { return static_cast<float>(cell * 128); }

    void SetUp() override {
        ZoneLevelTest::SetUp();
        level->getBankAccount() = BankAccount(1000000.0);
    }

    // A walled room of floor cells (c1, r1)-(c2, r2) of the zone type, with a
    // door below the first column unless walled in.
    void room(ZoneType type, int c1, int r1, int c2, int r2, bool withDoor) {
        for (int row = r1 - 1; row <= r2 + 1; ++row) {
            for (int column = c1 - 1; column <= c2 + 1; ++column) {
                const bool inside = row >= r1 && row <= r2 && column >= c1 && column <= c2;
                level->buyTile(inside ? TileFloor : TileWall, px(column), px(row));
            }
        }
        if (withDoor) {
            level->buyTile(TileFloor, px(c1), px(r2 + 1));
            ASSERT_TRUE(level->buyObject(0.f, ObjectDoor, px(c1), px(r2 + 1)));
        }
        for (int row = r1; row <= r2; ++row) {
            for (int column = c1; column <= c2; ++column) {
                ASSERT_TRUE(level->buyZone(type, px(column), px(row)));
            }
        }
    }

    // An employee on the cell whose only urgent need is the given one.
    std::unique_ptr<Employee> employeeNeeding(NeedType need, int column, int row) {
        auto employee = std::make_unique<Employee>(level.get(), Employee::KindWorker, column, row);
        for (auto& [type, value] : employee->getNeeds()) {
            value.setValue(type == need ? value.getMax() : value.getMin());
            if (type == NeedWork && need != NeedWork) {
                value.lock();
            }
        }
        return employee;
    }

    void settle() {
        for (int frame = 0; frame < 50 && !level->getPathFindingQueue().empty(); ++frame) {
            level->processPathFindingQueue();
        }
    }
};

TEST_F(DispatchTest, MostUrgentNeedSkipsLockedNeedsAndPrefersTheFirstOfEqualUrgency) {
    Employee employee(level.get(), Employee::KindWorker, 5, 5);
    auto& needs = employee.getNeeds();
    for (auto& [type, need] : needs) {
        need.setValue(need.getMin());
    }
    EXPECT_EQ(Level::mostUrgentNeed(needs), NeedWork);
    needs[NeedCoffee].setValue(100.f);
    needs[NeedToilet].setValue(100.f);
    EXPECT_EQ(Level::mostUrgentNeed(needs), NeedToilet);
    needs[NeedToilet].lock();
    EXPECT_EQ(Level::mostUrgentNeed(needs), NeedCoffee);
    needs[NeedCoffee].lock();
    needs[NeedWork].lock();
    EXPECT_EQ(Level::mostUrgentNeed(needs), NeedNone);
}

TEST_F(DispatchTest, HigherPriorityWinsOverANearerCarryingJob) {
    room(ZoneStorage, 10, 10, 12, 12, true);
    room(ZoneWorkshop, 20, 10, 26, 12, true);
    // A bench with steel waiting to be carried off, and one free to work at.
    ASSERT_TRUE(level->buyObject(0.f, ObjectWorkbench, px(21), px(11)));
    ASSERT_TRUE(level->buyObject(0.f, ObjectWorkbench, px(25), px(11)));
    GameObject* full = level->findObjectOnCell(ObjectWorkbench, 21, 11);
    ASSERT_TRUE(full->setRecipe(ItemSteel));
    ASSERT_TRUE(level->findObjectOnCell(ObjectWorkbench, 25, 11)->setRecipe(ItemSteel));
    for (bool finished = false; !finished;) {
        float dt = 100.f;
        ASSERT_TRUE(full->work(dt, finished));
    }
    level->update(0.3f);

    PathFindingItem work;
    level->findTargets(NeedWork, {TaskWork, TaskWalk}, Employee::KindWorker, work);
    ASSERT_FALSE(work.targets.empty());
    for (TaskType kind : work.correspondingTasks) {
        EXPECT_EQ(kind, TaskWork);
    }
    PathFindingItem carrying;
    level->findTargets(NeedWork, {TaskWalk, TaskWork}, Employee::KindWorker, carrying);
    ASSERT_FALSE(carrying.targets.empty());
    for (TaskType kind : carrying.correspondingTasks) {
        EXPECT_EQ(kind, TaskTransport);
    }

    // Standing right beside the full bench, the employee still goes to work.
    auto employee = employeeNeeding(NeedWork, 22, 11);
    employee->setTaskPriorities({TaskWork, TaskWalk});
    bool noWork = true;
    ASSERT_TRUE(level->requestWork(employee.get(), noWork));
    settle();
    ASSERT_FALSE(employee->getTasks().empty());
    EXPECT_EQ(employee->getTasks().back().getTask(), TaskWork);
    EXPECT_EQ(employee->getTasks().back().getObjectPos(), sf::Vector2i(25, 11));
}

TEST_F(DispatchTest, TwoEmployeesAskingForOneToiletGetItOneAfterTheOther) {
    room(ZoneBathroom, 10, 10, 12, 12, true);
    ASSERT_TRUE(level->buyObject(0.f, ObjectToilet, px(11), px(10)));
    level->update(0.3f);
    auto first = employeeNeeding(NeedToilet, 10, 14);
    auto second = employeeNeeding(NeedToilet, 12, 16);
    bool noWork = false;
    ASSERT_TRUE(level->requestWork(first.get(), noWork));
    ASSERT_TRUE(level->requestWork(second.get(), noWork));
    settle();
    ASSERT_FALSE(first->getTasks().empty());
    EXPECT_EQ(first->getTasks().back().getTask(), TaskToilet);
    // The second search found the place taken: an empty chain, no lock.
    EXPECT_TRUE(second->getTasks().empty());
    EXPECT_FALSE(second->getNeeds().at(NeedToilet).isLocked());
    // Asked again, the toilet is in use: nothing is queued and the need waits.
    EXPECT_FALSE(level->requestWork(second.get(), noWork));
    EXPECT_TRUE(second->getNeeds().at(NeedToilet).isLocked());
    EXPECT_TRUE(level->getPathFindingQueue().empty());
}

TEST_F(DispatchTest, AWalledInToiletLocksTheNeedAndQueuesNothingMore) {
    room(ZoneBathroom, 10, 10, 12, 12, false);
    ASSERT_TRUE(level->buyObject(0.f, ObjectToilet, px(11), px(10)));
    level->update(0.3f);
    auto employee = employeeNeeding(NeedToilet, 11, 16);
    bool noWork = false;
    ASSERT_TRUE(level->requestWork(employee.get(), noWork));
    settle();
    EXPECT_TRUE(level->getPathFindingQueue().empty());
    EXPECT_TRUE(employee->getTasks().empty());
    const Need& toilet = employee->getNeeds().at(NeedToilet);
    EXPECT_TRUE(toilet.isLocked());
    EXPECT_FLOAT_EQ(toilet.getLockTime(), 5.f);
    EXPECT_FALSE(level->requestWork(employee.get(), noWork));
    EXPECT_TRUE(level->getPathFindingQueue().empty());
}

TEST_F(DispatchTest, DismissingTheFrontRequestsEmployeeDropsItsHalfBuiltChain) {
    room(ZoneBathroom, 10, 10, 12, 12, true);
    ASSERT_TRUE(level->buyObject(0.f, ObjectToilet, px(11), px(10)));
    level->update(0.3f);
    ASSERT_TRUE(level->hireApplicant(0));
    Employee* employee = level->getEmployees().front().get();
    for (auto& [type, need] : employee->getNeeds()) {
        need.setValue(type == NeedToilet ? need.getMax() : need.getMin());
    }
    bool noWork = false;
    level->requestWork(employee, noWork);
    level->processPathFindingQueue();
    ASSERT_TRUE(level->removeEmployee(0));
    EXPECT_TRUE(level->getPathFindingQueue().empty());
    EXPECT_TRUE(level->getCurrentEmployeeTasks().empty());
    for (int frame = 0; frame < 10; ++frame) {
        level->update(0.3f);
    }
}
