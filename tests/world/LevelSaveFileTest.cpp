#include "SaveFileTestSupport.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObjectDoor.hpp"
#include "actors/ApplicantPool.hpp"
#include "actors/Item.hpp"
#include "actors/Task.hpp"
#include "params/Graphics.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

using SaveFileTest::TestGame;

namespace {

// Saves the game, loads the file into a new level and saves that again: the
// two files must be the same byte for byte.
void ExpectStableRoundTrip(TestGame& original, const std::string& name) {
    const std::string first = name + ".first";
    const std::string second = name + ".second";
    ASSERT_TRUE(original.level->save(first));
    // Rooms, objects and employees are found by id in registries that every
    // level shares: one level at a time.
    original.level.reset();
    {
        TestGame reloaded;
        ASSERT_TRUE(reloaded.load(first));
        ASSERT_TRUE(reloaded.level->save(second));
    }
    EXPECT_EQ(SaveFileTest::LevelContent(first), SaveFileTest::LevelContent(second));
    EXPECT_EQ(SaveFileTest::LevelContent(first).find('\n'), std::string::npos);
    original.level = std::make_unique<Level>(nullptr, nullptr, first);
    original.level->attachClock(&original.clock);
    std::remove(first.c_str());
    std::remove(second.c_str());
}

// Saves the game, goes on with it, then loads the save into a new level and
// goes on with that from the same random state: both must end alike.
void ExpectSameFuture(TestGame& original, int frames, const std::string& name) {
    ASSERT_TRUE(original.level->save(name));
    std::srand(77);
    original.advance(frames);
    const std::string expected = original.content();
    original.level.reset();

    TestGame reloaded;
    ASSERT_TRUE(reloaded.load(name));
    std::srand(77);
    reloaded.advance(frames);
    EXPECT_EQ(expected, reloaded.content());
    std::remove(name.c_str());
}

// A file does not hold all that a running game has: a step under way is
// started anew on loading, the applicants are new and the random generator's
// state is not saved. So the game loaded from the save is what goes on, and a
// second load of the same state, made after the first has run and with the
// generator seeded alike, must go on to the same file: nothing from before a
// load may reach into the loaded game.
struct IdCounters {
    int objects = GameObject::GetMaxId();
    int employees = Employee::GetMaxId();
    int rooms = MetaZone::GetMaxId();
    std::uint32_t items = Item::GetMaxId();
    std::uint32_t tasks = Task::GetMaxId();

    bool operator==(const IdCounters& other) const {
        return objects == other.objects && employees == other.employees && rooms == other.rooms &&
               items == other.items && tasks == other.tasks;
    }
};

void ExpectLoadedGameGoesOnAlike(TestGame& original, int frames, const std::string& name) {
    const std::string first = name + ".first";
    const std::string second = name + ".second";
    ASSERT_TRUE(original.level->save(first));
    original.level.reset();
    std::string expected;
    IdCounters expectedCounters;
    {
        TestGame loaded;
        std::srand(77);
        ASSERT_TRUE(loaded.load(first));
        ASSERT_TRUE(loaded.level->save(second));
        loaded.advance(frames);
        expected = loaded.content();
        expectedCounters = IdCounters();
    }
    TestGame reloaded;
    std::srand(77);
    ASSERT_TRUE(reloaded.load(second));
    reloaded.advance(frames);
    EXPECT_EQ(expected, reloaded.content());
    // The next ids to be given out are not in the file, yet they must agree too.
    EXPECT_TRUE(expectedCounters == IdCounters());
    std::remove(first.c_str());
    std::remove(second.c_str());
}

// Lays one office cell on a floor tile and gives the id of the room it makes.
int NewRoomId(Level& level) {
    const float at = SaveFileTest::Px(3);
    if (!level.buyTile(TileFloor, at, at) || !level.buyZone(ZoneOffice, at, at) ||
        level.getMetaZones().empty()) {
        return -1;
    }
    return level.getMetaZones().back()->getId();
}

} // namespace

TEST(LevelSaveFile, NewGameRoundTripIsByteIdentical) {
    TestGame game;
    ExpectStableRoundTrip(game, "savefile_new");
}

TEST(LevelSaveFile, BusyFactoryRoundTripIsByteIdenticalAtEveryStage) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    // Employees walking in, a truck arriving and unloading, carrying jobs half
    // planned: save at several moments of the work.
    for (int stage = 0; stage < 6; ++stage) {
        SCOPED_TRACE(stage);
        ExpectStableRoundTrip(game, "savefile_busy");
        game.advance(150);
    }
}

TEST(LevelSaveFile, ReloadedNewGameGoesOnAsTheOriginal) {
    TestGame game;
    ExpectSameFuture(game, 300, "savefile_future_new");
}

TEST(LevelSaveFile, ReloadedBusyFactoryGoesOnAsTheOriginal) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    std::srand(5);
    game.advance(400);
    ExpectLoadedGameGoesOnAlike(game, 600, "savefile_future_busy");
}

TEST(LevelSaveFile, LoadRestoresTheSavedIdCounters) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(400);
    ASSERT_TRUE(game.level->save("savefile_counters"));
    const int objects = GameObject::GetMaxId();
    const int employees = Employee::GetMaxId();
    const int rooms = MetaZone::GetMaxId();
    const std::uint32_t tasks = Task::GetMaxId();
    game.level.reset();

    // Another game in between moves every counter on.
    TestGame other;
    SaveFileTest::BuildBusyFactory(*other.level);
    other.advance(500);
    ASSERT_TRUE(other.load("savefile_counters"));
    EXPECT_EQ(objects, GameObject::GetMaxId());
    EXPECT_EQ(rooms, MetaZone::GetMaxId());
    EXPECT_EQ(tasks, Task::GetMaxId());
    EXPECT_EQ(employees, Employee::GetMaxId());
    // Items and tasks made before a load do not move what the load numbers
    // from; items have no counter in the file and go on past the loaded ones.
    const IdCounters loaded;
    {
        const Item spareItem;
        const Task spareTask;
        ASSERT_TRUE(other.load("savefile_counters"));
    }
    EXPECT_TRUE(loaded == IdCounters());
    // The new applicants come at the next frame, with the next ids.
    other.level->update(0.f);
    EXPECT_EQ(employees + static_cast<int>(ApplicantPool::Size), Employee::GetMaxId());
    std::remove("savefile_counters");
}

TEST(LevelSaveFile, NewAndLoadedLevelsNumberTheirRoomsFromZero) {
    {
        TestGame empty;
        ASSERT_TRUE(empty.level->save("savefile_rooms"));
        SaveFileTest::BuildBusyFactory(*empty.level);
        ASSERT_GT(MetaZone::GetMaxId(), 1);
    }
    TestGame fresh;
    EXPECT_EQ(0, NewRoomId(*fresh.level));

    SaveFileTest::BuildBusyFactory(*fresh.level);
    ASSERT_TRUE(fresh.load("savefile_rooms"));
    EXPECT_EQ(0, NewRoomId(*fresh.level));
    std::remove("savefile_rooms");
}

TEST(LevelSaveFile, ALoadedGameHasAFullApplicantPool) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    ASSERT_LT(game.level->getApplicantPool().size(), ApplicantPool::Size);
    ASSERT_TRUE(game.level->save("savefile_applicants"));
    game.level.reset();

    // The first frame after the load fills it, even a paused one.
    TestGame loaded;
    ASSERT_TRUE(loaded.load("savefile_applicants"));
    loaded.level->update(0.f);
    EXPECT_EQ(ApplicantPool::Size, loaded.level->getApplicantPool().size());
    // As from the load dialog, which keeps the running game if the file fails.
    ASSERT_TRUE(loaded.level->hireApplicant(0));
    ASSERT_TRUE(loaded.level->loadKeepingCurrent("savefile_applicants"));
    loaded.level->update(0.f);
    EXPECT_EQ(ApplicantPool::Size, loaded.level->getApplicantPool().size());
    // Filled by whoever loaded the file, as the runner does: not filled twice.
    ASSERT_TRUE(loaded.load("savefile_applicants"));
    loaded.level->getApplicantPool().fill();
    loaded.level->update(0.f);
    EXPECT_EQ(ApplicantPool::Size, loaded.level->getApplicantPool().size());
    // A failed load keeps the running game's applicants as they were.
    loaded.level->hireApplicant(0);
    EXPECT_FALSE(loaded.level->loadKeepingCurrent("savefile_applicants_missing"));
    loaded.level->update(0.f);
    EXPECT_EQ(ApplicantPool::Size - 1, loaded.level->getApplicantPool().size());
    std::remove("savefile_applicants");
}

TEST(LevelSaveFile, LoadRestoresDoorsPartnersAndCounts) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(200);
    ASSERT_TRUE(game.level->save("savefile_refs"));
    const std::size_t doors = game.level->getDoors().size();
    const auto stored = game.level->getStoredItems();
    const std::size_t employees = game.level->getEmployees().size();
    const bool truckThere = game.level->getTruckLogistics().getCurrentTruck() != nullptr;
    game.level.reset();

    TestGame reloaded;
    ASSERT_TRUE(reloaded.load("savefile_refs"));
    EXPECT_EQ(doors, reloaded.level->getDoors().size());
    EXPECT_EQ(2u, reloaded.level->getDoors().size());
    EXPECT_EQ(stored, reloaded.level->getStoredItems());
    ASSERT_EQ(1u, reloaded.level->getSurfaceObjects().size());
    const GameObject* machine = reloaded.level->getSurfaceObjects().front().get();
    ASSERT_NE(nullptr, machine->getPartner());
    EXPECT_EQ(ObjectKitchenCounter, machine->getPartner()->getObjType());
    EXPECT_EQ(machine->getPartner()->getUserFacing(), machine->getUserFacing());
    EXPECT_EQ(employees, reloaded.level->getEmployees().size());
    EXPECT_EQ(truckThere, reloaded.level->getActiveTruck() != nullptr);
    EXPECT_EQ(reloaded.level->getTruckLogistics().getCurrentTruck(),
              reloaded.level->getActiveTruck());
    std::remove("savefile_refs");
}

TEST(LevelSaveFile, LoadDrawsNoRandomNumbers) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(100);
    ASSERT_TRUE(game.level->save("savefile_rand"));
    game.level.reset();
    TestGame reloaded;
    std::srand(123);
    const int expected = std::rand();
    std::srand(123);
    ASSERT_TRUE(reloaded.load("savefile_rand"));
    EXPECT_EQ(expected, std::rand());
    std::remove("savefile_rand");
}

TEST(LevelSaveFile, ItemCounterLiesPastEveryLoadedItem) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(600);
    ASSERT_TRUE(game.level->save("savefile_items"));
    game.level.reset();
    Item::ResetIds();
    TestGame reloaded;
    ASSERT_TRUE(reloaded.load("savefile_items"));
    const Item fresh;
    // Every loaded item is still found under its id, so none was taken again.
    for (std::uint32_t id = 0; id < fresh.getId(); ++id) {
        if (const Item* item = Item::GetById(id)) {
            EXPECT_NE(&fresh, item);
        }
    }
    EXPECT_EQ(&fresh, Item::GetById(fresh.getId()));
    std::remove("savefile_items");
}

TEST(LevelSaveFile, ConstructorLoadsTheNamedFile) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    ASSERT_TRUE(game.level->save("savefile_ctor"));
    const std::size_t objects = game.level->getGameObjects().size();
    game.level.reset();
    Level level(nullptr, nullptr, "savefile_ctor");
    EXPECT_EQ(objects, level.getGameObjects().size());
    EXPECT_EQ(3u, level.getEmployees().size());
    EXPECT_EQ(5u, level.getApplicantPool().size());
    std::remove("savefile_ctor");
}

// Flowers, stones and stains stay on their cells through a save and a load,
// whatever the random state the load meets.
TEST(LevelSaveFileTest, TheGroundsRareVariantsStayWhereTheyWere) {
    auto pictures = [](const Level& level) {
        std::vector<sf::IntRect> rects;
        for (int row = 0; row < level.getHeight(); ++row)
            for (int column = 0; column < level.getWidth(); ++column)
                rects.push_back(level.getTileAt(column, row)->getTextureRect());
        return rects;
    };
    const std::string name = "ground-variants.sav";
    std::srand(5);
    TestGame original;
    ASSERT_TRUE(original.level->setTile(TileFloor, 10, 10));
    const std::vector<sf::IntRect> before = pictures(*original.level);
    using GameParams::Graphics::SIZE128PX::GetTileTexture;
    const sf::IntRect variants[] = {GetTileTexture(TileGrass, 0), GetTileTexture(TileGrass, 5),
                                    GetTileTexture(TileFloor, 0)};
    const auto rare = std::count_if(before.begin(), before.end(), [&](const sf::IntRect& rect) {
        return std::find(std::begin(variants), std::end(variants), rect) != std::end(variants);
    });
    EXPECT_GT(rare, 10) << "a new map has flowers, stones and stains";
    ASSERT_TRUE(original.level->save(name));
    original.level.reset();
    std::srand(99);
    TestGame reloaded;
    ASSERT_TRUE(reloaded.load(name));
    EXPECT_EQ(pictures(*reloaded.level), before);
    std::remove(name.c_str());
}
