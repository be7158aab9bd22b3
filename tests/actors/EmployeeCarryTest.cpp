#include "EmployeeTestSupport.hpp"

#include "world/Zone.hpp"

#include "tests/persist/StreamTestSupport.hpp"

namespace {

// Two storage cells beside the employee: the source holds steel, the target is empty.
class EmployeeCarryTest : public EmployeeTest {
protected:
    static constexpr int SourceColumn = Column + 1;
    static constexpr int TargetColumn = Column + 2;

    void SetUp() override {
        EmployeeTest::SetUp();
        ASSERT_TRUE(level->setZone(ZoneStorage, SourceColumn, Row));
        ASSERT_TRUE(level->setZone(ZoneStorage, TargetColumn, Row));
    }

    Zone& Source() { return *level->getZoneAt(SourceColumn, Row); }
    Zone& Target() { return *level->getZoneAt(TargetColumn, Row); }

    // Stores n steel in the source and promises them to a carrier.
    // The dispatch promises one unit per carrying job.
    void StockSource(unsigned n, unsigned promised = 1) {
        for (unsigned i = 0; i < n; ++i) {
            unsigned one = 1;
            ASSERT_TRUE(Source().setItemInDelivery(ItemSteel, one));
            one = 1;
            ASSERT_TRUE(Source().deliverItem(std::make_unique<Item>(nullptr, ItemSteel), one));
        }
        ASSERT_TRUE(Source().setItemInRetrieval(ItemSteel, promised));
    }

    void BookTarget() {
        unsigned one = 1;
        ASSERT_TRUE(Target().setItemInDelivery(ItemSteel, one));
    }

    unsigned StoredSteel() const {
        const auto& stored = level->getStoredItems();
        const auto entry = stored.find(ItemSteel);
        return entry == stored.end() ? 0u : entry->second;
    }

    Task PickUp() const {
        return MakeTask(TaskPickUp, SourceColumn, Row, ZoneMarker, SourceColumn, Row, ItemSteel);
    }
    Task Deliver() const {
        return MakeTask(TaskDeliver, TargetColumn, Row, ZoneMarker, TargetColumn, Row, ItemSteel);
    }
};

} // namespace

TEST_F(EmployeeCarryTest, PicksUpFromOneCellAndDeliversToAnother) {
    StockSource(1);
    BookTarget();
    employee->receiveTasks({PickUp(), Deliver()});
    employee->handleCurrentTask(0.01f);
    ASSERT_EQ(employee->getTasks().size(), 0u);
    EXPECT_EQ(Source().getStoredAmount(), 0u);
    EXPECT_EQ(Target().getStoredAmount(), 1u);
    EXPECT_FALSE(employee->isCarrying());
    EXPECT_EQ(employee->getCarriedAmount(), 0u);
}

TEST_F(EmployeeCarryTest, CarriesBetweenPickUpAndDelivery) {
    StockSource(1);
    BookTarget();
    employee->receiveTasks({PickUp(), MakeTask(TaskWalk, Column + 1, Row), Deliver()});
    employee->handleCurrentTask(0.01f);
    EXPECT_TRUE(employee->isCarrying());
    EXPECT_EQ(employee->getCarriedAmount(), 1u);
    ASSERT_NE(employee->getCarriedItem(), nullptr);
    EXPECT_EQ(employee->getCarriedItem()->getType(), ItemSteel);
}

TEST_F(EmployeeCarryTest, AFailedPickUpUndoesTheChainsBookings) {
    BookTarget();
    employee->receiveTasks({PickUp(), MakeTask(TaskWalk, Column + 1, Row), Deliver()});
    employee->handleCurrentTask(0.01f);
    EXPECT_TRUE(employee->getTasks().empty());
    EXPECT_FALSE(employee->isCarrying());
    EXPECT_EQ(Target().getAmountInDelivery(), 0u);
}

TEST_F(EmployeeCarryTest, AnAbandonedPickUpGivesThePromisedItemBack) {
    StockSource(2, 2);
    const unsigned storedBefore = StoredSteel();
    std::list<Task> chain{PickUp()};
    level->cancelTasks(chain);
    EXPECT_EQ(Source().getAmountInRetrieval(), 1u);
    EXPECT_EQ(StoredSteel(), storedBefore + 1);
}

TEST_F(EmployeeCarryTest, AFailedDeliveryPutsTheItemIntoStorage) {
    StockSource(1);
    // Nothing was announced at the target, so it refuses the item.
    employee->receiveTasks({PickUp(), Deliver()});
    CapturedOutput printed;
    employee->handleCurrentTask(0.01f);
    EXPECT_NE(printed.text().find("Employee::handleTaskDeliver() - Schwerer Fehler!"),
              std::string::npos);
    EXPECT_FALSE(employee->isCarrying());
    EXPECT_EQ(Source().getStoredAmount() + Target().getStoredAmount(), 1u);
}

TEST_F(EmployeeCarryTest, DeliveringEmptyHandedUndoesTheBooking) {
    BookTarget();
    employee->receiveTasks({Deliver()});
    employee->handleCurrentTask(0.01f);
    EXPECT_TRUE(employee->getTasks().empty());
    EXPECT_EQ(Target().getAmountInDelivery(), 0u);
}

// The dispatch promises the driver one unit; it loads the whole place anyway,
// instead of one unit a trip.
TEST_F(EmployeeCarryTest, ATruckDriverTakesEveryUnitOfThePlaceAsOneItem) {
    StockSource(5);
    Employee driver(level.get(), Employee::KindTruckDriver, Column, Row);
    const std::size_t itemsBefore = Item::GetRegisteredCount();
    driver.receiveTasks({PickUp(), MakeTask(TaskWalk, Column, Row + 1)});
    driver.handleCurrentTask(0.001f);
    EXPECT_EQ(driver.getCarriedAmount(), 5u);
    EXPECT_EQ(Source().getStoredAmount(), 0u);
    EXPECT_EQ(Item::GetRegisteredCount(), itemsBefore - 4);
}

TEST_F(EmployeeCarryTest, LeavingTheLevelStoresTheCarriedItemAndFreesTheTile) {
    StockSource(1);
    BookTarget();
    employee->receiveTasks({PickUp(), MakeTask(TaskWalk, Column, Row + 1), Deliver()});
    ASSERT_TRUE(level->getTileAt(Column, Row)->occupy());
    employee->handleCurrentTask(0.001f);
    ASSERT_TRUE(employee->isCarrying());
    employee->leaveLevel();
    EXPECT_TRUE(employee->getTasks().empty());
    EXPECT_FALSE(employee->isCarrying());
    EXPECT_FALSE(level->getTileAt(Column, Row)->isOccupied());
    EXPECT_EQ(Target().getAmountInDelivery(), 0u);
    EXPECT_EQ(StoredSteel(), 1u);
}

// Dismissing a worker whose unit no storage can take would throw the unit
// away: the level refuses, and lets the worker go once there is room.
TEST_F(EmployeeCarryTest, AWorkerWhoseUnitFitsNowhereIsNotDismissed) {
    StockSource(1);
    ASSERT_TRUE(level->hireApplicant(0));
    Employee& worker = *level->getEmployees().front();
    // Instead of walking in from the street, straight to the steel.
    worker.giveUpChain();
    worker.receiveTasks({PickUp(), MakeTask(TaskWalk, Column, Row + 1), Deliver()});
    worker.handleCurrentTask(0.001f);
    ASSERT_TRUE(worker.isCarrying());
    ASSERT_TRUE(level->setZone(ZoneNone, SourceColumn, Row));
    ASSERT_TRUE(level->setZone(ZoneNone, TargetColumn, Row));

    EXPECT_FALSE(level->removeEmployee(0));
    EXPECT_TRUE(worker.isCarrying());
    ASSERT_TRUE(level->setZone(ZoneStorage, TargetColumn, Row));
    EXPECT_TRUE(level->removeEmployee(0));
    EXPECT_EQ(StoredSteel(), 1u);
}
