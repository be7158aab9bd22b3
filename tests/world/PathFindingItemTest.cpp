#include "world/PathFindingItem.hpp"

#include "../params/CoutCapture.hpp"
#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "params/TileSize.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

PathFindingItem twoTargets(GameObject* object) {
    return PathFindingItem(nullptr, NeedToilet, {Vec2i(1, 2), Vec2i(3, 4)}, {TaskToilet, TaskWalk},
                           {object, nullptr}, {ItemNone, ItemSteel});
}

// What load prints for a record, and whether it took it.
std::string loadOutput(const std::string& record, PathFindingItem& item, bool& loaded) {
    CoutCapture capture;
    std::istringstream in(record);
    loaded = item.load(in);
    return capture.text();
}

} // namespace

TEST(PathFindingItemTest, ListsAreMovedInAndStayParallel) {
    std::vector<Vec2i> targets = {Vec2i(1, 1)};
    const Vec2i* storage = targets.data();
    PathFindingItem item(nullptr, NeedWork, std::move(targets), {TaskWork}, {nullptr}, {ItemNone});
    EXPECT_EQ(item.targets.data(), storage);
    EXPECT_TRUE(item.isConsistent());
    item.correspondingItems.push_back(ItemGlass);
    EXPECT_FALSE(item.isConsistent());
}

TEST(PathFindingItemTest, ForgettingAnObjectRemovesItsTargetsFromEveryList) {
    GameObject object;
    PathFindingItem item = twoTargets(&object);
    item.forgetObject(&object);
    ASSERT_TRUE(item.isConsistent());
    ASSERT_EQ(item.targets.size(), 1u);
    EXPECT_EQ(item.targets[0], Vec2i(3, 4));
    EXPECT_EQ(item.correspondingTasks[0], TaskWalk);
    EXPECT_EQ(item.correspondingGameObjects[0], nullptr);
    EXPECT_EQ(item.correspondingItems[0], ItemSteel);
}

TEST(PathFindingItemTest, RecordNamesTheObjectsByIdAndAMissingEmployeeAsMinusOne) {
    GameObject object;
    const PathFindingItem item = twoTargets(&object);
    std::ostringstream out;
    ASSERT_TRUE(item.save(out));
    const std::string id = std::to_string(object.getId());
    EXPECT_EQ(out.str(), "PATHFINDINGITEM 0.1 -1 2 Ver 0.1 2 1 2 3 4 Ver 0.1 2 6 3 Ver 0.1 2 " +
                             id + " -1 Ver 0.1 2 0 1000");
}

TEST(PathFindingItemTest, LoadRefusesAWrongHeaderAndGoesOnPastAnOldVersion) {
    PathFindingItem item;
    bool loaded = true;
    EXPECT_EQ(loadOutput("PATHFINDING 0.1 3 2", item, loaded),
              "PathFindingItem::load() - Header ungueltig!\n");
    EXPECT_FALSE(loaded);

    // The version is only reported; here the reading stops at the employee.
    const std::string output = loadOutput("PATHFINDINGITEM 0.2 77 2", item, loaded);
    EXPECT_EQ(output, "PathFindingItem::load() - Version nicht unterstuetzt!\n"
                      "PathFindingItem::load() - Employee::GetById() fehlgeschlagen!\n");
    EXPECT_FALSE(loaded);
}

TEST(PathFindingItemTest, LoadStopsSilentlyWhereTheStreamEnds) {
    PathFindingItem item;
    bool loaded = true;
    EXPECT_EQ(loadOutput("", item, loaded), "");
    EXPECT_FALSE(loaded);
    EXPECT_EQ(loadOutput("PATHFINDINGITEM", item, loaded), "");
    EXPECT_EQ(loadOutput("PATHFINDINGITEM 0.1", item, loaded), "");
    EXPECT_EQ(loadOutput("PATHFINDINGITEM 0.1 x", item, loaded), "");
    EXPECT_FALSE(loaded);
}

TEST(PathFindingItemTest, ARequestWithoutItsEmployeeIsNotRestored) {
    GameObject object;
    const PathFindingItem saved = twoTargets(&object);
    std::ostringstream out;
    ASSERT_TRUE(saved.save(out));
    PathFindingItem item;
    bool loaded = true;
    EXPECT_EQ(loadOutput(out.str(), item, loaded),
              "PathFindingItem::load() - Employee::GetById() fehlgeschlagen!\n");
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(item.targets.empty());
}

class PathFindingItemRecordTest : public ::testing::Test {
protected:
    // A record of this test's employee and object, with the given tail.
    std::string record(const std::string& need, const std::string& lists) const {
        return "PATHFINDINGITEM 0.1 " + std::to_string(employee.getId()) + " " + need + " " + lists;
    }
    std::string objectId() const { return std::to_string(object.getId()); }

    // Employees look up their sprite size when they are made.
    const bool tileSizeSet = (GameParams::SetTileSizeType(SIZE128PX), true);
    Employee employee;
    GameObject object;
};

TEST_F(PathFindingItemRecordTest, RoundTripRestoresEveryListAndTheReferences) {
    PathFindingItem saved = twoTargets(&object);
    saved.employee = &employee;
    std::ostringstream out;
    ASSERT_TRUE(saved.save(out));
    PathFindingItem item;
    bool loaded = false;
    EXPECT_EQ(loadOutput(out.str(), item, loaded), "");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(item.employee, &employee);
    EXPECT_EQ(item.need, NeedToilet);
    EXPECT_EQ(item.targets, saved.targets);
    EXPECT_EQ(item.correspondingTasks, saved.correspondingTasks);
    EXPECT_EQ(item.correspondingGameObjects, saved.correspondingGameObjects);
    EXPECT_EQ(item.correspondingItems, saved.correspondingItems);
    std::ostringstream again;
    ASSERT_TRUE(item.save(again));
    EXPECT_EQ(again.str(), out.str());
}

TEST_F(PathFindingItemRecordTest, HostileRecordsAreRefusedWithTheirLine) {
    const std::string lists = "Ver 0.1 1 1 2 Ver 0.1 1 6 Ver 0.1 1 " + objectId() + " Ver 0.1 1 0";
    struct Case {
        std::string record;
        std::string line;
    };
    const Case cases[] = {
        {record("-1", lists), "PathFindingItem::load() - need ungueltig!\n"},
        {record("7", lists), "PathFindingItem::load() - need ungueltig!\n"},
        {record("2", "Ver 0.1 1 1"), "PathfindingItem() - Laden von targets fehlgeschlagen!\n"},
        {record("2", "Ver 0.1 1 1 2 Ver 0.1 1 14"),
         "PathfindingItem() - Laden von correspondingTasks fehlgeschlagen!\n"},
        {record("2", "Ver 0.1 1 1 2 Ver 0.1 1 6 Ver 0.1 1 999999"),
         "GameParams::Load::VectorOfGameObjectPtr() - GameObject::GetById() fehlgeschlagen!\n"
         "PathfindingItem() - Laden von correspondingGameObjects fehlgeschlagen!\n"},
        {record("2", "Ver 0.1 1 1 2 Ver 0.1 1 6 Ver 0.1 1 -1 Ver 0.1 1 1234"),
         "PathfindingItem() - Laden von correspondingItems fehlgeschlagen!\n"},
        {record("2", "Ver 0.1 2 1 2 3 4 Ver 0.1 1 6 Ver 0.1 1 -1 Ver 0.1 1 0"),
         "PathFindingItem::load() - Listen ungleich lang!\n"},
    };
    for (const Case& c : cases) {
        PathFindingItem item;
        bool loaded = true;
        EXPECT_EQ(loadOutput(c.record, item, loaded), c.line) << c.record;
        EXPECT_FALSE(loaded) << c.record;
        EXPECT_TRUE(item.targets.empty()) << c.record;
    }
    PathFindingItem item;
    bool loaded = false;
    EXPECT_EQ(loadOutput(record("2", lists), item, loaded), "");
    EXPECT_TRUE(loaded);
}
