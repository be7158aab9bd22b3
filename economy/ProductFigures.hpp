#pragma once

#include "actors/Recipe.hpp"
#include "economy/StockMarket.hpp"

// What one run of a recipe is worth at the market's prices of the moment:
// the ingredients bought at buy prices, the results sold at sell prices.
struct ProductFigures {
    double ingredientCost = 0.0;
    double saleValue = 0.0;
    float duration = 0.f;

    // Sale value less ingredients per 60 game minutes of bench work; 0 for
    // a recipe that takes no time or none at all.
    double marginPerHour() const;
};

ProductFigures FiguresOf(const Recipe& recipe, const StockMarket::PriceTable& buyPrices,
                         const StockMarket::PriceTable& sellPrices);
