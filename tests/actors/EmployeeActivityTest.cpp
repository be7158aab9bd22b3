// What an employee's tooltip says it does, read from its task chain, and
// why it waits when the dispatch could not serve a need.

#include "EmployeeTestSupport.hpp"

#include "actors/GameObject.hpp"
#include "params/PhraseTexts.hpp"

#include <string>
#include <vector>

namespace {

class EmployeeActivityTest : public EmployeeTest {
protected:
    void SetUp() override {
        EmployeeTest::SetUp();
        ASSERT_TRUE(level->setZone(ZoneGoodsIn, 8, 8));
        ASSERT_TRUE(level->setZone(ZoneStorage, 9, 8));
        ASSERT_TRUE(level->placeObject(ObjectWorkbench, 12, 10, 0.f));
        level->findObjectOnCell(ObjectWorkbench, 12, 10)->setRecipe(ItemEngineBlock);
    }

    static Task Carry(TaskType type, GameObjectType marker, int column, int row) {
        return MakeTask(type, column, row, marker, column, row, ItemSteel);
    }
};

} // namespace

TEST_F(EmployeeActivityTest, TheActivityFollowsTheChain) {
    const Task walk = MakeTask(TaskWalk, 11, 10);
    const Task work = MakeTask(TaskWork, 11, 10, ObjectWorkbench, 12, 10);
    const struct {
        std::vector<Task> chain;
        const char* says;
    } cases[] = {
        {{}, "wartet"},
        {{MakeTask(TaskWait)}, "sucht einen Weg"},
        {{MakeTask(TaskIdle)}, "ruht sich aus"},
        {{walk, work}, "geht zur Werkbank (Motorblock)"},
        {{work}, "arbeitet an der Werkbank (Motorblock)"},
        {{walk, MakeTask(TaskEat)}, "geht essen"},
        {{MakeTask(TaskToilet)}, "ist auf der Toilette"},
        {{walk, MakeTask(TaskCoffee)}, "geht Kaffee trinken"},
        {{walk, Carry(TaskPickUp, ZoneMarker, 8, 8), walk, Carry(TaskDeliver, ZoneMarker, 9, 8)},
         "holt Stahl aus dem Wareneingang, bringt es ins Lager"},
        {{walk, MakeTask(TaskDeliver, 11, 10, ObjectWorkbench, 12, 10, ItemSteel)},
         "bringt Stahl zur Werkbank (Motorblock)"},
        {{Carry(TaskDeliver, TruckMarker, 3, 3)}, "bringt Stahl zum Lkw"},
    };
    for (const auto& each : cases) {
        Employee someone(level.get(), Employee::KindWorker, Column, Row);
        if (!each.chain.empty()) {
            someone.receiveTasks(each.chain);
        }
        EXPECT_EQ(someone.getActivityText(), each.says);
        EXPECT_NE(someone.getInfo().find(std::string("\n") + each.says + "\n"), std::string::npos);
    }
}

TEST_F(EmployeeActivityTest, AToiletBehindWallsWithoutADoorIsNamedAsOutOfReach) {
    // A walled bathroom with a toilet and no door, beside the employee.
    for (int row = 8; row <= 12; ++row) {
        for (int column = 14; column <= 18; ++column) {
            const bool inside = column > 14 && column < 18 && row > 8 && row < 12;
            ASSERT_TRUE(level->setTile(inside ? TileFloor : TileWall, column, row));
            if (inside) {
                ASSERT_TRUE(level->setZone(ZoneBathroom, column, row));
            }
        }
    }
    ASSERT_TRUE(level->placeObject(ObjectToilet, 16, 10, 0.f));
    level->updateMetaZones();
    for (auto& [type, need] : employee->getNeeds()) {
        need.setValue(type == NeedToilet ? 95.f : 0.f);
    }
    for (int frame = 0; frame < 200 && !employee->getNeeds().at(NeedToilet).isLocked(); ++frame) {
        employee->requestWorkIfIdle(0.1f);
        level->processPathFindingQueue();
    }
    ASSERT_TRUE(employee->getNeeds().at(NeedToilet).isLocked());
    EXPECT_EQ(employee->getWaitingText(), "Wartet (Toilette): keine Toilette erreichbar");
    const std::string info = employee->getInfo();
    EXPECT_NE(info.find("Toilette: 95 (dringend)"), std::string::npos) << info;
    EXPECT_NE(info.find("(0 = versorgt, 100 = dringend)"), std::string::npos) << info;
    // The room says why: it has no door.
    EXPECT_NE(level->tooltipText(16 * 128.f, 10 * 128.f, 16, 10).find("Keine Tür"),
              std::string::npos);
}
