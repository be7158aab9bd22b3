// A wall laid across the way an employee is walking with a unit: the employee
// gives up the job instead of standing before the wall for ever, and the unit
// still reaches the bench by the way around.

#include "actors/Employee.hpp"
#include "FactoryBuilding.hpp"
#include "ZoneTestSupport.hpp"

#include <algorithm>
#include <cstdlib>

using namespace FactoryBuilding;

namespace {

constexpr float FrameMinutes = 0.3f;

bool crossesColumn(const Employee& employee, int column, int lastRow) {
    const auto& tasks = employee.getTasks();
    return std::any_of(tasks.begin(), tasks.end(), [&](const Task& task) {
        return task.getTask() == TaskWalk && task.getDestination().x == column &&
               task.getDestination().y <= lastRow;
    });
}

} // namespace

class CutPathTest : public ZoneLevelTest {};

TEST_F(CutPathTest, AWallAcrossTheWayIsWalkedAroundWithTheUnit) {
    std::srand(1);
    // Storage left, workshop right, a hall between them; a door into the
    // hall from the street.
    Tiles(*level, TileFloor, 34, 44, 50, 52);
    Tiles(*level, TileWall, 33, 43, 51, 43);
    Tiles(*level, TileWall, 33, 53, 51, 53);
    Tiles(*level, TileWall, 33, 44, 33, 52);
    Tiles(*level, TileWall, 51, 44, 51, 52);
    Tiles(*level, TileWall, 38, 44, 38, 52);
    Tiles(*level, TileWall, 46, 44, 46, 52);
    Door(*level, 38, 48);
    Door(*level, 46, 48);
    Door(*level, 42, 53);
    Zones(*level, ZoneStorage, 34, 44, 37, 52);
    Zones(*level, ZoneWorkshop, 47, 44, 50, 52);
    Bench(*level, 48, 50, ItemSheetMetal);
    ASSERT_TRUE(bring(34, 48, ItemSteel));
    level->update(FrameMinutes);
    ASSERT_TRUE(level->hireApplicant(0));
    const Employee& carrier = *level->getEmployees().front();

    int frame = 0;
    for (; frame < 20000 && !(carrier.isCarrying() && crossesColumn(carrier, 42, 51)); ++frame) {
        level->update(FrameMinutes);
    }
    ASSERT_TRUE(carrier.isCarrying()) << "the steel was never fetched";
    // The wall leaves the hall's bottom row open.
    Tiles(*level, TileWall, 42, 44, 42, 51);

    const GameObject& bench = *level->findObjectOnCell(ObjectWorkbench, 48, 50);
    for (int more = 0; more < 2000 && bench.getProducedItemOutput().empty() &&
                       !bench.isProductionActive() && bench.getIngredientInput().empty();
         ++more) {
        level->update(FrameMinutes);
    }
    EXPECT_FALSE(carrier.isCarrying());
    EXPECT_FALSE(bench.getIngredientInput().empty() && !bench.isProductionActive() &&
                 bench.getProducedItemOutput().empty())
        << "the steel never reached the bench";
    expectConsistent();
}
