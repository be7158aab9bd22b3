// The window at any size and the settings dialog, on a real game under Xvfb.

#include "tests/TempFolder.hpp"
#include "DialogTestSupport.hpp"

#include "settings/Settings.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <cmath>

namespace {

namespace fs = std::filesystem;

class WindowSettingsTest : public DialogTest {
protected:
    void SetUp() override {
        configHome = std::getenv("XDG_CONFIG_HOME");
        config = MakeTempFolder("config");
        ASSERT_FALSE(config.empty());
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        DialogTest::SetUp();
    }
    void TearDown() override {
        DialogTest::TearDown();
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        fs::remove_all(config);
    }

    // As the window manager would: the window changes, then says so.
    void resize(unsigned width, unsigned height) {
        game->getWindow()->setSize({width, height});
        sf::Event event;
        event.type = sf::Event::Resized;
        event.size = {width, height};
        game->handleEvent(event);
    }
    // The window pixel over a point of the interface.
    sf::Vector2i onWindow(sf::Vector2i point) {
        return game->getWindow()->mapCoordsToPixel(sf::Vector2f(point), game->getGuiView());
    }
    void clickOnInterface(sf::Vector2i point) { click(onWindow(point)); }
    // The dialog's buttons: row by row as the table lists the settings,
    // each row's values in the table's order.
    MenuButton* choiceButton(const SettingDescription& wanted, int value) {
        const std::vector<MenuButton*> buttons =
            DialogLayout::FindAll<MenuButton>(game->getSettingsMenu());
        std::size_t index = 0;
        for (const SettingDescription& setting : SettingsTable())
            for (const SettingChoice& choice : setting.choices) {
                if (&setting == &wanted && choice.value == value)
                    return buttons.at(index);
                ++index;
            }
        return nullptr;
    }
    void expectCentred(const Menu& menu) {
        const sf::Vector2f middle = menu.getPosition() + menu.getSize() / 2.f;
        EXPECT_NEAR(middle.x, game->getGuiSize().x / 2.f, 1.f);
        EXPECT_NEAR(middle.y, game->getGuiSize().y / 2.f, 1.f);
    }

    std::string configHome;
    fs::path config;
};

} // namespace

TEST_F(WindowSettingsTest, EverySettingTakesEffectAtOnceIsSavedAndIsReadAtTheNextStart) {
    key(sf::Keyboard::Escape);
    clickButton(game->getMainMenu(), ButtonOpenSettings);
    ASSERT_EQ(game->getTopMenu(), &game->getSettingsMenu());
    expectCentred(game->getSettingsMenu());

    // Every setting away from its default, by a click on its button.
    Settings expected;
    for (const SettingDescription& setting : SettingsTable())
        for (const SettingChoice& choice : setting.choices)
            if (choice.value != Settings().*setting.field) {
                expected.*setting.field = choice.value;
                MenuButton* button = choiceButton(setting, choice.value);
                ASSERT_NE(button, nullptr);
                click(onWindow(centreOf(game->getSettingsMenu(), *button)));
                EXPECT_TRUE(choiceButton(setting, choice.value)->isChosen()) << setting.key;
                break;
            }
    EXPECT_EQ(game->getSettings(), expected);
    EXPECT_EQ(SettingsFile::Read((config / "ostravel" / "settings.ini").string()), expected);

    // Full screen comes with the next frame, the window made anew.
    ASSERT_TRUE(game->update());
    EXPECT_TRUE(game->isFullScreen());
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    EXPECT_EQ(game->getWindowSize(), sf::Vector2u(desktop.width, desktop.height));
    // The interface as large as the screen leaves room for.
    const float room = std::min(desktop.width / float(Game::MinimumWidth),
                                desktop.height / float(Game::MinimumHeight));
    EXPECT_FLOAT_EQ(game->getInterfaceScale(), std::min(2.f, room));
    EXPECT_EQ(game->getTopMenu(), &game->getSettingsMenu());
    expectCentred(game->getSettingsMenu());
    EXPECT_FLOAT_EQ(game->getScrollSpeed(), float(expected.scrollSpeed));
    EXPECT_EQ(static_cast<int>(game->getAutosaveInterval()), expected.autosaveDays);

    // At the window's edge the view follows the pointer.
    key(sf::Keyboard::Escape);
    key(sf::Keyboard::Escape);
    ASSERT_FALSE(game->isDialogOpen());
    game->getWindow()->requestFocus();
    sf::sleep(sf::milliseconds(200));
    ASSERT_TRUE(game->getWindow()->hasFocus());
    const sf::Vector2f before = game->getWorldView().getCenter();
    game->movePointerTo({0, static_cast<int>(game->getWindowSize().y / 2)});
    game->scrollAtEdges(sf::milliseconds(50));
    EXPECT_LT(game->getWorldView().getCenter().x, before.x);
    EXPECT_EQ(game->getWorldView().getCenter().y, before.y);

    // F11 goes back to the window, and is a setting too.
    key(sf::Keyboard::F11);
    ASSERT_TRUE(game->update());
    EXPECT_FALSE(game->isFullScreen());
    EXPECT_EQ(game->getSettings().fullScreen, 0);

    game.reset();
    game = std::make_unique<Game>();
    ASSERT_TRUE(game->loadAssets());
    ASSERT_TRUE(game->init());
    expected.fullScreen = 0;
    EXPECT_EQ(game->getSettings(), expected);
    EXPECT_GT(game->getInterfaceScale(), 1.f);
}

TEST_F(WindowSettingsTest, AtAnySizeTheHudKeepsToItsEdgesItsButtonsWorkAndDialogsAreCentred) {
    for (const int scale : {100, 150})
        for (const sf::Vector2u size :
             {sf::Vector2u(1920, 1080), sf::Vector2u(1024, 640), sf::Vector2u(1280, 720)}) {
            SCOPED_TRACE(std::to_string(size.x) + " x " + std::to_string(size.y) + " at " +
                         std::to_string(scale) + " %");
            game->changeSetting(&Settings::interfaceScale, scale);
            resize(size.x, size.y);
            // A bigger window shows more of the world at the same zoom.
            EXPECT_EQ(game->getWorldView().getSize(), 4.f * sf::Vector2f(size));

            GUI& gui = game->getGui();
            const sf::Vector2f screen = game->getGuiSize();
            const auto bottomRight = [](Menu& menu) { return menu.getPosition() + menu.getSize(); };
            EXPECT_FLOAT_EQ(gui.getBar().getPosition().x, -10.f);
            EXPECT_FLOAT_EQ(bottomRight(gui.getBar()).y, screen.y + 10.f);
            EXPECT_FLOAT_EQ(bottomRight(gui.getBalancePanel()).x, screen.x + 10.f);
            EXPECT_FLOAT_EQ(gui.getBalancePanel().getPosition().y, -10.f);
            EXPECT_EQ(bottomRight(gui.getMainMenuPanel()), screen + sf::Vector2f(10.f, 10.f));
            // The alert list hangs under the balance, against the right edge.
            const sf::FloatRect firstAlert = gui.getAlertList().rowBounds(0);
            EXPECT_FLOAT_EQ(firstAlert.left + firstAlert.width, screen.x);
            EXPECT_GT(firstAlert.top, bottomRight(gui.getBalancePanel()).y);

            clickOnInterface(hudButton(CategoryPanel, GuiTilesPanel));
            EXPECT_EQ(gui.getOpenPanel(), gui.getPanels()[0]);
            clickOnInterface(hudButton(CategoryPanel, GuiTilesPanel));
            EXPECT_EQ(gui.getOpenPanel(), nullptr);

            // A machine's tooltip at the right edge stays on screen.
            const sf::Vector2i edge(static_cast<int>(size.x) - 3, static_cast<int>(size.y) / 2);
            game->movePointerTo(edge);
            const sf::Vector2i tile = game->getMouseTile();
            if (level().getObjectAtMapPosition(tile.x, tile.y) == nullptr) {
                ASSERT_TRUE(level().placeObject(ObjectWorkbench, tile.x, tile.y, 0.f));
            }
            game->movePointerTo(edge);
            ASSERT_TRUE(game->getTooltip().isShown());
            EXPECT_LE(game->getTooltip().getPosition().x + game->getTooltip().getWidth(), screen.x);
            EXPECT_LE(game->getTooltip().getPosition().y + game->getTooltip().getHeight(),
                      screen.y);

            clickOnInterface(centreOf(gui.getMainMenuPanel(), *DialogLayout::FindFirst<MenuButton>(
                                                                  gui.getMainMenuPanel())));
            ASSERT_EQ(game->getTopMenu(), &game->getMainMenu());
            expectCentred(game->getMainMenu());
            clickOnInterface(centreOf(game->getMainMenu(),
                                      *buttonOfKind(game->getMainMenu(), ButtonCloseMainMenu)));
            EXPECT_FALSE(game->isDialogOpen());
        }
}
