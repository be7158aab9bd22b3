#include "economy/GameTime.hpp"
#include "economy/StockMarket.hpp"
#include "world/Level.hpp"

#include <SFML/System/Time.hpp>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(StockMarketInLevel, NewLevelOpensTheMarketWithoutMovingIt) {
    std::srand(1);
    Level level(nullptr, nullptr, "");
    const StockMarket& market = level.getStockMarket();
    ASSERT_TRUE(market.isInitialised());
    EXPECT_EQ(market.getTargetSellPrices().size(), 21u);
    EXPECT_EQ(market.getItemSellPrices(), market.getInitItemSellPrices());
    EXPECT_GT(market.getPeriod(), 0.f);
    // Without a game or an attached clock the first redraw is at minute 0.
    EXPECT_EQ(market.getItemBuyPriceHistory().count(0.f), 1u);
    EXPECT_EQ(level.getGameTime(), nullptr);

    // A paused frame leaves the market alone.
    const float period = market.getPeriod();
    level.update(0.f);
    EXPECT_FLOAT_EQ(market.getPeriod(), period);
}

TEST(StockMarketInLevel, BuyHistoryIsKeyedByTheAttachedClock) {
    Level level(nullptr, nullptr, "");
    GameTime clock;
    level.attachClock(&clock);
    EXPECT_EQ(level.getGameTime(), &clock);

    const StockMarket& market = level.getStockMarket();
    // Run out the first period, then let the clock reach minute 300.
    level.update(market.getPeriod() + 1.f);
    EXPECT_FLOAT_EQ(market.getPeriod(), -1.f);
    clock.advance(sf::seconds(150.f)); // 2 game minutes per second at speed 1
    ASSERT_FLOAT_EQ(clock.getTotal(), 300.f);
    level.update(0.3f);

    EXPECT_EQ(market.getItemBuyPriceHistory().count(300.f), 1u);
    EXPECT_EQ(market.getItemSellPriceHistory().size(), 2u);
}
