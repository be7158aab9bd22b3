// The statistics dialog, opened from its HUD button in a factory that has
// bought, built and made things: both pages lie within the window, every
// text within its table or chart and clear of every other, in German.

#include "DialogTestSupport.hpp"

#include "../world/FactoryBuilding.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuMoneyChart.hpp"
#include "ui/MenuTable.hpp"

#include <string>
#include <vector>

namespace {

sf::FloatRect Moved(sf::FloatRect rect, sf::Vector2f by) {
    rect.left += by.x;
    rect.top += by.y;
    return rect;
}

class StatisticsDialogTest : public DialogTest {
protected:
    // Two benches, a purchase and two game hours of work.
    void buildFactory() {
        using namespace FactoryBuilding;
        SmallWorkshop(level());
        Bench(level(), 21, 23, ItemSheetMetal);
        level().hireApplicant(0);
        level().buyItems(level().getStockMarket().getItemBuyPrices().at(ItemSteel), ItemSteel, 3);
        for (int frame = 0; frame < 400; ++frame)
            level().update(0.3f);
    }

    // The page's title, and every text of its tables and chart checked.
    std::string checkPage(std::vector<std::string>& seen) {
        Menu& menu = game->getStatisticsMenu();
        const sf::FloatRect window(0.f, 0.f, Game::WindowWidth, Game::WindowHeight);
        EXPECT_TRUE(Inside(sf::FloatRect(menu.getPosition(), menu.getSize()), window));
        std::vector<sf::FloatRect> placed;
        auto check = [&](const MenuElement& element, const std::vector<sf::Text>& texts) {
            const sf::Vector2f origin = menu.getAbsolutePosition(&element);
            const sf::FloatRect box(origin, element.getSize());
            EXPECT_TRUE(Inside(box, sf::FloatRect(menu.getPosition(), menu.getSize())));
            for (const sf::Text& text : texts) {
                const sf::FloatRect ink = Moved(text.getGlobalBounds(), origin);
                EXPECT_TRUE(Inside(ink, box)) << Utf8(text);
                for (const sf::FloatRect& other : placed)
                    EXPECT_FALSE(ink.intersects(other)) << Utf8(text);
                placed.push_back(ink);
                seen.push_back(Utf8(text));
            }
        };
        for (MenuTable* table : DialogLayout::FindAll<MenuTable>(menu)) {
            EXPECT_GT(table->getShownRowCount(), 3u);
            // Only whole rows: the height is the header and the rows.
            const float rows = table->getSize().y / 24.f;
            EXPECT_FLOAT_EQ(rows, static_cast<float>(table->getShownRowCount() + 1));
            check(*table, table->getTexts());
        }
        for (MenuMoneyChart* chart : DialogLayout::FindAll<MenuMoneyChart>(menu))
            check(*chart, chart->getTexts());
        const auto* title = DialogLayout::FindFirst<MenuLabel>(menu);
        return title == nullptr ? "" : title->getText();
    }

    static bool Has(const std::vector<std::string>& texts, const std::string& wanted) {
        for (const std::string& text : texts)
            if (text == wanted)
                return true;
        return false;
    }
};

} // namespace

TEST_F(StatisticsDialogTest, BothPagesFitTheWindowInGerman) {
    buildFactory();
    click(hudButton(CategoryPanel, GuiStatistics));
    Menu& menu = game->getStatisticsMenu();
    ASSERT_TRUE(menu.isOpen());
    game->draw();

    std::vector<std::string> money;
    EXPECT_EQ(checkPage(money), "Statistik");
    for (const char* header :
         {"Tag", "Einnahmen", "Einkauf", "Löhne", "Bau", "Gewinn", "Hergestellt", "Gekauft",
          "Verkauft", "Ausgaben", "Heute", "Gesamt", "Stahl"})
        EXPECT_TRUE(Has(money, header)) << header;
    const sf::Vector2f size = menu.getSize();

    clickButton(menu, ButtonShowBenchStatistics);
    ASSERT_TRUE(menu.isOpen());
    game->draw();
    std::vector<std::string> benches;
    EXPECT_EQ(checkPage(benches), "Statistik: Maschinen");
    for (const char* text :
         {"Werkbank 1", "Werkbank 2", "Stahl", "Metallblech", "Wartet auf Zutaten"})
        EXPECT_TRUE(Has(benches, text)) << text;
    // The buttons stay where they were.
    EXPECT_FLOAT_EQ(menu.getSize().y, size.y);

    clickButton(menu, ButtonShowMoneyStatistics);
    EXPECT_TRUE(Has(std::vector<std::string>{checkPage(money)}, "Statistik"));
    key(sf::Keyboard::Escape);
    EXPECT_FALSE(menu.isOpen());
}
