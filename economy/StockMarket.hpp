#pragma once

#include "params/Enums.hpp"

#include <cstddef>
#include <istream>
#include <map>
#include <ostream>

// The market where the player buys materials and parts and sells products.
// Every item type has a sell price (what the market pays) and a buy spread
// (buy price = sell price + spread), both drifting towards random targets
// that are redrawn every period; a demand count and a supply count, refilled
// one unit at a time up to a cap; and a price history for the chart.
//
// Its definitions are split by concern: StockMarket.cpp (starting tables,
// trades, copies), StockMarketUpdate.cpp (targets, drift, refills) and
// StockMarketRecord.cpp (the save record).
class StockMarket {
public:
    using PriceTable = std::map<ItemType, float>;
    using CountTable = std::map<ItemType, std::size_t>;
    // Price tables by the moment they were recorded.
    using PriceHistory = std::map<float, PriceTable>;

    // Fills the starting tables and copies them into the live ones.
    void initialise();
    // One frame of dt game minutes; gameMinutes is the clock's total, the key
    // of the buy-price history. A dt of 0 initialises and draws the first
    // targets without moving anything.
    void update(float dt, float gameMinutes);

    // The bookkeeping of a trade as the market sees it: the demand or supply
    // shrinks by count if it covers count; otherwise nothing changes.
    bool sellToMarket(ItemType type, std::size_t count);
    bool buyFromMarket(ItemType type, std::size_t count);

    // Sell price + spread for every type that has both.
    PriceTable getItemBuyPrices() const;
    // Copies for the dialogs.
    PriceTable getItemSellPrices() const { return itemSellPrices; }
    CountTable getItemRequests() const { return itemRequests; }
    CountTable getItemAvailability() const { return itemAvailability; }
    // The histories grow for as long as the game runs: the chart reads them
    // in place and keeps only the points it draws.
    const PriceHistory& getItemSellPriceHistory() const { return itemSellPriceHistory; }
    const PriceHistory& getItemBuyPriceHistory() const { return itemBuyPriceHistory; }

    bool isInitialised() const { return initialised; }
    const PriceTable& getItemBuySpreads() const { return itemBuySpreads; }
    const PriceTable& getTargetSellPrices() const { return targetSellPrices; }
    const PriceTable& getTargetBuySpreads() const { return targetBuySpreads; }
    const PriceTable& getInitItemSellPrices() const { return initItemSellPrices; }
    const PriceTable& getInitItemBuySpreads() const { return initItemBuySpreads; }
    const CountTable& getInitItemRequests() const { return initItemRequests; }
    const CountTable& getInitItemAvailability() const { return initItemAvailability; }
    const PriceTable& getItemRequestsRefresh() const { return itemRequestsRefresh; }
    const PriceTable& getItemRequestsTimer() const { return itemRequestsTimer; }
    const PriceTable& getItemAvailabilityRefresh() const { return itemAvailabilityRefresh; }
    const PriceTable& getItemAvailabilityTimer() const { return itemAvailabilityTimer; }
    float getPeriod() const { return period; }
    float getMarketClock() const { return marketClock; }

    bool save(std::ostream& out) const;
    // Leaves the market untouched unless the whole record is read and valid.
    bool load(std::istream& in);

private:
    // How far one redraw may move a value, in thousandths of a percent.
    struct Fluctuation {
        int down = 10000;
        int up = 11111;
        float divisor = 1000.f;
    };
    // A count refilled one unit per interval up to its cap.
    struct Stock {
        CountTable& count;
        const PriceTable& refresh;
        PriceTable& timer;
        const CountTable& cap;
    };

    // Prices and spreads are kept to cents. A sane one is finite, not below 0
    // and small enough that the drift arithmetic stays finite: anything else
    // would end up in a save file that can no longer be read.
    static float keepCents(float value);
    static bool isSaneAmount(float value);

    // StockMarketUpdate.cpp
    void drawNewTargets(float gameMinutes);
    static void drawTargets(const Fluctuation& fluctuation, const PriceTable& current,
                            const PriceTable& start, PriceTable& targets);
    void drawPeriod();
    void moveTowards(const PriceTable& targets, PriceTable& values, float dt) const;
    static void refill(Stock stock, float dt);

    // StockMarketRecord.cpp
    // Calls visit(name, map, rule) for the saved maps in record order.
    template <class Self, class Visit> static bool forEachMap(Self& self, Visit&& visit);
    bool readRecord(std::istream& in);

    bool initialised = false; // not saved: set by initialise and by every load

    // Saved, in this order after the record's version.
    Fluctuation sellFluctuation;
    Fluctuation spreadFluctuation;
    PriceTable initItemSellPrices;
    CountTable initItemRequests;
    PriceTable initItemRequestsRefresh;
    PriceTable initItemBuySpreads;
    CountTable initItemAvailability;
    PriceTable initItemAvailabilityRefresh;
    PriceTable itemSellPrices;
    PriceHistory itemSellPriceHistory; // keyed by the market clock
    CountTable itemRequests;
    PriceTable itemRequestsRefresh;
    PriceTable itemRequestsTimer;
    PriceTable itemBuySpreads;
    PriceHistory itemBuyPriceHistory; // keyed by the game clock's total
    CountTable itemAvailability;
    PriceTable itemAvailabilityRefresh;
    PriceTable itemAvailabilityTimer;
    PriceTable targetSellPrices;
    PriceTable targetBuySpreads;
    float period = -1.f;     // game minutes to the next redraw; below 0: redraw now
    float marketClock = 0.f; // the sum of every period drawn

    // Not saved: fixed by the game.
    float meanPeriod = 120.f;
    float periodSpread = 40.f;
};
