#include "SaveFileTestSupport.hpp"

#include "../params/CoutCapture.hpp"
#include "world/MetaZone.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using SaveFileTest::ReadFile;
using SaveFileTest::TestGame;
using SaveFileTest::WriteFile;

namespace {

// A saved busy factory: the file every corruption below starts from.
std::string SavedFactory() {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(300);
    return game.content();
}

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Loads the content from a file and returns what the load printed.
std::string LoadPrinting(TestGame& game, const std::string& content, bool& loaded) {
    // ctest runs the tests of this file side by side in one folder.
    const std::string path = std::string("savefile_broken_") +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    WriteFile(path, content);
    CoutCapture capture;
    loaded = game.load(path);
    std::remove(path.c_str());
    return capture.text();
}

bool IsEmpty(const Level& level) {
    return level.getGameObjects().empty() && level.getEmployees().empty() &&
           level.getTileAt(0, 0) == nullptr && level.getMetaZones().empty();
}

} // namespace

TEST(LevelSaveFileFailure, HeaderVersionSizeAndZoomAreChecked) {
    const std::string good = SavedFactory();
    struct Case {
        std::string content;
        std::string message;
    };
    const std::vector<Case> cases = {
        {ReplaceFirst(good, "LEVEL", "LEVLE"), "Level::load() - Header ungueltig!\n"},
        {ReplaceFirst(good, "LEVEL 0.1", "LEVEL 0.2"),
         "Level::load() - Version nicht unterstuetzt!\n"},
        {ReplaceFirst(good, "LEVEL 0.1 80 60", "LEVEL 0.1 -80 60"),
         "Level::load() - Map-Groesse ungueltig!\n"},
        {ReplaceFirst(good, "LEVEL 0.1 80 60", "LEVEL 0.1 80 61"),
         "Level::load() - BlockedMap konnte nicht geladen werden!\n"},
        {ReplaceFirst(good, "LEVEL 0.1 80 60", "LEVEL 0.1 2000000 2000000"),
         "Level::load() - Map-Groesse ungueltig!\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TestGame game;
        bool loaded = true;
        EXPECT_EQ(c.message, LoadPrinting(game, c.content, loaded));
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(IsEmpty(*game.level));
    }
}

TEST(LevelSaveFileFailure, ZoomZeroFailsWithoutAMessage) {
    TestGame game;
    std::string content = game.content();
    // The zoom follows the fifth map, right before the zones' array.
    const std::size_t zones = content.find(" Ver 0.1 4800 ZONE");
    ASSERT_NE(std::string::npos, zones);
    const std::size_t zoom = content.rfind(' ', zones - 1);
    content.replace(zoom + 1, zones - zoom - 1, "0");
    bool loaded = true;
    EXPECT_EQ("", LoadPrinting(game, content, loaded));
    EXPECT_FALSE(loaded);
}

TEST(LevelSaveFileFailure, MissingFileIsReported) {
    TestGame game;
    CoutCapture capture;
    EXPECT_FALSE(game.load("savefile_missing/none"));
    EXPECT_EQ("Level::load() - Datei: savefile_missing/none konnte nicht geoeffnet werden.\n",
              capture.text());
    EXPECT_TRUE(IsEmpty(*game.level));
}

// Cut after every token: each cut must fail cleanly, and cuts inside each of
// the 29 items of the file reach their own item's message.
TEST(LevelSaveFileFailure, TruncatedAtEveryTokenFails) {
    const std::string good = SavedFactory();
    // Cut after tokens: after every container's "Ver" and every record's
    // header, so that every item of the file is cut inside, and after a
    // spread of the other tokens.
    // Inside the zones' array, whose 4800 records all go through one reader,
    // only the spread is taken.
    const std::size_t zonesStart = good.find(" ZONE ");
    const std::size_t zonesEnd = good.find(" Ver 0.1", good.rfind(" ZONE "));
    ASSERT_NE(std::string::npos, zonesEnd);
    std::vector<std::size_t> cuts;
    std::size_t index = 0;
    for (std::size_t start = 0; start < good.size(); ++index) {
        std::size_t end = good.find(' ', start);
        if (end == std::string::npos) {
            end = good.size();
        }
        const std::string token = good.substr(start, end - start);
        const bool header =
            token == "BankAccount" ||
            (token.size() > 2 &&
             token.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos);
        const bool inZones = start > zonesStart && start < zonesEnd;
        // The last token ends the whole file, which loads.
        const bool whole = end == good.size();
        if ((((token == "Ver" || header) && !inZones) || index % 211 == 0) && !whole) {
            cuts.push_back(end);
        }
        start = end + 1;
    }
    ASSERT_GT(cuts.size(), 100u);
    std::set<std::string> messages;
    TestGame game;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        std::istringstream in(good.substr(0, cuts[i]));
        in.imbue(std::locale::classic());
        CoutCapture capture;
        EXPECT_FALSE(game.level->readFrom(in)) << "cut at byte " << cuts[i];
        const std::string printed = capture.text();
        for (std::size_t from = 0, to; (to = printed.find('\n', from)) != std::string::npos;
             from = to + 1) {
            const std::string line = printed.substr(from, to - from);
            if (line.rfind("Level::load() - ", 0) == 0) {
                messages.insert(line);
            }
        }
    }
    for (const char* expected : {
             "Level::load() - BlockedMap konnte nicht geladen werden!",
             "Level::load() - TileMap konnte nicht geladen werden!",
             "Level::load() - ZoneMap konnte nicht geladen werden!",
             "Level::load() - GameObjectMap konnte nicht geladen werden!",
             "Level::load() - GameObjectSurfacesMap konnte nicht geladen werden!",
             "Level::load() - zoneContainer konnte nicht geladen werden!",
             "Level::load() - metaZoneContainer konnte nicht geladen werden!",
             "Level::load() - metaZoneMap konnte nicht geladen werden!",
             "Level::load() - GameObjectContainer konnte nicht geladen werden!",
             "Level::load() - GameObjectSurfacesContainer konnte nicht geladen werden!",
             "Level::load() - Employees konnten nicht geladen werden!",
             "Level::load() - EmployeesMapEntryPoints konnten nicht geladen werden!",
             "Level::load() - PathFindingQueue konnte nicht geladen werden!",
             "Level::load() - CurrentEmployeeTasks konnte nicht geladen werden!",
             "Level::load() - gameObjectsNeedingTransport konnte nicht geladen werden!",
             "Level::load() - gameObjectsNeedingSupply konnte nicht geladen werden!",
             "Level::load() - storeableItemAmounts konnte nicht geladen werden!",
             "Level::load() - storedItems konnte nicht geladen werden!",
             "Level::load() - itemsNeedingShippingPreparation konnte nicht geladen werden!",
             "Level::load() - itemsReadyForShipping konnte nicht geladen werden!",
             "Level::load() - GameTime konnte nicht geladen werden!",
             "Level::load() - BankAccount konnte nicht geladen werden!",
             "Level::load() - StockMarket konnte nicht geladen werden!",
             "Level::load() - TruckLogistics konnten nicht geladen werden!",
         }) {
        EXPECT_EQ(1u, messages.count(expected)) << expected;
    }
}

TEST(LevelSaveFileFailure, ObjectsOffTheMapOrUnknownReferencesFail) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    const std::string good = game.content();
    TestGame target;
    bool loaded = true;
    // A meta-zone reference that no room has.
    const std::size_t rooms = good.find(" Ver 0.1 4800 -1");
    ASSERT_NE(std::string::npos, rooms);
    std::string unknownRoom = good;
    unknownRoom.replace(rooms, 16, " Ver 0.1 4800 999");
    EXPECT_NE("", LoadPrinting(target, unknownRoom, loaded));
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(IsEmpty(*target.level));
}

TEST(LevelSaveFileFailure, FailedSaveKeepsTheOldFileAndTheLocale) {
    TestGame game;
    ASSERT_TRUE(game.level->save("savefile_keep"));
    const std::string before = SaveFileTest::ReadFile("savefile_keep");
    // A level without cells cannot be written: the old file must survive.
    game.level->clear();
    CoutCapture capture;
    EXPECT_FALSE(game.level->save("savefile_keep"));
    EXPECT_EQ(before, SaveFileTest::ReadFile("savefile_keep"));
    std::remove("savefile_keep");
}

namespace {

// The decimal comma and digit grouping of a German desktop.
struct GermanNumbers : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

char DecimalPoint(const std::locale& locale) {
    return std::use_facet<std::numpunct<char>>(locale).decimal_point();
}

} // namespace

TEST(LevelSaveFileFailure, FilesUseTheClassicLocaleAndTheGameKeepsItsOwn) {
    const std::locale german(std::locale::classic(), new GermanNumbers);
    const std::locale previous = std::locale::global(german);
    const std::locale previousCout = std::cout.imbue(german);
    TestGame game;
    EXPECT_TRUE(game.level->save("savefile_locale", 1234567890));
    EXPECT_EQ(0u, SaveFileTest::LevelContent("savefile_locale").rfind("LEVEL 0.1 80 60 ", 0));
    EXPECT_NE(ReadFile("savefile_locale").find(" balance 20000.00 employees 0 saved 1234567890\n"),
              std::string::npos);
    EXPECT_TRUE(game.load("savefile_locale"));
    {
        CoutCapture capture;
        EXPECT_FALSE(game.level->save("savefile_no_folder/game"));
    }
    EXPECT_EQ(',', DecimalPoint(std::locale()));
    EXPECT_EQ(',', DecimalPoint(std::cout.getloc()));
    std::cout.imbue(previousCout);
    std::locale::global(previous);
    std::remove("savefile_locale");
}

TEST(LevelSaveFileFailure, FailedLoadKeepsTheRunningGame) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    game.advance(200);
    const std::string before = game.content();
    const std::size_t applicants = game.level->getApplicantPool().size();
    WriteFile("savefile_bad", ReplaceFirst(before, "LEVEL 0.1", "LEVEL 0.2"));
    {
        CoutCapture capture;
        EXPECT_FALSE(game.level->loadKeepingCurrent("savefile_bad"));
        EXPECT_FALSE(game.level->loadKeepingCurrent("savefile_missing/none"));
    }
    EXPECT_EQ(before, game.content());
    EXPECT_EQ(applicants, game.level->getApplicantPool().size());
    // And the kept game goes on.
    game.advance(100);
    std::remove("savefile_bad");
}

TEST(LevelSaveFileFailure, LoadKeepingCurrentTakesAGoodFile) {
    TestGame source;
    SaveFileTest::BuildBusyFactory(*source.level);
    ASSERT_TRUE(source.level->save("savefile_good"));
    const std::string expected = SaveFileTest::LevelContent("savefile_good");
    source.level.reset();
    TestGame game;
    EXPECT_TRUE(game.level->loadKeepingCurrent("savefile_good"));
    EXPECT_EQ(expected, game.content());
    std::remove("savefile_good");
}

namespace {

// Rewrites the class counter of every record "<header> <version> <counter> <id>"
// to id + 1, as a file edited by hand might carry it.
std::string CountersJustAboveOwnIds(std::string text, const std::string& headerAndVersion) {
    std::size_t at = 0;
    while ((at = text.find(headerAndVersion, at)) != std::string::npos) {
        const std::size_t counterStart = at + headerAndVersion.size();
        std::istringstream fields(text.substr(counterStart, 40));
        int counter = 0;
        int id = 0;
        fields >> counter >> id;
        const std::string original = std::to_string(counter);
        text.replace(counterStart, original.size(), std::to_string(id + 1));
        at = counterStart;
    }
    return text;
}

} // namespace

TEST(LevelSaveFileFailure, CountersBehindLoadedIdsAreRaisedAboveThem) {
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    ASSERT_GE(game.level->getGameObjects().size(), 2u);
    ASSERT_GE(game.level->getMetaZones().size(), 2u);
    const std::string edited = CountersJustAboveOwnIds(
        CountersJustAboveOwnIds(game.content(), "GAMEOBJECT 0.2 "), "METAZONE 0.1 ");

    TestGame target;
    bool loaded = false;
    LoadPrinting(target, edited, loaded);
    ASSERT_TRUE(loaded);
    for (const auto& object : target.level->getGameObjects()) {
        EXPECT_LT(object->getId(), GameObject::GetMaxId());
    }
    for (const auto& room : target.level->getMetaZones()) {
        EXPECT_LT(room->getId(), MetaZone::GetMaxId());
    }
}
