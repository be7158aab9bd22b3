// Every dialog opens on top, pauses the game, and closes with Escape, the
// right mouse button and its own close button, resuming as the player left it.

#include "DialogTestSupport.hpp"

#include "actors/GameObject.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListboxImageEntry.hpp"

#include <functional>
#include <vector>

namespace {

struct DialogCase {
    const char* name;
    std::function<bool(Game&)> open;
    std::function<Menu&(Game&)> menu;
    int closeKind;
    const char* title;
};

std::vector<DialogCase> HudDialogs() {
    return {
        {"order", &Game::openOrderMenu, &Game::getOrderMenu, ButtonCancelBuy,
         "Neue Bestellung aufgeben"},
        {"sell", &Game::openSellMenu, &Game::getSellMenu, ButtonCancelSell,
         "Produzierte Items verkaufen"},
        {"price", &Game::openPriceMenu, &Game::getPriceMenu, ButtonClosePrices, "Item-Kaufpreise"},
        {"labour", &Game::openLabourMarketMenu, &Game::getLabourMarketMenu, ButtonCloseLabourMarket,
         "Arbeitsmarkt"},
        {"dismiss", &Game::openDismissMenu, &Game::getDismissMenu, ButtonCloseEmployee,
         "Angestellte entlassen"},
        {"staff", &Game::openStaffMenu, &Game::getStaffMenu, ButtonCloseStaff,
         "Angestellte verwalten"},
        {"main", &Game::openMainMenu, &Game::getMainMenu, ButtonCloseMainMenu, "Main Menu"},
        {"statistics", &Game::openStatisticsMenu, &Game::getStatisticsMenu, ButtonCloseStatistics,
         "Statistik"},
    };
}

std::string TitleOf(const Menu& menu) {
    const auto* title = DialogLayout::FindFirst<MenuLabel>(menu);
    return title == nullptr ? "" : title->getText();
}

} // namespace

TEST_F(DialogTest, EveryDialogPausesAndClosesWithEscapeRightClickAndItsButton) {
    game->getGameTime().setSpeedLevel(2);
    for (const DialogCase& dialog : HudDialogs()) {
        SCOPED_TRACE(dialog.name);
        Menu& menu = dialog.menu(*game);
        EXPECT_EQ(TitleOf(menu), dialog.title);

        const std::vector<std::function<void()>> closers = {
            [&] { key(sf::Keyboard::Escape); },
            [&] { rightClick(); },
            [&] { clickButton(menu, dialog.closeKind); },
        };
        for (const auto& close : closers) {
            ASSERT_TRUE(dialog.open(*game));
            EXPECT_TRUE(menu.isOpen());
            EXPECT_EQ(game->getTopMenu(), &menu);
            EXPECT_TRUE(game->isPausedByMenu());
            EXPECT_EQ(speed(), 0u);
            EXPECT_FALSE(game->getTooltip().isShown());
            // The whole dialog lies in the window.
            EXPECT_GE(menu.getPosition().x, 0.f);
            EXPECT_GE(menu.getPosition().y, 0.f);
            EXPECT_LE(menu.getPosition().x + menu.getSize().x, Game::WindowWidth);
            EXPECT_LE(menu.getPosition().y + menu.getSize().y, Game::WindowHeight);

            close();
            EXPECT_FALSE(menu.isOpen());
            EXPECT_FALSE(game->isDialogOpen());
            EXPECT_FALSE(game->isPausedByMenu());
            EXPECT_EQ(speed(), 2u);
            EXPECT_TRUE(game->getTooltip().isShown());
        }
    }
}

TEST_F(DialogTest, ADialogIsNeverOpenTwice) {
    ASSERT_TRUE(game->openOrderMenu());
    EXPECT_FALSE(game->openOrderMenu());
    EXPECT_EQ(game->getOpenMenus().size(), 1u);
}

TEST_F(DialogTest, SaveAndLoadDialogsReturnToTheMainMenuStillPaused) {
    game->getGameTime().setSpeedLevel(1);
    struct Case {
        int openKind;
        Menu& menu;
        int cancelKind;
    };
    const std::vector<Case> cases = {
        {ButtonOpenSaveMenu, game->getSaveMenu(), ButtonCancelSave},
        {ButtonOpenLoadMenu, game->getLoadMenu(), ButtonCancelLoad},
    };
    for (const Case& dialog : cases) {
        key(sf::Keyboard::Escape);
        ASSERT_EQ(game->getTopMenu(), &game->getMainMenu());
        const std::vector<std::function<void()>> closers = {
            [&] { key(sf::Keyboard::Escape); },
            [&] { rightClick(); },
            [&] { clickButton(dialog.menu, dialog.cancelKind); },
        };
        for (const auto& close : closers) {
            clickButton(game->getMainMenu(), dialog.openKind);
            ASSERT_EQ(game->getTopMenu(), &dialog.menu);
            close();
            EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
            EXPECT_TRUE(game->isPausedByMenu());
            EXPECT_EQ(speed(), 0u);
        }
        key(sf::Keyboard::Escape);
        EXPECT_FALSE(game->isDialogOpen());
        EXPECT_EQ(speed(), 1u);
    }
}

TEST_F(DialogTest, AClickOnAWorkbenchOpensItsProductionAndAppliesTheChosenRecipe) {
    ASSERT_TRUE(level().setTile(TileFloor, 10, 10));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, 10, 10, 0.f));
    const sf::Vector2i machine =
        game->getWindow()->mapCoordsToPixel({10 * 128.f, 10 * 128.f}, game->getWorldView());
    click(machine);
    Menu& menu = game->getProductionMenu();
    ASSERT_TRUE(menu.isOpen());
    EXPECT_EQ(TitleOf(menu), "Produktion wählen");
    GameObject* bench = game->getSelectedObject();
    ASSERT_NE(bench, nullptr);
    const auto entries = DialogLayout::FindAll<MenuListboxImageEntry>(menu);
    ASSERT_EQ(entries.size(), bench->getAvailableRecipes().size());

    // Nothing chosen: the button does nothing.
    clickButton(menu, ButtonApplyRecipe);
    EXPECT_TRUE(menu.isOpen());

    click(centreOf(menu, *entries.at(1)));
    ASSERT_TRUE(entries.at(1)->isSelected());
    const ItemType chosen = entries.at(1)->getItem();
    clickButton(menu, ButtonApplyRecipe);
    EXPECT_FALSE(menu.isOpen());
    EXPECT_FALSE(game->isPausedByMenu());
    EXPECT_EQ(bench->getCurrentRecipe().resultingItems.count(chosen), 1u);

    for (const auto& close : std::vector<std::function<void()>>{
             [&] { key(sf::Keyboard::Escape); }, [&] { rightClick(); },
             [&] { clickButton(game->getProductionMenu(), ButtonCancelRecipe); }}) {
        click(machine);
        ASSERT_TRUE(game->getProductionMenu().isOpen());
        close();
        EXPECT_FALSE(game->isDialogOpen());
        EXPECT_FALSE(game->isPausedByMenu());
    }
    EXPECT_FALSE(game->openProductionMenu(nullptr));
}
