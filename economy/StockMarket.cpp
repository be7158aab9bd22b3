#include "economy/StockMarket.hpp"

#include <cmath>

namespace {

// What the market starts a new game with. Demand and supply share one cap and
// one refill interval (game minutes per unit).
struct StartingEntry {
    ItemType type;
    float sellPrice;
    float spread;
    std::size_t cap;
    float refillInterval;
};

const StartingEntry StartingTable[] = {
    {ItemSteel, 35.f, 0.30f, 50, 10.f},         {ItemGlass, 75.f, 0.65f, 50, 10.f},
    {ItemRubber, 25.f, 0.35f, 50, 10.f},        {ItemAluminium, 105.f, 1.08f, 35, 15.f},
    {ItemMagnesium, 245.f, 3.45f, 20, 25.f},    {ItemWood, 7.5f, 0.13f, 100, 5.f},
    {ItemPetrol, 22.f, 0.30f, 20, 10.f},        {ItemDiesel, 18.f, 0.30f, 15, 12.f},
    {ItemSheetMetal, 60.f, 1.05f, 20, 25.f},    {ItemWoodenBoard, 12.f, 0.35f, 50, 15.f},
    {ItemTyre, 200.f, 3.50f, 8, 60.f},          {ItemBrake, 450.f, 4.50f, 15, 45.f},
    {ItemSuspension, 200.f, 1.85f, 6, 80.f},    {ItemSteering, 120.f, 0.95f, 3, 50.f},
    {ItemGearbox, 189.f, 2.25f, 7, 52.f},       {ItemExhaust, 104.5f, 1.45f, 12, 60.f},
    {ItemEngineBlock, 751.5f, 10.75f, 4, 80.f}, {ItemChassis, 3257.5f, 45.95f, 2, 120.f},
    {ItemBody, 847.f, 9.25f, 3, 150.f},         {ItemEngine, 1210.f, 14.65f, 4, 135.f},
    {ItemCar, 7000.f, 85.72f, 2, 215.f},
};

bool takeFrom(StockMarket::CountTable& counts, ItemType type, std::size_t count) {
    // A type the market does not trade is refused without adding an entry.
    const auto found = counts.find(type);
    if (found == counts.end() || found->second < count) {
        return false;
    }
    found->second -= count;
    return true;
}

} // namespace

void StockMarket::initialise() {
    initItemSellPrices.clear();
    initItemRequests.clear();
    initItemRequestsRefresh.clear();
    initItemBuySpreads.clear();
    initItemAvailability.clear();
    initItemAvailabilityRefresh.clear();
    for (const StartingEntry& entry : StartingTable) {
        initItemSellPrices[entry.type] = entry.sellPrice;
        initItemRequests[entry.type] = entry.cap;
        initItemRequestsRefresh[entry.type] = entry.refillInterval;
        initItemBuySpreads[entry.type] = entry.spread;
        initItemAvailability[entry.type] = entry.cap;
        initItemAvailabilityRefresh[entry.type] = entry.refillInterval;
    }
    itemSellPrices = initItemSellPrices;
    itemRequests = initItemRequests;
    itemRequestsRefresh = initItemRequestsRefresh;
    itemBuySpreads = initItemBuySpreads;
    itemAvailability = initItemAvailability;
    itemAvailabilityRefresh = initItemAvailabilityRefresh;
    initialised = true;
}

bool StockMarket::sellToMarket(ItemType type, std::size_t count) {
    return takeFrom(itemRequests, type, count);
}

bool StockMarket::buyFromMarket(ItemType type, std::size_t count) {
    return takeFrom(itemAvailability, type, count);
}

StockMarket::PriceTable StockMarket::getItemBuyPrices() const {
    PriceTable buyPrices;
    for (const auto& [type, sellPrice] : itemSellPrices) {
        const auto spread = itemBuySpreads.find(type);
        if (spread != itemBuySpreads.end()) {
            buyPrices.emplace(type, sellPrice + spread->second);
        }
    }
    return buyPrices;
}

float StockMarket::keepCents(float value) {
    return std::round(value * 100.f) / 100.f;
}

bool StockMarket::isSaneAmount(float value) {
    // Far above any price the game can reach, far below where float overflows.
    constexpr float MaxAmount = 1e12f;
    return std::isfinite(value) && value >= 0.f && value <= MaxAmount;
}
