// What the player sees of the map and the HUD around it: zoom steps, the
// view held on the map, the storage counts, the balance over the dialogs.

#include "GameFixture.hpp"

#include "actors/Item.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <functional>

namespace {

constexpr float TileSide = 128.f;

class MapLookTest : public GameFixture {
protected:
    sf::FloatRect viewRect() const {
        const sf::View& view = game->getWorldView();
        return {view.getCenter() - view.getSize() / 2.f, view.getSize()};
    }
    sf::FloatRect mapRect() {
        return {-TileSide / 2.f, -TileSide / 2.f, level().getWidth() * TileSide,
                level().getHeight() * TileSide};
    }
    void expectViewOnMap(const std::string& where) {
        const sf::FloatRect view = viewRect();
        const sf::FloatRect map = mapRect();
        EXPECT_GE(view.left, map.left) << where;
        EXPECT_GE(view.top, map.top) << where;
        EXPECT_LE(view.left + view.width, map.left + map.width) << where;
        EXPECT_LE(view.top + view.height, map.top + map.height) << where;
    }
    // A storage cell holding that many units of steel.
    Zone& storage(int column, int row, int units) {
        EXPECT_TRUE(level().setTile(TileFloor, column, row));
        EXPECT_TRUE(level().setZone(ZoneStorage, column, row));
        Zone& zone = *level().getZoneAt(column, row);
        for (int i = 0; i < units; ++i) {
            unsigned amount = 1;
            EXPECT_TRUE(zone.setItemInDelivery(ItemSteel, amount));
            amount = 1;
            EXPECT_TRUE(zone.deliverItem(std::make_unique<Item>(nullptr, ItemSteel), amount));
        }
        return zone;
    }
    // The window as the player sees it after one drawn frame.
    sf::Image frame() {
        game->draw();
        sf::Texture shot;
        shot.create(Game::WindowWidth, Game::WindowHeight);
        shot.update(*game->getWindow());
        return shot.copyToImage();
    }
};

} // namespace

TEST_F(MapLookTest, EveryWheelNotchIsOneZoomStepAndPartsOfANotchAddUp) {
    wheel({640, 360}, -5.f);
    const int farthest = game->getZoomIndex();
    EXPECT_EQ(farthest, game->farthestZoomIndex());
    for (int index = farthest; index > 0; --index) {
        const float width = game->getWorldView().getSize().x;
        // A fine wheel reports a notch in quarters.
        for (int part = 0; part < 3; ++part) {
            wheel({640, 360}, 0.25f);
            EXPECT_EQ(game->getZoomIndex(), index) << "three quarters of a notch";
        }
        wheel({640, 360}, 0.25f);
        ASSERT_EQ(game->getZoomIndex(), index - 1);
        EXPECT_FLOAT_EQ(game->getWorldView().getSize().x, width / 2.f) << "an even step";
    }
    wheel({640, 360}, 1.f);
    EXPECT_EQ(game->getZoomIndex(), 0);
    wheel({640, 360}, -1.f);
    EXPECT_EQ(game->getZoomIndex(), 1);
}

TEST_F(MapLookTest, TheViewNeverShowsWhatLiesBeyondTheMap) {
    expectViewOnMap("at the start, down by the street");
    const sf::Vector2i corners[] = {{0, 0}, {1279, 0}, {0, 719}, {1279, 719}, {640, 360}};
    for (const sf::Vector2i corner : corners) {
        for (int notch = 0; notch < 5; ++notch) {
            wheel(corner, -1.f);
            expectViewOnMap("zooming out at a corner");
        }
        for (int notch = 0; notch < 5; ++notch) {
            wheel(corner, 1.f);
            expectViewOnMap("zooming in at a corner");
        }
        // Scrolled far past every edge.
        game->scrollView(1.f, 1.f, sf::seconds(60.f));
        expectViewOnMap("scrolled to the top left");
        game->scrollView(-1.f, -1.f, sf::seconds(60.f));
        expectViewOnMap("scrolled to the bottom right");
    }
    // The farthest zoom shows the map's whole width and no more.
    wheel({640, 360}, -5.f);
    EXPECT_EQ(viewRect().width, mapRect().width);
    game->showCell({0, level().getHeight() - 1});
    expectViewOnMap("showing the last cell");
}

TEST_F(MapLookTest, StorageCountsSitInsideTheirCellsAtEveryZoomAndEmptyCellsShowNone) {
    Zone& three = storage(20, 20, 3);
    Zone& emptied = storage(21, 20, 1);
    // One unit taken while another is on its way: the cell is empty for now.
    unsigned amount = 1;
    ASSERT_TRUE(emptied.setItemInDelivery(ItemSteel, amount));
    amount = 1;
    ASSERT_TRUE(emptied.setItemInRetrieval(ItemSteel, amount));
    amount = 1;
    ASSERT_NE(emptied.retrieveItem(ItemSteel, amount), nullptr);
    ASSERT_EQ(emptied.getStoredAmount(), 0u);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(Game::WindowWidth, Game::WindowHeight));
    for (int index = 0; index <= game->farthestZoomIndex(); ++index) {
        game->setZoom(index);
        game->showCell({20, 20});
        game->draw();
        const sf::View& view = game->getWorldView();
        const sf::FloatRect label = three.getTransform().transformRect(
            three.getLabel().getTransform().transformRect(three.getLabel().getLocalBounds()));
        const sf::Vector2i from =
            game->getWindow()->mapCoordsToPixel({label.left, label.top}, view);
        const sf::Vector2i to = game->getWindow()->mapCoordsToPixel(
            {label.left + label.width, label.top + label.height}, view);
        const sf::Vector2i cellFrom = game->getWindow()->mapCoordsToPixel(
            {20 * TileSide - TileSide / 2.f, 20 * TileSide - TileSide / 2.f}, view);
        const sf::Vector2i cellTo = game->getWindow()->mapCoordsToPixel(
            {20 * TileSide + TileSide / 2.f, 20 * TileSide + TileSide / 2.f}, view);
        EXPECT_EQ(three.getLabel().getString(), "3");
        EXPECT_GE(from.x, cellFrom.x) << "zoom " << index;
        EXPECT_GE(from.y, cellFrom.y) << "zoom " << index;
        EXPECT_LE(to.x, cellTo.x) << "zoom " << index;
        EXPECT_LE(to.y, cellTo.y) << "zoom " << index;
        EXPECT_GE(to.y - from.y, 10) << "readable at zoom " << index;

        target.setView(view);
        target.clear(sf::Color::Transparent);
        sf::RenderStates states;
        states.texture = level().getTexture();
        emptied.drawContents(target, states);
        target.display();
        const sf::Image picture = target.getTexture().copyToImage();
        int drawn = 0;
        for (unsigned y = 0; y < picture.getSize().y; y += 2)
            for (unsigned x = 0; x < picture.getSize().x; x += 2)
                drawn += picture.getPixel(x, y).a != 0 ? 1 : 0;
        EXPECT_EQ(drawn, 0) << "neither item nor count on an empty cell, zoom " << index;
    }
}

TEST_F(MapLookTest, TheBalanceStaysInViewOverEveryDialogAndTurnsRedBelowZero) {
    level().getBankAccount().bookExpense(30000.0);
    ASSERT_TRUE(game->update());
    const Menu& box = game->getGui().getBalancePanel();
    // Inside its rounded corners, and on the screen.
    const sf::Vector2f from = box.getPosition() + sf::Vector2f(8.f, 8.f);
    const sf::Vector2f to = box.getPosition() + box.getSize() - sf::Vector2f(8.f, 8.f);
    const sf::IntRect inside(static_cast<int>(std::max(from.x, 0.f)),
                             static_cast<int>(std::max(from.y, 0.f)),
                             static_cast<int>(std::min(to.x, 1280.f) - std::max(from.x, 0.f)),
                             static_cast<int>(to.y - std::max(from.y, 0.f)));
    auto region = [&](const sf::Image& image) {
        std::vector<sf::Color> pixels;
        for (int y = inside.top; y < inside.top + inside.height; ++y)
            for (int x = inside.left; x < inside.left + inside.width; ++x)
                pixels.push_back(image.getPixel(x, y));
        return pixels;
    };
    const std::vector<sf::Color> alone = region(frame());
    int red = 0;
    for (const sf::Color& pixel : alone)
        red += pixel.r > 150 && pixel.g < 90 && pixel.b < 90 ? 1 : 0;
    EXPECT_GT(red, 20) << "a balance below zero is red";

    const std::vector<std::pair<const char*, std::function<bool()>>> dialogs = {
        {"main", [&] { return game->openMainMenu(); }},
        {"save", [&] { return game->openSaveMenu(); }},
        {"load", [&] { return game->openLoadMenu(); }},
        {"order", [&] { return game->openOrderMenu(); }},
        {"sell", [&] { return game->openSellMenu(); }},
        {"prices", [&] { return game->openPriceMenu(); }},
        {"labour market", [&] { return game->openLabourMarketMenu(); }},
        {"dismissal", [&] { return game->openDismissMenu(); }},
        {"staff", [&] { return game->openStaffMenu(); }},
        {"statistics", [&] { return game->openStatisticsMenu(); }},
        {"research", [&] { return game->openResearchMenu(); }},
        {"settings", [&] { return game->openSettingsMenu(); }},
    };
    for (const auto& [name, open] : dialogs) {
        ASSERT_TRUE(open()) << name;
        EXPECT_TRUE(region(frame()) == alone) << "something covers the balance: " << name;
        while (game->closeTopMenu()) {
        }
    }
}
