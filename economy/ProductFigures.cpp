#include "economy/ProductFigures.hpp"

namespace {

constexpr double MinutesPerHour = 60.0;

double valueOf(const std::map<ItemType, std::size_t>& counts,
               const StockMarket::PriceTable& prices) {
    double value = 0.0;
    for (const auto& [item, count] : counts) {
        const auto price = prices.find(item);
        if (price != prices.end())
            value += static_cast<double>(count) * price->second;
    }
    return value;
}

} // namespace

double ProductFigures::marginPerHour() const {
    if (!(duration > 0.f))
        return 0.0;
    return (saleValue - ingredientCost) * MinutesPerHour / duration;
}

ProductFigures FiguresOf(const Recipe& recipe, const StockMarket::PriceTable& buyPrices,
                         const StockMarket::PriceTable& sellPrices) {
    ProductFigures figures;
    if (!recipe.isValid())
        return figures;
    figures.ingredientCost = valueOf(recipe.ingredients, buyPrices);
    figures.saleValue = valueOf(recipe.resultingItems, sellPrices);
    figures.duration = recipe.duration;
    return figures;
}
