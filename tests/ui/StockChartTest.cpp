#include "economy/GameTime.hpp"
#include "economy/StockMarket.hpp"
#include "params/TileSize.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuImageButton.hpp"
#include "ui/MenuStockChart.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

bool IsFinite(sf::Vector2f point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

class StockChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        std::srand(7);
    }

    // Each call records one point in both histories: a period is at most
    // about 133 minutes, so a step of 200 always ends it.
    void record(int points) {
        for (int i = 0; i < points; ++i) {
            market.update(200.f, minutes);
            minutes += 200.f;
        }
    }
    // The price dialog's chart size.
    void showMarket(MenuStockChart& chart) {
        chart.setSize(1000.f, 600.f);
        chart.setMarket(&market, &clock);
        chart.update();
    }
    void advanceClockTo(float total) {
        while (clock.getTotal() < total)
            clock.advance(sf::seconds(30.f));
    }

    // Every shape the chart draws lies somewhere on the screen.
    static void ExpectFiniteGeometry(const MenuStockChart& chart) {
        for (const sf::Text& label : chart.getXLabels())
            EXPECT_TRUE(IsFinite(label.getPosition()));
        for (const sf::Text& label : chart.getYLabels())
            EXPECT_TRUE(IsFinite(label.getPosition()));
        for (const auto& point : chart.getSeries())
            for (const auto& entry : point.second) {
                for (const sf::RectangleShape& piece : chart.getSegments(entry.first)) {
                    EXPECT_TRUE(IsFinite(piece.getPosition()));
                    EXPECT_TRUE(IsFinite(piece.getSize()));
                    EXPECT_TRUE(std::isfinite(piece.getRotation()));
                }
            }
        EXPECT_TRUE(std::isfinite(chart.getValueMax()));
        EXPECT_TRUE(std::isfinite(chart.getTimeMax()));
    }

    sf::Font font;
    StockMarket market;
    GameTime clock;
    float minutes = 0.f;
};

TEST(StockChartScaleTest, AxisTopIsTheNextStepOfItsBand) {
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(0.05f), 0.1f);
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(1234.f), 1300.f);
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(10001.f), 11000.f);
    // A value on a step stays; the bands meet without a gap.
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(1000.f), 1000.f);
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(1.3f), 1.3f);
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(9.99f), 10.f);
    EXPECT_FLOAT_EQ(MenuStockChart::RoundUpAxisTop(0.f), 0.1f);
}

TEST(StockChartScaleTest, ThinningKeepsTheOldestAndTheNewestPoint) {
    MenuStockChart::Series series;
    for (int i = 0; i < 250; ++i)
        series[static_cast<float>(i)][ItemSteel] = static_cast<float>(i);
    MenuStockChart::ThinOut(series, 100);
    ASSERT_FALSE(series.empty());
    EXPECT_EQ(series.begin()->first, 0.f);
    EXPECT_EQ(series.rbegin()->first, 249.f);
    EXPECT_GE(series.size(), 99u);
    EXPECT_LE(series.size(), 101u);

    MenuStockChart::Series few;
    for (int i = 0; i < 99; ++i)
        few[static_cast<float>(i)][ItemSteel] = 1.f;
    MenuStockChart::ThinOut(few, 100);
    EXPECT_EQ(few.size(), 99u);
}

TEST_F(StockChartTest, NarrowChartHasTwoXTicks) {
    MenuStockChart chart(font);
    chart.setSize(210.f, 300.f);
    chart.update();
    // 210 - 2 * 5 border - 2 * 10 margin - 50 label column.
    EXPECT_FLOAT_EQ(chart.getPlotSize().x, 130.f);
    EXPECT_EQ(chart.getXTickCount(), 2u);
    EXPECT_EQ(chart.getXLabels().size(), 1u);
    EXPECT_EQ(chart.getPlotCorner(), sf::Vector2f(65.f, 15.f));
}

// The current prices are the newest point after every recorded one, also
// when the clock has not moved on since the last record: replacing that
// record would lose a price the market really had.
TEST_F(StockChartTest, SeriesIsTheHistoryAndTheCurrentPrices) {
    record(3);
    ASSERT_EQ(market.getItemBuyPriceHistory().size(), 3u);
    const float lastRecord = market.getItemBuyPriceHistory().rbegin()->first;
    MenuStockChart chart(font);
    for (float clockAt : {0.f, lastRecord, lastRecord + 45.f}) {
        advanceClockTo(clockAt);
        chart.setMarket(&market, &clock);
        chart.update();
        ASSERT_EQ(chart.getSeries().size(), 4u) << "clock at " << clock.getTotal();
        EXPECT_EQ(chart.getSeries().rbegin()->second, market.getItemBuyPrices());
        EXPECT_EQ(chart.getSeries().begin()->second,
                  market.getItemBuyPriceHistory().begin()->second);
        EXPECT_GT(chart.getTimeMax(), lastRecord);
        EXPECT_GE(chart.getTimeMax(), clock.getTotal());
        // One line piece per pair of neighbouring points.
        EXPECT_EQ(chart.getSegments(ItemSteel).size(), 3u);
    }

    chart.togglePrices();
    ASSERT_FALSE(chart.isShowingBuyPrices());
    EXPECT_EQ(chart.getSeries().size(), market.getItemSellPriceHistory().size() + 1);
    EXPECT_EQ(chart.getSeries().rbegin()->second, market.getItemSellPrices());
    EXPECT_FLOAT_EQ(chart.getTimeMax(), market.getMarketClock());
}

TEST_F(StockChartTest, LongHistoryIsThinnedToTheOldestTheNewestAndEvenStepsBetween) {
    record(400);
    const StockMarket::PriceHistory& history = market.getItemBuyPriceHistory();
    advanceClockTo(minutes);
    MenuStockChart chart(font);
    chart.setMarket(&market, &clock);
    chart.update();

    // The same points as thinning the full series afterwards.
    MenuStockChart::Series expected = history;
    expected[clock.getTotal()] = market.getItemBuyPrices();
    MenuStockChart::ThinOut(expected, 100);
    EXPECT_EQ(chart.getSeries(), expected);
    EXPECT_EQ(chart.getSeries().begin()->first, history.begin()->first);
    EXPECT_FLOAT_EQ(chart.getTimeMax(), clock.getTotal());
    EXPECT_LE(chart.getSeries().size(), 101u);
}

TEST_F(StockChartTest, NoHistoryDrawsAnEmptyPlot) {
    MenuStockChart chart(font);
    chart.setSize(1000.f, 600.f);
    chart.update();
    EXPECT_TRUE(chart.getSeries().empty());
    EXPECT_EQ(chart.getTimeMax(), 0.f);
    EXPECT_EQ(chart.getElementCount(), 2); // only the two buttons
    ExpectFiniteGeometry(chart);

    // A market that has not run yet has prices but no history: one point,
    // no line.
    market.initialise();
    chart.setMarket(&market, &clock);
    chart.update();
    EXPECT_EQ(chart.getSeries().size(), 1u);
    EXPECT_TRUE(chart.getSegments(ItemSteel).empty());
    ExpectFiniteGeometry(chart);
}

TEST_F(StockChartTest, EverythingHiddenOrNoRoomStillGivesFiniteGeometry) {
    record(5);
    MenuStockChart chart(font);
    showMarket(chart);
    const std::vector<MenuElement*> elements = chart.getElements();
    chart.onElementEvent(MenuEventType::MouseReleased, elements.back()); // hide all
    // Nothing shown has a price above 0: the axis keeps its smallest top.
    EXPECT_FLOAT_EQ(chart.getValueMax(), 0.1f);
    ExpectFiniteGeometry(chart);

    chart.setSize(0.f, 0.f);
    chart.update();
    EXPECT_EQ(chart.getPlotSize(), sf::Vector2f(0.f, 0.f));
    ExpectFiniteGeometry(chart);
}

TEST_F(StockChartTest, LegendIconHidesAndShowsItsItem) {
    record(5);
    MenuStockChart chart(font);
    showMarket(chart);
    // 21 items: two legend rows.
    EXPECT_EQ(chart.getLegendRows(), 2);
    EXPECT_EQ(chart.getElementCount(), 21 + 2);
    const float withCars = chart.getValueMax();

    MenuImageButton* car = chart.getLegendButton(ItemCar);
    ASSERT_NE(car, nullptr);
    chart.onElementEvent(MenuEventType::MouseReleased, car);
    EXPECT_TRUE(chart.isHidden(ItemCar));
    // The most expensive line is gone; the axis follows the next one.
    EXPECT_LT(chart.getValueMax(), withCars);
    EXPECT_FALSE(chart.isHidden(ItemSteel));

    chart.onElementEvent(MenuEventType::MousePressed, car);
    EXPECT_TRUE(chart.isHidden(ItemCar)) << "only a release flips it";
    chart.onElementEvent(MenuEventType::MouseReleased, car);
    EXPECT_FALSE(chart.isHidden(ItemCar));
    EXPECT_FLOAT_EQ(chart.getValueMax(), withCars);
}

TEST_F(StockChartTest, ShowAllAndHideAllButtons) {
    record(5);
    MenuStockChart chart(font);
    showMarket(chart);
    const std::vector<MenuElement*> elements = chart.getElements();
    auto* showAll = dynamic_cast<MenuButton*>(elements[elements.size() - 2]);
    auto* hideAll = dynamic_cast<MenuButton*>(elements.back());
    ASSERT_NE(showAll, nullptr);
    ASSERT_NE(hideAll, nullptr);
    EXPECT_EQ(showAll->getKind(), ButtonShowAll);
    EXPECT_EQ(hideAll->getKind(), ButtonHideAll);
    // Both sit at the right edge under the plot, one above the other.
    EXPECT_EQ(showAll->getPosition().x, 1000.f - 200.f);
    EXPECT_EQ(hideAll->getPosition().y, showAll->getPosition().y + 37.f);

    chart.onElementEvent(MenuEventType::MouseReleased, hideAll);
    for (const auto& entry : market.getItemBuyPrices())
        EXPECT_TRUE(chart.isHidden(entry.first));
    chart.onElementEvent(MenuEventType::MouseReleased, showAll);
    for (const auto& entry : market.getItemBuyPrices())
        EXPECT_FALSE(chart.isHidden(entry.first));
}

} // namespace
