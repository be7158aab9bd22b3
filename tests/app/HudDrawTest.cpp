// What the HUD and the cursor put on screen, drawn off screen under Xvfb.

#include "GameFixture.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

namespace {

class HudDrawTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(target.create(Game::WindowWidth, Game::WindowHeight));
    }

    template <class Drawable> sf::Image drawOnGrey(const Drawable& drawable) {
        target.clear(Grey);
        target.draw(drawable);
        target.display();
        return target.getTexture().copyToImage();
    }
    sf::Vector2f buttonCorner(const Menu& menu, const MenuImageButton& button) {
        return menu.getAbsolutePosition(&button);
    }
    static sf::Color at(const sf::Image& image, sf::Vector2f point) {
        return image.getPixel(static_cast<unsigned>(point.x), static_cast<unsigned>(point.y));
    }

    static constexpr sf::Uint8 GreyLevel = 77;
    const sf::Color Grey{GreyLevel, GreyLevel, GreyLevel};
    sf::RenderTexture target;
};

} // namespace

TEST_F(HudDrawTest, TheBarBalanceAndMainMenuButtonSitInTheirCorners) {
    GUI& gui = game->getGui();
    const sf::Image shot = drawOnGrey(gui);
    EXPECT_NE(at(shot, {2.f, 717.f}), Grey) << "bar bottom left";
    EXPECT_NE(at(shot, {1277.f, 2.f}), Grey) << "balance top right";
    EXPECT_NE(at(shot, {1277.f, 717.f}), Grey) << "main-menu button bottom right";
    EXPECT_EQ(at(shot, {640.f, 360.f}), Grey) << "the middle stays free";
    EXPECT_EQ(at(shot, {100.f, 550.f}), Grey) << "no panel is open yet";

    // The bar's icons are drawn out of the atlas, not as blank squares.
    MenuImageButton* tiles = gui.findButton(CategoryPanel, GuiTilesPanel);
    ASSERT_NE(tiles, nullptr);
    const sf::Vector2f corner = buttonCorner(gui.getBar(), *tiles);
    int coloured = 0;
    for (int y = 0; y < 64; y += 4)
        for (int x = 0; x < 64; x += 4) {
            const sf::Color c = at(shot, corner + sf::Vector2f(x, y));
            if (c != sf::Color::White && c != Grey)
                ++coloured;
        }
    EXPECT_GT(coloured, 20);
}

TEST_F(HudDrawTest, TheOpenPanelsBarButtonIsFramedInBlack) {
    GUI& gui = game->getGui();
    MenuImageButton* tiles = gui.findButton(CategoryPanel, GuiTilesPanel);
    ASSERT_NE(tiles, nullptr);
    gui.togglePanel(gui.getPanels()[0], tiles);
    const sf::Image shot = drawOnGrey(gui);
    const sf::Vector2f corner = buttonCorner(gui.getBar(), *tiles);
    // The outline lies just outside the button.
    EXPECT_EQ(at(shot, corner + sf::Vector2f(32.f, -2.f)), sf::Color::Black);
    EXPECT_EQ(at(shot, corner + sf::Vector2f(-2.f, 32.f)), sf::Color::Black);
    // And the panel shows above the bar.
    const Menu& panel = *gui.getPanels()[0];
    const sf::Vector2f middle = panel.getPosition() + panel.getSize() / 2.f;
    EXPECT_NE(at(shot, middle), Grey);
}

TEST_F(HudDrawTest, TheCursorShowsItsToolOverTheTile) {
    GUI& gui = game->getGui();
    Cursor& cursor = game->getCursor();
    MenuImageButton* wall = gui.findButton(CategoryTile, GuiBuildWall);
    ASSERT_NE(wall, nullptr);
    cursor.selectTool(wall);
    // Centred on the window's middle at 1:1: the tile spans 576..704 x 296..424.
    cursor.setPosition(640.f, 360.f);
    const sf::Image shot = drawOnGrey(cursor);
    EXPECT_NE(at(shot, {640.f, 360.f}), Grey) << "the wall icon fills the tile";
    EXPECT_EQ(at(shot, {570.f, 360.f}), Grey) << "nothing left of the tile";
    EXPECT_EQ(at(shot, {710.f, 360.f}), Grey) << "nothing right of the tile";
}
