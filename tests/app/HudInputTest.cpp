// The player's input on a real game under Xvfb: events go to the top dialog,
// else the HUD, else the cursor's tool, else the world.

#include "GameFixture.hpp"

#include "actors/GameObject.hpp"
#include "ui/MenuButton.hpp"

namespace {

class HudInputTest : public GameFixture {
protected:
    void rightClick() { click(worldPixel(10, 10), sf::Mouse::Right); }
};

} // namespace

TEST_F(HudInputTest, BarButtonsOpenCloseAndSwitchTheirPanels) {
    GUI& gui = game->getGui();
    click(hudButton(CategoryPanel, GuiTilesPanel));
    ASSERT_NE(gui.getOpenPanel(), nullptr);
    EXPECT_EQ(gui.getOpenPanel(), gui.getPanels()[0]);
    EXPECT_TRUE(highlightShown(GUI::PanelHighlight));

    click(hudButton(CategoryPanel, GuiZonesPanel));
    EXPECT_EQ(gui.getOpenPanel(), gui.getPanels()[1]);
    EXPECT_EQ(gui.getShownMenus().size(), 4u);

    click(hudButton(CategoryPanel, GuiZonesPanel));
    EXPECT_EQ(gui.getOpenPanel(), nullptr);
    EXPECT_FALSE(highlightShown(GUI::PanelHighlight));
    EXPECT_EQ(gui.getShownMenus().size(), 3u);
}

TEST_F(HudInputTest, PanelsStayInsideTheWindowAboveTheBar) {
    GUI& gui = game->getGui();
    for (Menu* panel : gui.getPanels()) {
        const sf::Vector2f at = panel->getPosition();
        const sf::Vector2f size = panel->getSize();
        EXPECT_GE(at.x, 0.f);
        EXPECT_LE(at.x + size.x, Game::WindowWidth);
        EXPECT_LE(at.y + size.y, gui.getBar().getPosition().y);
    }
}

TEST_F(HudInputTest, RightClicksFirstDropTheToolThenCloseThePanel) {
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    EXPECT_EQ(game->getCursor().getToolCategory(), CategoryTile);
    EXPECT_TRUE(highlightShown(GUI::ToolHighlight));

    rightClick();
    EXPECT_EQ(game->getCursor().getTool(), nullptr);
    EXPECT_FALSE(highlightShown(GUI::ToolHighlight));
    EXPECT_NE(game->getGui().getOpenPanel(), nullptr);

    rightClick();
    EXPECT_EQ(game->getGui().getOpenPanel(), nullptr);
}

TEST_F(HudInputTest, ClosingOrSwitchingThePanelDropsItsTool) {
    // A door chosen, then the zones: no door follows the pointer over them.
    chooseTool(GuiFurniturePanel, CategoryObject, GuiBuildDoor);
    click(hudButton(CategoryPanel, GuiZonesPanel));
    EXPECT_FALSE(highlightShown(GUI::ToolHighlight));
    EXPECT_EQ(game->getCursor().getTool(), nullptr);
    game->movePointerTo(worldPixel(10, 10));
    EXPECT_EQ(game->getCursor().getPreview().getVertexCount(), 4u) << "only the frame";

    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildWall);
    key(sf::Keyboard::Escape);
    EXPECT_EQ(game->getCursor().getTool(), nullptr);
    EXPECT_FALSE(game->isDialogOpen());
}

TEST_F(HudInputTest, PressingOneButtonAndReleasingOnAnotherDoesNothing) {
    press(hudButton(CategoryPanel, GuiTilesPanel));
    release(hudButton(CategoryPanel, GuiZonesPanel));
    EXPECT_EQ(game->getGui().getOpenPanel(), nullptr);
}

TEST_F(HudInputTest, ADragOverTheWorldLaysFloorAndIsPaidFor) {
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    const double before = level().getBankAccount().getBalance();
    press(worldPixel(10, 10));
    EXPECT_TRUE(game->wasLeftPressConsumed());
    EXPECT_TRUE(game->getCursor().isDragging());
    game->movePointerTo(worldPixel(12, 11));
    release(worldPixel(12, 11));
    for (int row = 10; row <= 11; ++row)
        for (int column = 10; column <= 12; ++column)
            EXPECT_EQ(level().getTileType(column, row), TileFloor) << column << "," << row;
    EXPECT_DOUBLE_EQ(level().getBankAccount().getBalance(), before - 6 * 20.0);
}

TEST_F(HudInputTest, ADragLetGoOverTheHudEndsWithoutBuilding) {
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    const double before = level().getBankAccount().getBalance();
    press(worldPixel(10, 3));
    ASSERT_TRUE(game->getCursor().isDragging());
    release(hudButton(CategoryPanel, GuiStaffPanel));
    EXPECT_FALSE(game->getCursor().isDragging());
    EXPECT_EQ(game->getCursor().getToolElement(), GuiBuildFloor);
    EXPECT_EQ(game->getGui().getOpenPanel(), game->getGui().getPanels()[0])
        << "the release belonged to the drag, not to the bar";
    EXPECT_DOUBLE_EQ(level().getBankAccount().getBalance(), before);
}

TEST_F(HudInputTest, RRotatesOnlyAnObjectTool) {
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    key(sf::Keyboard::R);
    EXPECT_FLOAT_EQ(game->getCursor().getRotation(), 0.f);
    chooseTool(GuiFurniturePanel, CategoryObject, GuiBuildDesk);
    key(sf::Keyboard::R);
    EXPECT_FLOAT_EQ(game->getCursor().getRotation(), 90.f);
}

TEST_F(HudInputTest, EscapeClosesAnOpenPanelBeforeItOpensTheMainMenu) {
    click(hudButton(CategoryPanel, GuiStaffPanel));
    key(sf::Keyboard::Escape);
    EXPECT_EQ(game->getGui().getOpenPanel(), nullptr);
    EXPECT_FALSE(game->isDialogOpen());
    key(sf::Keyboard::Escape);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
}

TEST_F(HudInputTest, TheMainMenuPausesAndKeepsTheWorldFromInput) {
    GameTime& clock = game->getGameTime();
    clock.setSpeedLevel(2);
    key(sf::Keyboard::Escape);
    ASSERT_TRUE(game->isDialogOpen());
    EXPECT_TRUE(game->isPausedByMenu());
    EXPECT_EQ(clock.getSpeedLevel(), 0u);
    EXPECT_FALSE(game->openMainMenu()) << "a dialog is never open twice";
    EXPECT_EQ(game->getOpenMenus().size(), 1u);

    key(sf::Keyboard::Equal);
    EXPECT_EQ(clock.getSpeedLevel(), 0u) << "speed keys wait for the dialog";
    const int zoom = game->getZoomIndex();
    wheel({640, 360}, 1.f);
    EXPECT_EQ(game->getZoomIndex(), zoom);
    click(hudButton(CategoryPanel, GuiTilesPanel));
    EXPECT_EQ(game->getGui().getOpenPanel(), nullptr) << "the HUD hears nothing under a dialog";

    key(sf::Keyboard::Escape);
    EXPECT_FALSE(game->isDialogOpen());
    EXPECT_FALSE(game->isPausedByMenu());
    EXPECT_EQ(clock.getSpeedLevel(), 2u);
}

TEST_F(HudInputTest, TheMainMenuButtonsCloseTheMenuAndQuit) {
    // The HUD's main-menu button sits in the bottom-right corner.
    Menu& corner = game->getGui().getMainMenuPanel();
    const sf::Vector2f at = corner.getPosition() + corner.getSize() / 2.f;
    click({static_cast<int>(at.x) - 5, static_cast<int>(at.y) - 5});
    ASSERT_EQ(game->getTopMenu(), &game->getMainMenu());

    Menu& menu = game->getMainMenu();
    MenuButton* closeButton = nullptr;
    MenuButton* quitButton = nullptr;
    for (MenuElement* element : menu.getAllElements())
        if (auto* button = dynamic_cast<MenuButton*>(element)) {
            if (button->getCaption() == "Menü schließen")
                closeButton = button;
            if (button->getCaption() == "Spiel verlassen")
                quitButton = button;
        }
    ASSERT_NE(closeButton, nullptr);
    ASSERT_NE(quitButton, nullptr);
    auto centre = [&](MenuButton* button) {
        const sf::Vector2f p = menu.getAbsolutePosition(button) + button->getSize() / 2.f;
        return sf::Vector2i(static_cast<int>(p.x), static_cast<int>(p.y));
    };
    click(centre(closeButton));
    EXPECT_FALSE(game->isDialogOpen());

    key(sf::Keyboard::Escape);
    click(centre(quitButton));
    EXPECT_FALSE(game->getWindow()->isOpen());
    EXPECT_FALSE(game->update());
}

TEST_F(HudInputTest, AClickOnAWorkbenchWithoutAToolAsksForItsProduction) {
    GameObject* opened = nullptr;
    MenuBindings::Bind(ActionOpenProductionMenu, [&](Game* g) { opened = g->getSelectedObject(); });
    for (int column = 10; column <= 12; ++column)
        ASSERT_TRUE(level().setTile(TileFloor, column, 10));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, 10, 10, 0.f));
    ASSERT_TRUE(level().placeObject(ObjectDesk, 12, 10, 0.f));

    click(worldPixel(12, 10));
    EXPECT_EQ(opened, nullptr) << "a desk produces nothing";
    click(worldPixel(10, 10));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->getObjType(), ObjectWorkbench);

    // Pressed on the HUD, released over the machine: no click on the world.
    opened = nullptr;
    press(hudButton(CategoryPanel, GuiTilesPanel));
    release(worldPixel(10, 10));
    EXPECT_EQ(opened, nullptr);
}

TEST_F(HudInputTest, TheSelectedMachineIsForgottenWhenItIsDemolished) {
    MenuBindings::Bind(ActionOpenProductionMenu, [](Game*) {});
    ASSERT_TRUE(level().setTile(TileFloor, 10, 10));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, 10, 10, 0.f));
    click(worldPixel(10, 10));
    ASSERT_NE(game->getSelectedObject(), nullptr);
    ASSERT_TRUE(level().removeObject(10, 10));
    EXPECT_EQ(game->getSelectedObject(), nullptr);
}

TEST_F(HudInputTest, TheBalanceFollowsTheAccountAfterAFrame) {
    EXPECT_EQ(game->getGui().getBalanceText(), "0,00");
    ASSERT_TRUE(game->update());
    EXPECT_EQ(game->getGui().getBalanceText(), level().getBankAccount().getBalanceText());
}

TEST_F(HudInputTest, HudButtonsExplainTheirToolWithItsPrice) {
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    game->movePointerTo(hudButton(CategoryTile, GuiBuildWall));
    const Tooltip& tooltip = game->getTooltip();
    ASSERT_TRUE(tooltip.isShown());
    const std::string text = tooltip.getText().getString().toAnsiString();
    EXPECT_NE(text.find("Kosten"), std::string::npos) << text;
    EXPECT_LE(tooltip.getPosition().x + tooltip.getWidth(), Game::WindowWidth);
    EXPECT_LE(tooltip.getPosition().y + tooltip.getHeight(), Game::WindowHeight);
}
