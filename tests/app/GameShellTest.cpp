// The shell's own rules, checked on a Game built in this process.

#include "app/DebugText.hpp"
#include "app/Game.hpp"
#include "app/UserLocale.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

sf::Event focusEvent(sf::Event::EventType type) {
    sf::Event event;
    event.type = type;
    return event;
}

} // namespace

TEST(GameFrame, AFrameLongerThanAHundredMillisecondsCountsAsOneHundred) {
    EXPECT_EQ(Game::clampFrameTime(sf::milliseconds(250)), sf::milliseconds(100));
    EXPECT_EQ(Game::clampFrameTime(sf::milliseconds(100)), sf::milliseconds(100));
    EXPECT_EQ(Game::clampFrameTime(sf::milliseconds(16)), sf::milliseconds(16));
}

TEST(GameFrame, TheWorldAdvancesByTheClockSpeed) {
    Game game;
    GameTime& clock = game.getGameTime();
    clock.setSpeedLevel(1);
    EXPECT_FLOAT_EQ(game.gameMinutesFor(sf::milliseconds(100)), 0.2f);
    clock.setSpeedLevel(3);
    EXPECT_FLOAT_EQ(game.gameMinutesFor(sf::milliseconds(100)), 1.8f);
    clock.setSpeedLevel(0);
    EXPECT_FLOAT_EQ(game.gameMinutesFor(sf::milliseconds(100)), 0.f);
}

TEST(GameFrame, TheFpsLineShowsWholeFramesPerSecond) {
    Game game;
    game.updateFps(sf::microseconds(16667));
    EXPECT_FLOAT_EQ(game.getFps(), 59.f);
    EXPECT_EQ(fpsText.getString().toAnsiString(), "Bildrate: 59");
}

TEST(GamePause, LosingFocusPausesAndRegainingItRestoresTheSpeed) {
    Game game;
    game.getGameTime().setSpeedLevel(2);
    game.handleEvent(focusEvent(sf::Event::LostFocus));
    EXPECT_TRUE(game.isPausedByFocusLoss());
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 0u);
    game.handleEvent(focusEvent(sf::Event::GainedFocus));
    EXPECT_FALSE(game.isPausedByFocusLoss());
    EXPECT_FALSE(game.isPausedByMenu());
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 2u);
}

TEST(GamePause, FocusComingBackDoesNotEndAPauseADialogMade) {
    Game game;
    game.getGameTime().setSpeedLevel(3);
    game.pause(); // a dialog opened
    game.handleEvent(focusEvent(sf::Event::LostFocus));
    EXPECT_FALSE(game.isPausedByFocusLoss());
    game.handleEvent(focusEvent(sf::Event::GainedFocus));
    EXPECT_TRUE(game.isPausedByMenu());
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 0u);
    game.resume(); // the dialog closed
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 3u);
}

TEST(GamePause, PausingTwiceKeepsTheFirstSpeed) {
    Game game;
    game.getGameTime().setSpeedLevel(2);
    game.pause();
    game.pause();
    game.resume();
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 2u);
    game.resume();
    EXPECT_EQ(game.getGameTime().getSpeedLevel(), 2u);
}

TEST(GameKeys, ScrollingFollowsTheWindowsOwnKeysAndStopsWhenFocusIsLost) {
    Game game;
    const sf::Time frame = sf::milliseconds(16);
    const sf::Vector2f start = game.getWorldView().getCenter();
    sf::Event press;
    press.type = sf::Event::KeyPressed;
    press.key = sf::Event::KeyEvent{sf::Keyboard::W, false, false, false, false};
    game.handleEvent(press);
    game.scrollByKeyboard(frame);
    const sf::Vector2f scrolled = game.getWorldView().getCenter();
    EXPECT_LT(scrolled.y, start.y) << "W held in this window scrolls up";
    // The release goes to whichever window has the focus now.
    game.handleEvent(focusEvent(sf::Event::LostFocus));
    EXPECT_FALSE(game.isKeyHeld(sf::Keyboard::W));
    game.scrollByKeyboard(frame);
    EXPECT_EQ(game.getWorldView().getCenter(), scrolled);
}

TEST(GameLocale, AnUnknownEnvironmentLocaleFallsBackToClassic) {
    const char* saved = std::getenv("LC_ALL");
    const std::string previous = saved ? saved : "";
    setenv("LC_ALL", "xx_YY.UTF-8", 1);
    EXPECT_EQ(MakeUserLocale(), std::locale::classic());
    if (saved)
        setenv("LC_ALL", previous.c_str(), 1);
    else
        unsetenv("LC_ALL");
}
