#include "economy/GameTime.hpp"

#include "params/Seasons.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <locale>
#include <sstream>

namespace {

const std::string& Season(std::size_t index) {
    return GameParams::GetSeasonNames().at(index);
}

// A clock advanced by whole game minutes at the normal speed.
void AdvanceMinutes(GameTime& clock, unsigned minutes) {
    clock.setSpeedLevel(1);
    for (unsigned i = 0; i < minutes; ++i) {
        clock.advance(sf::milliseconds(500));
    }
}

std::string Record(const GameTime& clock) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    EXPECT_TRUE(clock.save(out));
    return out.str();
}

struct LoadResult {
    bool ok;
    std::string printed;
};

LoadResult LoadRecord(GameTime& clock, const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::ostringstream captured;
    std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
    const bool ok = clock.load(in);
    std::cout.rdbuf(previous);
    return {ok, captured.str()};
}

} // namespace

TEST(GameTime, StartsOnTheFirstMorningAtNormalSpeed) {
    const GameTime clock;
    EXPECT_EQ(clock.getSpeedLevel(), 1u);
    EXPECT_EQ(clock.getSpeedFactor(), 1u);
    EXPECT_EQ(clock.getSpeedLevelCount(), 4u);
    EXPECT_FLOAT_EQ(clock.getMinutesPerSecond(), 2.0f);
    EXPECT_TRUE(clock.hasChanged());
    EXPECT_EQ(clock.getInfoText(),
              "09:00 Uhr, 01. " + Season(0) + " Jahr 1\nGeschwindigkeit: 1\u00d7");
}

TEST(GameTime, SpeedLevelIsClampedToTheTable) {
    GameTime clock;
    clock.setSpeedLevel(3);
    EXPECT_EQ(clock.getSpeedFactor(), 9u);
    clock.setSpeedLevel(40);
    EXPECT_EQ(clock.getSpeedLevel(), 3u);
}

TEST(GameTime, TheSpeedLineNamesTheChosenFactorNotItsPlaceInTheTable) {
    GameTime clock;
    const char* const expected[] = {"Pause", "1\u00d7", "5\u00d7", "9\u00d7"};
    for (unsigned level = 0; level < 4; ++level) {
        clock.setSpeedLevel(level);
        const std::string text = clock.getInfoText();
        EXPECT_EQ(text.substr(text.find('\n') + 1),
                  std::string("Geschwindigkeit: ") + expected[level]);
    }
}

TEST(GameTime, PausedClockChangesNothing) {
    GameTime clock;
    clock.setSpeedLevel(0);
    const std::string before = Record(clock);
    clock.advance(sf::seconds(10));
    EXPECT_EQ(Record(clock), before);
    EXPECT_FALSE(clock.hasChanged());
    EXPECT_FALSE(clock.minutePassed());
    EXPECT_EQ(clock.getLastElapsedMicroseconds(), 10000000);
}

TEST(GameTime, FastFrameCarriesTheFractionOfAMinute) {
    GameTime clock;
    clock.setSpeedLevel(3);
    clock.advance(sf::milliseconds(250));
    EXPECT_EQ(clock.getMinute(), 4u);
    EXPECT_FLOAT_EQ(clock.getTotal(), 4.0f);
    EXPECT_TRUE(clock.minutePassed());
    EXPECT_TRUE(clock.hasChanged());
    EXPECT_FALSE(clock.hourPassed());
    // The carried half minute completes with the next quarter second.
    clock.advance(sf::milliseconds(250));
    EXPECT_EQ(clock.getMinute(), 9u);
}

TEST(GameTime, FlagsLastOneAdvance) {
    GameTime clock;
    AdvanceMinutes(clock, 60);
    EXPECT_TRUE(clock.hourPassed());
    clock.advance(sf::milliseconds(100));
    EXPECT_FALSE(clock.hourPassed());
    EXPECT_FALSE(clock.minutePassed());
    EXPECT_FALSE(clock.hasChanged());
}

TEST(GameTime, EndOfTheWorkingDayStartsTheNextMorning) {
    GameTime clock;
    AdvanceMinutes(clock, 8 * 60 - 1);
    EXPECT_EQ(clock.getHour(), 16u);
    EXPECT_EQ(clock.getMinute(), 59u);
    AdvanceMinutes(clock, 1);
    EXPECT_EQ(clock.getHour(), 9u);
    EXPECT_EQ(clock.getMinute(), 0u);
    EXPECT_EQ(clock.getDay(), 2u);
    EXPECT_TRUE(clock.dayPassed());
    EXPECT_TRUE(clock.hourPassed());
    EXPECT_FALSE(clock.seasonPassed());
}

TEST(GameTime, LastDayOfASeasonIsFollowedByTheNextSeason) {
    GameTime clock;
    AdvanceMinutes(clock, 29 * 480);
    EXPECT_EQ(clock.getDay(), 30u);
    AdvanceMinutes(clock, 480);
    EXPECT_EQ(clock.getDay(), 1u);
    EXPECT_EQ(clock.getSeason(), 1u);
    EXPECT_TRUE(clock.seasonPassed());
}

TEST(GameTime, WinterIsFollowedBySpringOfTheNextYear) {
    GameTime clock;
    AdvanceMinutes(clock, 4 * 14400 - 1);
    EXPECT_EQ(clock.getSeason(), 3u);
    EXPECT_EQ(clock.getYear(), 1u);
    AdvanceMinutes(clock, 1);
    EXPECT_EQ(clock.getSeason(), 0u);
    EXPECT_EQ(clock.getYear(), 2u);
    EXPECT_TRUE(clock.yearPassed());
    EXPECT_EQ(GameTime::timeText(clock.getTotal()), "09:00 Uhr, 01. " + Season(0) + " Jahr 2");
}

TEST(GameTime, TimeTextCountsFromTheFirstMorning) {
    EXPECT_EQ(GameTime::timeText(5), "09:05 Uhr, 01. " + Season(0) + " Jahr 1");
    EXPECT_EQ(Season(0), "Frühling");
    EXPECT_EQ(GameTime::timeText(479.9f), "16:59 Uhr, 01. " + Season(0) + " Jahr 1");
    EXPECT_EQ(GameTime::timeText(3 * 14400 + 29 * 480 + 75),
              "10:15 Uhr, 30. " + Season(3) + " Jahr 1");
    // Out-of-range values are shown as the start rather than indexing past the seasons.
    EXPECT_EQ(GameTime::timeText(-30), "09:00 Uhr, 01. " + Season(0) + " Jahr 1");
}

TEST(GameTime, RecordRoundTrip) {
    GameTime clock;
    clock.setSpeedLevel(2);
    clock.advance(sf::milliseconds(1550));
    const std::string text = Record(clock);
    EXPECT_EQ(text, "GAMETIME 0.1 2 15 9 17 1 0 1 9 15 0.5");

    GameTime loaded;
    const auto result = LoadRecord(loaded, text);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.printed, "");
    EXPECT_EQ(Record(loaded), text);
    EXPECT_TRUE(loaded.hasChanged());
}

TEST(GameTime, FailedLoadsReportAndChangeNothing) {
    const std::string good = "GAMETIME 0.1 2 15 9 17 1 0 1 9 15 0.5";
    struct Case {
        std::string text;
        std::string printed;
    };
    const std::string invalid = "GameTime::load() - Werte ungueltig!\n";
    const Case cases[] = {
        {"GAMETYME 0.1 2 15 9 17 1 0 1 9 15 0.5", "GameTime::load() - Header ungueltig!\n"},
        {"GAMETIME 0.2 2 15 9 17 1 0 1 9 15 0.5",
         "GameTime::load() - Version nicht unterstuetzt!\n"},
        {"GAMETIME 0.1 2 15 9 17 1 0 1 9", ""},
        {"GAMETIME 0.1 4 15 9 17 1 0 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 -15 9 17 1 0 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 17 9 1 0 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 25 1 0 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 0 0 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 4 1 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 0 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 31 9 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 1 8 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 1 17 15 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 1 9 60 0.5", invalid},
        {"GAMETIME 0.1 2 15 9 17 1 0 1 9 15 -0.5", invalid},
        // A remainder this large would keep the next advance counting for ages.
        {"GAMETIME 0.1 2 15 9 17 1 0 1 9 15 1e30", invalid},
    };
    for (const auto& c : cases) {
        GameTime clock;
        ASSERT_TRUE(LoadRecord(clock, good).ok);
        clock.advance(sf::Time::Zero); // clears the changed flag
        const auto result = LoadRecord(clock, c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.printed, c.printed) << c.text;
        EXPECT_EQ(Record(clock), good) << c.text;
        EXPECT_FALSE(clock.hasChanged()) << c.text;
    }
}

TEST(GameTime, FramesThatAddUpToWholeMinutesCountThemAll) {
    // 200 frames of 0.3 game minutes: 0.3 is no binary fraction, and the
    // rounding noise once cost the last minute.
    GameTime clock;
    for (int frame = 0; frame < 200; ++frame) {
        clock.advance(sf::microseconds(150000));
    }
    EXPECT_EQ(clock.getTotal(), 60.f);
    EXPECT_EQ(clock.getHour(), 10u);
    EXPECT_EQ(clock.getMinute(), 0u);
}

TEST(GameTime, LongGamesKeepEveryMinuteThroughASave) {
    GameTime clock;
    const std::string text = "GAMETIME 0.1 1 1234567 9 17 1 0 1 9 7 0.25";
    ASSERT_TRUE(LoadRecord(clock, text).ok);
    EXPECT_EQ(clock.getTotal(), 1234567.f);
    EXPECT_EQ(Record(clock), text);
}
