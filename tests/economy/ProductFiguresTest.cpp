// What a bench's product earns per hour at the market's starting prices:
// the figures the production dialog shows.

#include "actors/RecipeTable.hpp"
#include "economy/ProductFigures.hpp"

#include <gtest/gtest.h>

TEST(ProductFiguresTest, TheMarginPerHourIsTheSaleLessTheIngredientsPerSixtyMinutes) {
    StockMarket market;
    market.initialise();
    const auto buy = market.getItemBuyPrices();
    const auto sell = market.getItemSellPrices();

    // An engine block: 4 steel at 35 + 0.30 and 1 aluminium at 105 + 1.08,
    // sold at 751.50, in 60 minutes.
    const ProductFigures block = FiguresOf(GameParams::GetRecipe(ItemEngineBlock), buy, sell);
    EXPECT_NEAR(block.ingredientCost, 4 * 35.30 + 106.08, 1e-3);
    EXPECT_NEAR(block.saleValue, 751.50, 1e-3);
    EXPECT_NEAR(block.marginPerHour(), 504.22, 1e-3);

    // Sheet metal takes 30 minutes: its margin of 24.70 is earned twice an hour.
    EXPECT_NEAR(FiguresOf(GameParams::GetRecipe(ItemSheetMetal), buy, sell).marginPerHour(), 49.40,
                1e-3);
    // A chassis costs more in parts than it fetches.
    EXPECT_LT(FiguresOf(GameParams::GetRecipe(ItemChassis), buy, sell).marginPerHour(), 0.0);
    // "Nothing" earns nothing and divides by nothing.
    EXPECT_EQ(FiguresOf(GameParams::GetRecipe(ItemNone), buy, sell).marginPerHour(), 0.0);
}
