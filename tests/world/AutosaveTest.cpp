// The game's own saves at the start of a day: the interval is honoured over
// many game days, the three slots rotate (across runs by their file times),
// and a folder that cannot be written is told in the outcome only.

#include "SaveFileTestSupport.hpp"

#include "persist/SaveGames.hpp"
#include "tests/params/CoutCapture.hpp"
#include "tests/params/ScratchFolder.hpp"
#include "world/Autosave.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

class AutosaveTest : public ScratchFolderTest {
protected:
    // Plays whole game days as the game's frame does and gives the slot of
    // every save made, "" for a failed one.
    std::vector<std::string> playDays(SaveFileTest::TestGame& game, Autosaver& saver, int days) {
        std::vector<std::string> slots;
        const unsigned last = game.clock.getDaysSinceStart() + static_cast<unsigned>(days);
        while (game.clock.getDaysSinceStart() < last) {
            game.advance(1, 5.f);
            if (!game.clock.dayPassed())
                continue;
            const Autosaver::Outcome outcome =
                saver.atDayStart(*game.level, game.clock.getDaysSinceStart());
            if (outcome.attempted)
                slots.push_back(outcome.saved ? outcome.slot : "");
        }
        return slots;
    }
};

} // namespace

TEST_F(AutosaveTest, TheIntervalIsHonouredAndTheSlotsRotate) {
    SaveFileTest::TestGame game;
    Autosaver saver;
    EXPECT_EQ(saver.getInterval(), AutosaveInterval::EveryDay);
    EXPECT_EQ(playDays(game, saver, 4),
              (std::vector<std::string>{"Autosave 1", "Autosave 2", "Autosave 3", "Autosave 1"}));

    saver.setInterval(AutosaveInterval::EveryThirdDay);
    // Days 5 to 13: saves on days 6, 9 and 12.
    EXPECT_EQ(playDays(game, saver, 9),
              (std::vector<std::string>{"Autosave 2", "Autosave 3", "Autosave 1"}));
    saver.setInterval(AutosaveInterval::EveryWeek);
    EXPECT_EQ(playDays(game, saver, 14).size(), 2u);
    saver.setInterval(AutosaveInterval::Off);
    EXPECT_TRUE(playDays(game, saver, 10).empty());

    // Each slot is a whole save whose header tells its day.
    game.level.reset();
    SaveFileTest::TestGame loaded;
    EXPECT_TRUE(loaded.load(GameParams::SaveGamePath("Autosave 1")));
    const auto listed = GameParams::ListSaveGamesNewestFirst();
    ASSERT_EQ(listed.size(), 3u);
    for (const auto& save : listed)
        EXPECT_TRUE(save.summary.gameMinutes.has_value()) << save.name;
}

TEST_F(AutosaveTest, ANewRunGoesOnOverTheOldestSlot) {
    SaveFileTest::TestGame game;
    Autosaver first;
    EXPECT_EQ(playDays(game, first, 3).size(), 3u);
    // Slot 2 was written long ago, the others just now.
    fs::last_write_time(fs::path("save") / "Autosave 2",
                        fs::last_write_time(fs::path("save") / "Autosave 1") -
                            std::chrono::hours(5));
    Autosaver afterRestart;
    EXPECT_EQ(afterRestart.nextSlot(), 2);
    EXPECT_EQ(playDays(game, afterRestart, 2),
              (std::vector<std::string>{"Autosave 2", "Autosave 3"}));
}

TEST_F(AutosaveTest, AFolderThatCannotBeWrittenIsToldAndTheGameGoesOn) {
    // A file where the folder should be; as root a read-only folder is no
    // obstacle, a file is.
    std::ofstream("save") << "kein Ordner";
    SaveFileTest::TestGame game;
    Autosaver saver;
    std::vector<std::string> slots;
    {
        CoutCapture capture;
        slots = playDays(game, saver, 2);
    }
    EXPECT_EQ(slots, (std::vector<std::string>{"", ""}));
    // The same slot is tried again once the folder is there.
    fs::remove("save");
    EXPECT_EQ(playDays(game, saver, 1), (std::vector<std::string>{"Autosave 1"}));
    EXPECT_GT(game.clock.getDaysSinceStart(), 2u);
}
