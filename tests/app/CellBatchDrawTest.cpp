// The level gathers the ground and zone quads of the visible cells into two
// vertex arrays. Its picture must stay exactly the one of drawing every cell
// on its own, also right after cells change.

#include "GameFixture.hpp"

#include "actors/Item.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

namespace {

class CellBatchDrawTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(target.create(Game::WindowWidth, Game::WindowHeight));
        // A storage room holding steel beside a workshop, both walled in.
        for (int row = 2; row <= 6; ++row)
            for (int column = 2; column <= 12; ++column) {
                const bool edge = row == 2 || row == 6 || column == 2 || column == 12;
                ASSERT_TRUE(level().setTile(edge ? TileWall : TileFloor, column, row));
            }
        for (int row = 3; row <= 5; ++row)
            for (int column = 3; column <= 11; ++column)
                ASSERT_TRUE(level().setZone(column < 7 ? ZoneStorage : ZoneWorkshop, column, row));
        for (int i = 0; i < 7; ++i)
            ASSERT_TRUE(level().storeItem(std::make_unique<Item>(level().getTexture(), ItemSteel)));
        level().update(0.f);
    }

    // The world as the game draws it: magnified zooms are drawn 1:1 off
    // screen and scaled afterwards, so no sprite is ever sampled magnified.
    sf::View drawnView() {
        const sf::View& world = game->getWorldView();
        if (world.getSize().x >= Game::WindowWidth)
            return world;
        const sf::Vector2f corner = world.getCenter() - world.getSize() / 2.f;
        return sf::View(sf::FloatRect(corner.x, corner.y, Game::WindowWidth, Game::WindowHeight));
    }
    sf::Image batched() {
        target.clear(sf::Color::Black);
        target.setView(drawnView());
        target.draw(level());
        target.display();
        return target.getTexture().copyToImage();
    }
    // What the level drew before it gathered its cells: one call per cell.
    sf::Image cellByCell() {
        target.clear(sf::Color::Black);
        target.setView(drawnView());
        sf::RenderStates states;
        states.transform = level().getTransform();
        states.texture = level().getTexture();
        const Level::CellRange range = level().getVisibleCellRange(&game->getWorldView());
        for (int row = range.firstRow; row < range.endRow; ++row)
            for (int column = range.firstColumn; column < range.endColumn; ++column) {
                target.draw(*level().getTileAt(column, row), states);
                target.draw(*level().getZoneAt(column, row), states);
            }
        for (const auto& metaZone : level().getMetaZones())
            target.draw(*metaZone, states);
        level().forEachInDrawOrder(
            [&](const sf::Drawable& drawable) { target.draw(drawable, states); });
        for (const sf::RectangleShape& border : level().getBorderShapes())
            target.draw(border, states);
        target.display();
        return target.getTexture().copyToImage();
    }
    static bool samePixels(const sf::Image& a, const sf::Image& b) {
        const sf::Vector2u size = a.getSize();
        return size == b.getSize() &&
               std::equal(a.getPixelsPtr(), a.getPixelsPtr() + size.x * size.y * 4,
                          b.getPixelsPtr());
    }

    sf::RenderTexture target;
};

} // namespace

TEST_F(CellBatchDrawTest, TheBatchedPictureIsTheCellByCellPictureAtEveryZoom) {
    for (int zoom : {3, 1, 0, 4, 2}) {
        game->setZoom(zoom);
        game->getWorldView().setCenter(7 * 128.f, 4 * 128.f);
        EXPECT_TRUE(samePixels(batched(), cellByCell())) << "zoom index " << zoom;
    }
}

TEST_F(CellBatchDrawTest, ChangedCellsShowAtTheNextDraw) {
    game->setZoom(1);
    game->getWorldView().setCenter(7 * 128.f, 4 * 128.f);
    batched();
    ASSERT_TRUE(level().setTile(TileWall, 8, 4));
    ASSERT_TRUE(level().setZone(ZoneOffice, 10, 4));
    EXPECT_TRUE(samePixels(batched(), cellByCell())) << "a wall and an office";

    // The zone-demolition drag hides the zones under its rectangle.
    chooseTool(GuiZonesPanel, CategoryDemolish, GuiDemolishZone);
    press(worldPixel(9, 3));
    game->movePointerTo(worldPixel(11, 5));
    ASSERT_FALSE(level().getZoneAt(10, 5)->isVisible());
    EXPECT_TRUE(samePixels(batched(), cellByCell())) << "zones hidden by the drag";
    click(worldPixel(11, 5), sf::Mouse::Right);
    ASSERT_TRUE(level().getZoneAt(10, 5)->isVisible());
    EXPECT_TRUE(samePixels(batched(), cellByCell())) << "zones back after the cancel";
}

TEST_F(CellBatchDrawTest, ScrollingGathersTheNewlyVisibleCells) {
    game->setZoom(0);
    game->getWorldView().setCenter(2 * 128.f, 2 * 128.f);
    batched();
    game->getWorldView().setCenter(10 * 128.f, 5 * 128.f);
    EXPECT_TRUE(samePixels(batched(), cellByCell()));
}
