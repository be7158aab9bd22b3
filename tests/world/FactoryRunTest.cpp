// The factory running by itself: staff look after their needs, work the
// benches and carry goods, for days, with the storage tables consistent and
// no item lost or made twice.

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "ZoneTestSupport.hpp"

#include <cstdlib>
#include <set>

namespace {

constexpr float FrameMinutes = 0.3f;
constexpr int FramesPerDay = 4800; // 1440 game minutes

// The soak's length in game days: 30, or fewer where every frame costs much
// more (the sanitizer run sets OSTRAVEL_SOAK_DAYS).
int SoakDays() {
    const char* days = std::getenv("OSTRAVEL_SOAK_DAYS");
    const int asked = days != nullptr ? std::atoi(days) : 0;
    return asked > 0 ? asked : 30;
}

} // namespace

class FactoryRunTest : public ZoneLevelTest {
protected:
    static float px(int cell) { return static_cast<float>(cell * 128); }

    void tiles(TileType type, int c1, int r1, int c2, int r2) {
        for (int row = r1; row <= r2; ++row) {
            for (int column = c1; column <= c2; ++column) {
                level->buyTile(type, px(column), px(row));
            }
        }
    }
    void zones(ZoneType type, int c1, int r1, int c2, int r2) {
        for (int row = r1; row <= r2; ++row) {
            for (int column = c1; column <= c2; ++column) {
                ASSERT_TRUE(level->buyZone(type, px(column), px(row)));
            }
        }
    }
    void object(GameObjectType type, int column, int row) {
        ASSERT_TRUE(level->buyObject(0.f, type, px(column), px(row)));
    }
    void door(int column, int row) {
        level->buyTile(TileFloor, px(column), px(row));
        object(ObjectDoor, column, row);
    }

    // Storage, workshop and kitchen above a corridor, office and bathroom
    // below it; one bench makes steel from nothing, one sheet metal from steel.
    void buildFactory() {
        std::srand(1);
        level->getBankAccount() = BankAccount(1000000.0);
        tiles(TileFloor, 10, 11, 46, 21);
        tiles(TileWall, 9, 10, 47, 10);
        tiles(TileWall, 9, 15, 47, 15);
        tiles(TileWall, 9, 17, 47, 17);
        tiles(TileWall, 9, 22, 47, 22);
        tiles(TileWall, 9, 11, 9, 14);
        tiles(TileWall, 9, 18, 9, 21);
        tiles(TileWall, 47, 11, 47, 14);
        tiles(TileWall, 47, 16, 47, 16);
        tiles(TileWall, 47, 18, 47, 21);
        tiles(TileWall, 18, 11, 18, 14);
        tiles(TileWall, 29, 11, 29, 14);
        tiles(TileWall, 37, 11, 37, 14);
        tiles(TileWall, 18, 18, 18, 21);
        tiles(TileWall, 25, 18, 25, 21);
        door(9, 16);
        door(14, 15);
        door(24, 15);
        door(33, 15);
        door(14, 17);
        door(22, 17);
        zones(ZoneStorage, 10, 11, 17, 14);
        zones(ZoneWorkshop, 19, 11, 28, 14);
        zones(ZoneKitchen, 30, 11, 36, 14);
        zones(ZoneOffice, 10, 18, 17, 21);
        zones(ZoneBathroom, 19, 18, 24, 21);
        object(ObjectWorkbench, 21, 12);
        object(ObjectWorkbench, 26, 12);
        ASSERT_TRUE(level->findObjectOnCell(ObjectWorkbench, 21, 12)->setRecipe(ItemSteel));
        ASSERT_TRUE(level->findObjectOnCell(ObjectWorkbench, 26, 12)->setRecipe(ItemSheetMetal));
        object(ObjectFridge, 31, 11);
        object(ObjectKitchenCounter, 34, 11);
        object(ObjectCoffeeMachine, 34, 11);
        object(ObjectDesk, 11, 19);
        object(ObjectDesk, 15, 19);
        object(ObjectToilet, 20, 18);
        object(ObjectToilet, 23, 18);
        level->update(FrameMinutes);
        for (const auto& room : level->getMetaZones()) {
            ASSERT_TRUE(room->isEnclosed());
        }
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(level->hireApplicant(0));
        }
    }

    // Steel is made from nothing and sheet metal from one steel each, so
    // steel plus sheet metal counts every steel ever made: it never falls.
    unsigned steelMade() const {
        unsigned units = 0;
        auto count = [&units](ItemType type, std::size_t n) {
            if (type == ItemSteel || type == ItemSheetMetal) {
                units += static_cast<unsigned>(n);
            }
        };
        forEachZone([&](const Zone& z) { count(z.getStoredType(), z.getStoredItems().size()); });
        for (const auto& owned : level->getGameObjects()) {
            for (const auto* items : {&owned->getIngredientInput(), &owned->getIngredientsInUse(),
                                      &owned->getProducedItemOutput()}) {
                for (const auto& [type, list] : *items) {
                    count(type, list.size());
                }
            }
        }
        for (const auto& employee : level->getEmployees()) {
            if (employee->isCarrying() && employee->getCarriedItem() != nullptr) {
                count(employee->getCarriedItem()->getType(), employee->getCarriedAmount());
            }
        }
        return units;
    }

    unsigned stored(ItemType type) const { return Count(level->getStoredItems(), type); }
};

TEST_F(FactoryRunTest, ThreeDaysServeEveryNeedAndFillTheStorageWithSheetMetal) {
    buildFactory();
    double wages = 0.0;
    for (const auto& employee : level->getEmployees()) {
        wages += employee->getSalary();
    }
    const double before = level->getBankAccount().getBalance();
    std::map<int, std::set<NeedType>> served;
    std::map<int, std::map<NeedType, float>> last;
    for (int day = 0; day < 3; ++day) {
        for (int frame = 0; frame < FramesPerDay; ++frame) {
            level->update(FrameMinutes);
            for (const auto& employee : level->getEmployees()) {
                for (const auto& [type, need] : employee->getNeeds()) {
                    auto& previous = last[employee->getId()];
                    if (previous.count(type) > 0 && need.getValue() < previous[type]) {
                        served[employee->getId()].insert(type);
                    }
                    previous[type] = need.getValue();
                }
            }
        }
        level->payWages();
    }
    EXPECT_DOUBLE_EQ(level->getBankAccount().getBalance(), before - 3 * wages);
    EXPECT_GT(stored(ItemSheetMetal), 0u);
    ASSERT_EQ(served.size(), 4u);
    for (const auto& [id, needs] : served) {
        EXPECT_EQ(needs.count(NeedFood), 1u) << "employee " << id;
        EXPECT_EQ(needs.count(NeedToilet), 1u) << "employee " << id;
        EXPECT_EQ(needs.count(NeedCoffee), 1u) << "employee " << id;
    }
}

TEST_F(FactoryRunTest, ThirtyDaysKeepTheTablesAndEveryItem) {
    buildFactory();
    unsigned made = steelMade();
    const int frames = SoakDays() * FramesPerDay;
    for (int frame = 0; frame < frames; ++frame) {
        level->update(FrameMinutes);
        expectConsistent();
        const unsigned now = steelMade();
        // Each frame makes at most one steel; none is ever lost.
        ASSERT_GE(now, made) << "frame " << frame;
        ASSERT_LE(now, made + 1) << "frame " << frame;
        made = now;
        if (frame % FramesPerDay == 0) {
            level->payWages();
        }
        if (HasFailure()) {
            FAIL() << "frame " << frame;
        }
    }
    EXPECT_GT(stored(ItemSheetMetal), 0u);
    EXPECT_TRUE(level->getPathFindingQueue().size() <= level->getEmployees().size());
}
