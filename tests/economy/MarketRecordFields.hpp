#pragma once

#include "economy/StockMarket.hpp"
#include "persist/ValueCodecs.hpp"

#include <iostream>
#include <locale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// A stock-market record taken apart into its fields, so that a test can put
// the market into any state, or feed it any broken record, through its own
// loader.
struct MarketRecordFields {
    std::string header = "STOCKMARKET";
    std::string version = "0.1";
    int sellDown = 10000;
    int sellUp = 11111;
    float sellDivisor = 1000.f;
    int spreadDown = 10000;
    int spreadUp = 11111;
    float spreadDivisor = 1000.f;
    StockMarket::PriceTable initItemSellPrices;
    StockMarket::CountTable initItemRequests;
    StockMarket::PriceTable initItemRequestsRefresh;
    StockMarket::PriceTable initItemBuySpreads;
    StockMarket::CountTable initItemAvailability;
    StockMarket::PriceTable initItemAvailabilityRefresh;
    StockMarket::PriceTable itemSellPrices;
    StockMarket::PriceHistory itemSellPriceHistory;
    StockMarket::CountTable itemRequests;
    StockMarket::PriceTable itemRequestsRefresh;
    StockMarket::PriceTable itemRequestsTimer;
    StockMarket::PriceTable itemBuySpreads;
    StockMarket::PriceHistory itemBuyPriceHistory;
    StockMarket::CountTable itemAvailability;
    StockMarket::PriceTable itemAvailabilityRefresh;
    StockMarket::PriceTable itemAvailabilityTimer;
    StockMarket::PriceTable targetSellPrices;
    StockMarket::PriceTable targetBuySpreads;
    std::string period = "-1";
    std::string marketClock = "0";
    // Written instead of the named map, to break one map on purpose.
    std::map<std::string, std::string> rawMaps;

    template <class Visit> void forEachMap(Visit&& visit) {
        visit("initItemSellPrices", initItemSellPrices);
        visit("initItemRequests", initItemRequests);
        visit("initItemRequestsRefresh", initItemRequestsRefresh);
        visit("initItemBuySpreads", initItemBuySpreads);
        visit("initItemAvailability", initItemAvailability);
        visit("initItemAvailabilityRefresh", initItemAvailabilityRefresh);
        visit("itemSellPrices", itemSellPrices);
        visit("itemSellPriceHistory", itemSellPriceHistory);
        visit("itemRequests", itemRequests);
        visit("itemRequestsRefresh", itemRequestsRefresh);
        visit("itemRequestsTimer", itemRequestsTimer);
        visit("itemBuySpreads", itemBuySpreads);
        visit("itemBuyPriceHistory", itemBuyPriceHistory);
        visit("itemAvailability", itemAvailability);
        visit("itemAvailabilityRefresh", itemAvailabilityRefresh);
        visit("itemAvailabilityTimer", itemAvailabilityTimer);
        visit("targetSellPrices", targetSellPrices);
        visit("targetBuySpreads", targetBuySpreads);
    }

    static std::vector<std::string> MapNames() {
        std::vector<std::string> names;
        MarketRecordFields().forEachMap(
            [&](const char* name, const auto&) { names.emplace_back(name); });
        return names;
    }

    std::string text() {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << header << ' ' << version << ' ' << sellDown << ' ' << sellUp << ' ' << sellDivisor
            << ' ' << spreadDown << ' ' << spreadUp << ' ' << spreadDivisor;
        forEachMap([&](const char* name, const auto& map) {
            out << ' ';
            if (rawMaps.count(name) != 0) {
                out << rawMaps.at(name);
            } else {
                Write(map, out);
            }
        });
        out << ' ' << period << ' ' << marketClock;
        return out.str();
    }

    // The fields of a record the market wrote; false if it cannot be read.
    static bool Parse(const std::string& record, MarketRecordFields& fields) {
        std::istringstream in(record);
        in.imbue(std::locale::classic());
        in >> fields.header >> fields.version >> fields.sellDown >> fields.sellUp >>
            fields.sellDivisor >> fields.spreadDown >> fields.spreadUp >> fields.spreadDivisor;
        bool mapsRead = true;
        fields.forEachMap([&](const char*, auto& map) { mapsRead = mapsRead && Read(in, map); });
        in >> fields.period >> fields.marketClock;
        return mapsRead && !in.fail();
    }

private:
    static bool Read(std::istream& in, StockMarket::PriceTable& map) {
        return GameParams::Load::MapOfItemTypeAndFloat(in, map);
    }
    static bool Read(std::istream& in, StockMarket::CountTable& map) {
        return GameParams::Load::MapOfItemTypeAndSizeT(in, map);
    }
    static bool Read(std::istream& in, StockMarket::PriceHistory& map) {
        return GameParams::Load::MapOfFloatAndMapOfItemTypeAndFloat(in, map);
    }
    static void Write(const StockMarket::PriceTable& map, std::ostream& out) {
        GameParams::Save::MapOfItemTypeAndFloat(map, out);
    }
    static void Write(const StockMarket::CountTable& map, std::ostream& out) {
        GameParams::Save::MapOfItemTypeAndSizeT(map, out);
    }
    static void Write(const StockMarket::PriceHistory& map, std::ostream& out) {
        GameParams::Save::MapOfFloatAndMapOfItemTypeAndFloat(map, out);
    }
};

inline std::string SaveMarket(const StockMarket& market) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    market.save(out);
    return out.str();
}

struct MarketLoadResult {
    bool ok;
    std::string printed;
};

// Loads the record and catches what the loader prints.
inline MarketLoadResult LoadMarket(StockMarket& market, const std::string& record) {
    std::istringstream in(record);
    in.imbue(std::locale::classic());
    std::ostringstream captured;
    std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
    const bool ok = market.load(in);
    std::cout.rdbuf(previous);
    return {ok, captured.str()};
}

// A market right after the level's first update: starting tables, first
// targets drawn at game minute 0.
inline MarketRecordFields StartedMarketFields() {
    StockMarket market;
    market.update(0.f, 0.f);
    MarketRecordFields fields;
    MarketRecordFields::Parse(SaveMarket(market), fields);
    return fields;
}
