// The game as a player starts it: its own process, a real window under Xvfb.

#include "GameProcess.hpp"
#include "XWindows.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

XWindowId waitForWindow(XConnection& x, GameProcess& game, int timeoutMilliseconds) {
    for (int waited = 0; waited < timeoutMilliseconds && game.isRunning(); waited += 50) {
        if (XWindowId window = x.findWindowByTitle("Ostravel"))
            return window;
        sleepMilliseconds(50);
    }
    return 0;
}

// A game whose clock has run asks before it closes: the close request, then
// a click on "Verlassen" once the question takes clicks. On a busy machine
// the question may open late and ignore the first click, so it is repeated.
void closeAndConfirm(XConnection& x, XWindowId window, GameProcess& game) {
    x.requestClose(window);
    // The question is centred in the window; its confirming button is the
    // left one of its row.
    const std::string click =
        "xdotool mousemove --window " + std::to_string(window) + " 517 400 click 1";
    for (int attempt = 0; attempt < 5 && game.isRunning(); ++attempt) {
        sleepMilliseconds(800);
        std::system(click.c_str());
    }
}

// Share of the screen's pixels that are not black.
double litShare(const sf::Image& shot) {
    const sf::Vector2u size = shot.getSize();
    std::size_t lit = 0;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x) {
            const sf::Color c = shot.getPixel(x, y);
            if (c.r > 40 || c.g > 40 || c.b > 40)
                ++lit;
        }
    return static_cast<double>(lit) / (size.x * size.y);
}

} // namespace

TEST(GameStart, ShowsFramesAndExitsCleanlyWhenTheWindowIsClosed) {
    XConnection x;
    ASSERT_TRUE(x.isOpen()) << "no X display";
    GameProcess game;
    game.start();

    const XWindowId window = waitForWindow(x, game, 10000);
    ASSERT_NE(window, 0u) << game.standardOutput();
    sleepMilliseconds(1000);
    ASSERT_TRUE(game.isRunning());

    const auto shotPath = game.folder() / "shot.png";
    const std::string import = "import -window root " + shotPath.string();
    ASSERT_EQ(std::system(import.c_str()), 0);
    sf::Image shot;
    ASSERT_TRUE(shot.loadFromFile(shotPath.string()));
    EXPECT_GT(litShare(shot), 0.001) << "the screen is blank";

    // Saves go to the player's data folder, never beside the game.
    const std::filesystem::path saves =
        std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "ostravel" / "save";
    EXPECT_TRUE(std::filesystem::is_directory(saves));
    EXPECT_FALSE(std::filesystem::exists(game.folder() / "save"));

    x.requestClose(window);
    sleepMilliseconds(800);
    EXPECT_TRUE(game.isRunning()) << "the game ran unsaved and closed without asking";
    closeAndConfirm(x, window, game);
    ASSERT_TRUE(game.waitForExit(5000)) << "the game ignored the close request";
    EXPECT_EQ(game.exitStatus(), 0);
}

TEST(GameStart, WithoutTheFontPrintsTheErrorAndExitsWithMinusOne) {
    XConnection x;
    GameProcess game;
    std::filesystem::remove(game.folder() / "fonts" / "arial.ttf");
    game.start();
    ASSERT_TRUE(game.waitForExit(10000));
    EXPECT_EQ(game.exitStatus(), 255);
    EXPECT_EQ(game.standardOutput(), "ERROR - FAILED LOADING FONT: fonts/arial.ttf \n");
    EXPECT_EQ(x.findWindowByTitle("Ostravel"), 0u);
}

TEST(GameStart, WithoutTheAtlasExitsWithMinusOne) {
    GameProcess game;
    std::filesystem::remove(game.folder() / "img" / "spriteMap_v2_128.png");
    game.start();
    ASSERT_TRUE(game.waitForExit(10000));
    EXPECT_EQ(game.exitStatus(), 255);
}

TEST(GameStart, AnUninstalledLocaleInTheEnvironmentFallsBackToClassic) {
    XConnection x;
    GameProcess game;
    game.start("LC_ALL=xx_YY.UTF-8");
    const XWindowId window = waitForWindow(x, game, 10000);
    ASSERT_NE(window, 0u) << "the game did not survive an unknown locale: "
                          << game.standardOutput();
    closeAndConfirm(x, window, game);
    ASSERT_TRUE(game.waitForExit(5000));
    EXPECT_EQ(game.exitStatus(), 0);
}
