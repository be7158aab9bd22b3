// The alert list on a real game under Xvfb: its rows sit between the balance
// and the main-menu button, say in German what is wrong, and a click moves
// the view to the places in turn without acting on the world below.

#include "GameFixture.hpp"

#include "actors/GameObject.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

class AlertListTest : public GameFixture {
protected:
    AlertList& list() { return game->getGui().getAlertList(); }
    void refresh() { list().getBoard().refresh(level()); }
    int rowOf(AlertKind kind) {
        const auto& alerts = list().getBoard().getAlerts();
        for (std::size_t row = 0; row < alerts.size(); ++row)
            if (alerts[row].kind == kind)
                return static_cast<int>(row);
        return -1;
    }
    sf::Vector2i rowCentre(int row) {
        const sf::FloatRect bounds = list().rowBounds(static_cast<std::size_t>(row));
        return {static_cast<int>(bounds.left + bounds.width / 2.f),
                static_cast<int>(bounds.top + bounds.height / 2.f)};
    }
    // Floor and a zone with no walls: an open room on a lawn.
    void openRoom(ZoneType zone, int column, int row) {
        for (int c = column; c < column + 3; ++c)
            for (int r = row; r < row + 2; ++r) {
                ASSERT_TRUE(level().setTile(TileFloor, c, r));
                ASSERT_TRUE(level().setZone(zone, c, r));
            }
    }
    static bool overlap(const sf::FloatRect& a, const sf::FloatRect& b) { return a.intersects(b); }
    static bool inside(const sf::FloatRect& inner, const sf::FloatRect& outer) {
        return inner.left >= outer.left && inner.top >= outer.top &&
               inner.left + inner.width <= outer.left + outer.width &&
               inner.top + inner.height <= outer.top + outer.height;
    }
};

} // namespace

TEST_F(AlertListTest, SeveralAlertsAreDrawnInGermanInsideTheirRowsWithoutOverlap) {
    openRoom(ZoneKitchen, 10, 10);
    openRoom(ZoneWorkshop, 20, 10);
    // A fridge is used from its left; a counter there blocks it.
    ASSERT_TRUE(level().placeObject(ObjectKitchenCounter, 10, 10, 0.f));
    ASSERT_TRUE(level().placeObject(ObjectFridge, 11, 10, 0.f));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, 21, 10, 0.f));
    level().getBankAccount() = BankAccount(-5.0);
    level().update(0.3f);
    refresh();
    ASSERT_GE(list().getBoard().getAlerts().size(), 4u);

    for (int frame = 0; frame < 2; ++frame) {
        game->draw();
        // Pushes and drains two messages, as the frame would.
        level().getEvents().push({LevelEvent::UnitsDelivered, ItemSteel, 5, 0.0, {1, 1}});
        level().getEvents().push({LevelEvent::SalePaid, ItemGlass, 3, 174.0, {-1, -1}});
        list().update(level(), 0.f, 0.f);
    }
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(Game::WindowWidth, Game::WindowHeight));
    target.draw(game->getGui());

    const auto& rows = list().getDrawnRows();
    ASSERT_EQ(rows.size(), list().getBoard().getAlerts().size());
    const sf::FloatRect window(0.f, 0.f, Game::WindowWidth, Game::WindowHeight);
    const Menu& balance = game->getGui().getBalancePanel();
    const Menu& mainMenu = game->getGui().getMainMenuPanel();
    bool umlaut = false;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const sf::FloatRect bounds = list().rowBounds(row);
        EXPECT_TRUE(inside(bounds, window));
        EXPECT_GE(bounds.top, balance.getPosition().y + balance.getSize().y);
        for (const sf::FloatRect& part : {rows[row].icon, rows[row].label, rows[row].count})
            EXPECT_TRUE(inside(part, bounds)) << "row " << row;
        EXPECT_FALSE(overlap(rows[row].icon, rows[row].label));
        EXPECT_FALSE(overlap(rows[row].label, rows[row].count));
        EXPECT_GT(rows[row].label.width, 40.f);
        if (row > 0) {
            EXPECT_FALSE(overlap(bounds, list().rowBounds(row - 1)));
        }
        for (const sf::Uint32 letter : rows[row].text)
            umlaut = umlaut || letter == 0xFC || letter == 0xE4 || letter == 0xF6;
    }
    EXPECT_TRUE(umlaut) << "Kühlschrank, Küchenzeile";

    // The messages stand above the main-menu button, clear of the list.
    const auto& messages = list().getDrawnMessages();
    ASSERT_EQ(messages.size(), 2u);
    for (const sf::FloatRect& box : messages) {
        EXPECT_TRUE(inside(box, window));
        EXPECT_LE(box.top + box.height, mainMenu.getPosition().y);
        EXPECT_GT(box.top, list().rowBounds(rows.size() - 1).top + AlertList::RowHeight);
    }
    EXPECT_FALSE(overlap(messages[0], messages[1]));
    EXPECT_EQ(list().getMessages().getMessages().front().text(), "10 × Stahl geliefert");
}

TEST_F(AlertListTest, ClickingARowShowsItsPlacesInTurnAndNeverTheWorldBelow) {
    openRoom(ZoneKitchen, 10, 10);
    openRoom(ZoneOffice, 30, 20);
    level().update(0.3f);
    refresh();
    const int row = rowOf(AlertKind::RoomOpen);
    ASSERT_GE(row, 0);
    const std::vector<sf::Vector2i> places = list().getBoard().getAlerts()[row].places;
    ASSERT_EQ(places.size(), 2u);

    // With the floor tool in hand a click on the list lays no floor.
    chooseTool(GuiTilesPanel, CategoryTile, GuiBuildFloor);
    const double balance = level().getBankAccount().getBalance();
    sf::Vector2f previous = game->getWorldView().getCenter();
    for (int turn = 0; turn < 3; ++turn) {
        click(rowCentre(row));
        const sf::Vector2i expected = places[static_cast<std::size_t>(turn) % places.size()];
        // Centred on it, as far as the view stays on the map.
        const sf::View& view = game->getWorldView();
        const sf::FloatRect shown(view.getCenter() - view.getSize() / 2.f, view.getSize());
        EXPECT_TRUE(shown.contains(expected.x * 128.f, expected.y * 128.f)) << "turn " << turn;
        EXPECT_NE(view.getCenter(), previous) << "turn " << turn;
        previous = view.getCenter();
    }
    EXPECT_EQ(level().getBankAccount().getBalance(), balance);
    EXPECT_FALSE(game->getCursor().isDragging());
    EXPECT_NE(game->getTooltip().getText().getString().find("Stelle 1 von 2"),
              sf::String::InvalidPos);
}
