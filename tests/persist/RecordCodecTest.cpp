#include "persist/Codecs.hpp"

#include "tests/persist/FakeRecords.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

namespace Load = GameParams::Load;
namespace Save = GameParams::Save;
using GameParams::PtrMode;

namespace {

using Owned = std::vector<std::unique_ptr<FakeRecord>>;

class RecordCodecs : public ::testing::Test {
protected:
    void SetUp() override { FakeRecord::ClearRegistry(); }
    void TearDown() override { FakeRecord::ClearRegistry(); }

    static Owned MakeRecords(std::initializer_list<std::pair<int, int>> idsAndValues) {
        Owned records;
        for (const auto& [id, value] : idsAndValues) {
            records.push_back(std::make_unique<FakeRecord>(id, value));
        }
        return records;
    }

    FakeLevel level;
    const std::string twoRecords = "Ver 0.1 2 FAKE 0.1 1 10 FAKE 0.1 2 20";
};

} // namespace

TEST_F(RecordCodecs, OwnedRecordsRoundTripWithTheirArguments) {
    const Owned records = MakeRecords({{1, 10}, {2, 20}});
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VectorOfEmployeePtr(records, out));
    EXPECT_EQ(out.str(), twoRecords);

    Owned employees;
    auto in = ClassicInput(out.str());
    ASSERT_TRUE(Load::VectorOfEmployeePtr(in, employees, &level));
    ASSERT_EQ(employees.size(), 2u);
    EXPECT_EQ(*employees[0], *records[0]);
    EXPECT_EQ(*employees[1], *records[1]);
    EXPECT_EQ(employees[1]->constructedFor, &level);

    Owned items;
    auto itemIn = ClassicInput(twoRecords);
    ASSERT_TRUE(Load::VectorOfItemPtr(itemIn, items, std::string("atlas")));
    EXPECT_EQ(items[0]->loadedWithTexture, "atlas");

    Owned rooms;
    auto roomIn = ClassicInput(twoRecords);
    ASSERT_TRUE(Load::VectorOfMetaZonePtr(roomIn, rooms, &level));
    EXPECT_EQ(rooms[0]->constructedFor, &level);
}

TEST_F(RecordCodecs, FailingElementIsDroppedAndEarlierOnesKept) {
    Owned items;
    auto in = ClassicInput("Ver 0.1 3 FAKE 0.1 1 10 BAD 0.1 2 20");
    CapturedOutput captured;
    EXPECT_FALSE(Load::VectorOfItemPtr(in, items, std::string("atlas")));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->getId(), 1);
}

TEST_F(RecordCodecs, ValueRecordsRoundTripInOrder) {
    std::list<FakeRecord> tasks;
    tasks.emplace_back(7, 1);
    tasks.emplace_back(3, 2);
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::ListOfTask(tasks, out));
    EXPECT_EQ(out.str(), "Ver 0.1 2 FAKE 0.1 7 1 FAKE 0.1 3 2");

    std::list<FakeRecord> loadedList;
    auto listIn = ClassicInput(out.str());
    ASSERT_TRUE(Load::ListOfTask(listIn, loadedList));
    EXPECT_EQ(loadedList, tasks);

    std::vector<FakeRecord> loadedVector;
    auto vectorIn = ClassicInput(out.str());
    ASSERT_TRUE(Load::VectorOfTask(vectorIn, loadedVector));
    EXPECT_EQ(loadedVector.back(), tasks.back());

    std::deque<FakeRecord> queue;
    auto queueIn = ClassicInput(out.str());
    ASSERT_TRUE(Load::DequeOfPathFindingItem(queueIn, queue));
    auto queueOut = ClassicOutput();
    ASSERT_TRUE(Save::DequeOfPathFindingItem(queue, queueOut));
    EXPECT_EQ(queueOut.str(), out.str());
}

TEST_F(RecordCodecs, NeedsAreBuiltForTheirKey) {
    std::map<NeedType, FakeRecord> needs;
    auto in = ClassicInput("Ver 0.1 2 3 FAKE 0.1 0 50 6 FAKE 0.1 0 100");
    ASSERT_TRUE(Load::MapOfNeedTypeAndNeed(in, needs));
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs.at(NeedFood).constructedAs, NeedFood);
    EXPECT_EQ(needs.at(NeedWork).getValue(), 100);
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::MapOfNeedTypeAndNeed(needs, out));
    EXPECT_EQ(out.str(), "Ver 0.1 2 3 FAKE 0.1 0 50 6 FAKE 0.1 0 100");
}

TEST_F(RecordCodecs, ItemsByTypeRoundTrip) {
    std::map<ItemType, Owned> output;
    const std::string text = "Ver 0.1 2 1000 Ver 0.1 1 FAKE 0.1 4 0 20000 Ver 0.1 0";
    auto in = ClassicInput(text);
    ASSERT_TRUE(Load::MapOfItemTypeAndVectorOfItemPtr(in, output, std::string("atlas")));
    EXPECT_EQ(output.at(ItemSteel).at(0)->loadedWithTexture, "atlas");
    EXPECT_TRUE(output.at(ItemTyre).empty());
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::MapOfItemTypeAndVectorOfItemPtr(output, out));
    EXPECT_EQ(out.str(), text);
}

TEST_F(RecordCodecs, ReferencesResolveThroughTheRegistryAndKeepNulls) {
    Owned rooms;
    auto recordsIn = ClassicInput(twoRecords);
    ASSERT_TRUE(Load::VectorOfMetaZonePtr(recordsIn, rooms, &level));

    std::vector<FakeRecord*> cells;
    auto in = ClassicInput("Ver 0.1 4 2 -1 1 2");
    ASSERT_TRUE(Load::VectorOfMetaZonePtr(in, cells));
    EXPECT_EQ(cells,
              (std::vector<FakeRecord*>{rooms[1].get(), nullptr, rooms[0].get(), rooms[1].get()}));

    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VectorOfMetaZonePtr(cells, out, PtrMode::References));
    EXPECT_EQ(out.str(), "Ver 0.1 4 2 -1 1 2");

    std::vector<FakeRecord*> objects;
    auto objectsIn = ClassicInput("Ver 0.1 2 -1 1");
    ASSERT_TRUE(Load::VectorOfGameObjectPtr(objectsIn, objects));
    EXPECT_EQ(objects, (std::vector<FakeRecord*>{nullptr, rooms[0].get()}));
}

TEST_F(RecordCodecs, ReferenceToAnObjectNotYetReadFails) {
    std::vector<FakeRecord*> objects;
    auto in = ClassicInput("Ver 0.1 1 5");
    CapturedOutput captured;
    EXPECT_FALSE(Load::VectorOfGameObjectPtr(in, objects));
    EXPECT_EQ(
        captured.text(),
        "GameParams::Load::VectorOfGameObjectPtr() - GameObject::GetById() fehlgeschlagen!\n");
}

TEST_F(RecordCodecs, OwnedListsCanBeWrittenAsIds) {
    Owned items = MakeRecords({{4, 0}, {9, 0}});
    items.push_back(nullptr);
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VectorOfItemPtr(items, out, PtrMode::References));
    EXPECT_EQ(out.str(), "Ver 0.1 3 4 9 -1");
}

TEST_F(RecordCodecs, WriterStopsAtTheFirstElementThatCannotBeSaved) {
    Owned records = MakeRecords({{1, 10}, {2, 20}, {3, 30}});
    records[1]->refuseSave = true;
    auto out = ClassicOutput();
    EXPECT_FALSE(Save::VectorOfMetaZonePtr(records, out, PtrMode::Records));
    EXPECT_EQ(out.str(), "Ver 0.1 3 FAKE 0.1 1 10 ");

    records[1].reset();
    auto nullOut = ClassicOutput();
    CapturedOutput captured;
    EXPECT_FALSE(Save::VectorOfEmployeePtr(records, nullOut));
    EXPECT_EQ(captured.text(),
              "GameParams::Save::VectorOfEmployeePtr() - Versuch nullptr zu speichern!\n");
}

TEST_F(RecordCodecs, ZonesFillTheFrontOfTheLevelArray) {
    FakeRecord zones[3];
    auto in = ClassicInput(twoRecords);
    ASSERT_TRUE(
        Load::ArrayOfZonePtr(in, zones, 3, std::string("atlas"), &level, std::string("font")));
    EXPECT_EQ(zones[1].getValue(), 20);
    EXPECT_EQ(zones[1].loadedForLevel, &level);
    EXPECT_EQ(zones[1].loadedWithFont, "font");
    EXPECT_EQ(zones[2].getId(), -1);

    auto out = ClassicOutput();
    ASSERT_TRUE(Save::ArrayOfZonePtr(zones, 2, out));
    EXPECT_EQ(out.str(), twoRecords);
}

TEST_F(RecordCodecs, ZoneCountBeyondTheArrayIsRefused) {
    FakeRecord zones[1];
    auto in = ClassicInput(twoRecords);
    CapturedOutput captured;
    EXPECT_FALSE(
        Load::ArrayOfZonePtr(in, zones, 1, std::string("atlas"), &level, std::string("font")));
    EXPECT_EQ(captured.text(), "GameParams::Load::ArrayOfZonePtr() - Anzahl der Zonen groesser "
                               "als das Zonen-Array!\n");
    EXPECT_EQ(zones[0].getId(), -1);
}
