// Building with the HUD's tools and moving the camera, as the player does it:
// window events through the game's own routing, on a real game under Xvfb.

#include "GameFixture.hpp"

#include <cmath>
#include <cstdlib>

namespace {

class HudBuildTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        chooseTool(GuiTilesPanel, CategoryTile, GuiBuildWall);
    }
    // Press over one tile, move over the tiles between, let go over the last.
    void dragWalls(sf::Vector2i from, sf::Vector2i to) {
        press(worldPixel(from.x, from.y));
        game->movePointerTo(worldPixel((from.x + to.x) / 2, (from.y + to.y) / 2));
        game->movePointerTo(worldPixel(to.x, to.y));
        release(worldPixel(to.x, to.y));
    }
    int wallsIn(int firstColumn, int lastColumn, int firstRow, int lastRow) {
        int walls = 0;
        for (int row = firstRow; row <= lastRow; ++row)
            for (int column = firstColumn; column <= lastColumn; ++column)
                walls += level().getTileType(column, row) == TileWall ? 1 : 0;
        return walls;
    }
    double balance() { return level().getBankAccount().getBalance(); }
};

sf::Vector2f worldUnder(Game& game, sf::Vector2i pixel) {
    return game.getWindow()->mapPixelToCoords(pixel, game.getWorldView());
}

} // namespace

TEST_F(HudBuildTest, AWallDragBackwardsBuildsTheWholeRectangle) {
    ASSERT_EQ(wallsIn(0, 4, 2, 6), 0);
    const double before = balance();
    dragWalls({3, 3}, {1, 5});
    EXPECT_EQ(wallsIn(1, 3, 3, 5), 9);
    EXPECT_EQ(wallsIn(0, 4, 2, 6), 9) << "nothing outside columns 1-3, rows 3-5";
    EXPECT_DOUBLE_EQ(balance(), before - 9 * 25.0);
    EXPECT_FALSE(game->getCursor().isDragging());
    EXPECT_EQ(game->getCursor().getPosition(), sf::Vector2f(1 * 128.f, 5 * 128.f));
    EXPECT_EQ(game->getCursor().getToolElement(), GuiBuildWall) << "the tool stays for more";
}

TEST_F(HudBuildTest, WallsTheMoneyDoesNotCoverAreNotBuiltAtAll) {
    level().getBankAccount().bookExpense(balance() - 4 * 25.0);
    dragWalls({3, 3}, {1, 5});
    EXPECT_EQ(wallsIn(0, 2, 4, 6), 0) << "no half-built rectangle";
    EXPECT_DOUBLE_EQ(balance(), 100.0);
    // The pointer is still where the drag was let go: the tooltip says why.
    game->movePointerTo(worldPixel(1, 5));
    const std::string tip = game->getTooltip().getText().getString();
    EXPECT_NE(tip.find("Es fehlen 125"), std::string::npos) << tip;
}

TEST_F(HudBuildTest, ARightClickDuringADragCancelsItButKeepsTheTool) {
    const double before = balance();
    press(worldPixel(3, 3));
    game->movePointerTo(worldPixel(1, 5));
    ASSERT_TRUE(game->getCursor().isDragging());
    click(worldPixel(1, 5), sf::Mouse::Right);
    EXPECT_FALSE(game->getCursor().isDragging());
    EXPECT_EQ(game->getCursor().getToolElement(), GuiBuildWall);

    release(worldPixel(1, 5));
    EXPECT_EQ(wallsIn(0, 4, 2, 6), 0) << "the left release after the cancel builds nothing";
    EXPECT_DOUBLE_EQ(balance(), before);

    click(worldPixel(2, 4));
    EXPECT_EQ(level().getTileType(2, 4), TileWall) << "the kept tool still builds";
}

TEST_F(HudBuildTest, ZoomingInKeepsTheWorldPointUnderThePointer) {
    const sf::Vector2i pointer{300, 200};
    for (int zoom = game->getZoomIndex(); zoom >= 0; --zoom) {
        const sf::Vector2f before = worldUnder(*game, pointer);
        wheel(pointer, 1.f);
        EXPECT_EQ(game->getZoomIndex(), std::max(zoom - 1, 0));
        const sf::Vector2f after = worldUnder(*game, pointer);
        // Whole-pixel moves and the snap of the centre keep it within one step.
        EXPECT_LE(std::abs(after.x - before.x), 4.f) << "zoom " << zoom;
        EXPECT_LE(std::abs(after.y - before.y), 4.f) << "zoom " << zoom;
    }
    EXPECT_EQ(game->getWorldView().getSize(), sf::Vector2f(640.f, 360.f))
        << "wheel up at the closest zoom keeps that zoom";
}

TEST_F(HudBuildTest, ZoomingOutKeepsTheCentreSnappedToWholeSteps) {
    for (int i = 0; i < 3; ++i)
        wheel({200 + 300 * i, 150 + 100 * i}, 1.f);
    for (int i = 0; i < 5; ++i) {
        const sf::Vector2f before = game->getWorldView().getCenter();
        wheel({1000 - 150 * i, 600 - 100 * i}, -1.f);
        const sf::Vector2f centre = game->getWorldView().getCenter();
        const int step = game->getZoomIndex() == 4 ? 8 : 4;
        EXPECT_EQ(static_cast<int>(centre.x) % step, 0) << centre.x;
        EXPECT_EQ(static_cast<int>(centre.y) % step, 0) << centre.y;
        // Only an edge of the map moves it further: the view stops there.
        const sf::Vector2f half = game->getWorldView().getSize() / 2.f;
        const bool atSide = centre.x - half.x == -64.f || centre.x + half.x == 80 * 128.f - 64.f;
        const bool atEnd = centre.y - half.y == -64.f || centre.y + half.y == 60 * 128.f - 64.f;
        if (!atSide) {
            EXPECT_LT(std::abs(centre.x - before.x), static_cast<float>(step));
        }
        if (!atEnd) {
            EXPECT_LT(std::abs(centre.y - before.y), static_cast<float>(step));
        }
    }
    EXPECT_EQ(game->getZoomIndex(), 4);
    EXPECT_EQ(game->getWorldView().getSize(), sf::Vector2f(10240.f, 5760.f));
}
