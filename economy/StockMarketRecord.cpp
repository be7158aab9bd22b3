#include "economy/StockMarket.hpp"

#include "params/ItemTypes.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"
#include "persist/ValueCodecs.hpp"

#include <cmath>
#include <iostream>
#include <string>
#include <type_traits>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "STOCKMARKET";

// What the values of a saved map may be; the file is not trusted.
enum class Values {
    Amounts, // prices and spreads the market computes with
    Times,   // refill intervals and timers, in game minutes
    Counts,  // demand and supply
    History, // recorded prices, only ever shown
};

bool ReadMap(std::istream& in, StockMarket::PriceTable& map) {
    return GameParams::Load::MapOfItemTypeAndFloat(in, map);
}
bool ReadMap(std::istream& in, StockMarket::CountTable& map) {
    return GameParams::Load::MapOfItemTypeAndSizeT(in, map);
}
bool ReadMap(std::istream& in, StockMarket::PriceHistory& map) {
    return GameParams::Load::MapOfFloatAndMapOfItemTypeAndFloat(in, map);
}

bool WriteMap(const StockMarket::PriceTable& map, std::ostream& out) {
    return GameParams::Save::MapOfItemTypeAndFloat(map, out);
}
bool WriteMap(const StockMarket::CountTable& map, std::ostream& out) {
    return GameParams::Save::MapOfItemTypeAndSizeT(map, out);
}
bool WriteMap(const StockMarket::PriceHistory& map, std::ostream& out) {
    return GameParams::Save::MapOfFloatAndMapOfItemTypeAndFloat(map, out);
}

template <class Map, class Accept> bool AllEntries(const Map& map, Accept&& accept) {
    for (const auto& [key, value] : map) {
        if (!accept(key, value)) {
            return false;
        }
    }
    return true;
}

} // namespace

template <class Self, class Visit> bool StockMarket::forEachMap(Self& self, Visit&& visit) {
    return visit("initItemSellPrices", self.initItemSellPrices, Values::Amounts) &&
           visit("initItemRequests", self.initItemRequests, Values::Counts) &&
           visit("initItemRequestsRefresh", self.initItemRequestsRefresh, Values::Times) &&
           visit("initItemBuySpreads", self.initItemBuySpreads, Values::Amounts) &&
           visit("initItemAvailability", self.initItemAvailability, Values::Counts) &&
           visit("initItemAvailabilityRefresh", self.initItemAvailabilityRefresh, Values::Times) &&
           visit("itemSellPrices", self.itemSellPrices, Values::Amounts) &&
           visit("itemSellPriceHistory", self.itemSellPriceHistory, Values::History) &&
           visit("itemRequests", self.itemRequests, Values::Counts) &&
           visit("itemRequestsRefresh", self.itemRequestsRefresh, Values::Times) &&
           visit("itemRequestsTimer", self.itemRequestsTimer, Values::Times) &&
           visit("itemBuySpreads", self.itemBuySpreads, Values::Amounts) &&
           visit("itemBuyPriceHistory", self.itemBuyPriceHistory, Values::History) &&
           visit("itemAvailability", self.itemAvailability, Values::Counts) &&
           visit("itemAvailabilityRefresh", self.itemAvailabilityRefresh, Values::Times) &&
           visit("itemAvailabilityTimer", self.itemAvailabilityTimer, Values::Times) &&
           visit("targetSellPrices", self.targetSellPrices, Values::Amounts) &&
           visit("targetBuySpreads", self.targetBuySpreads, Values::Amounts);
}

bool StockMarket::save(std::ostream& out) const {
    using GameParams::Save::Exact;
    out << RecordHeader << ' ' << RecordVersion;
    for (const Fluctuation* fluctuation : {&sellFluctuation, &spreadFluctuation}) {
        out << ' ' << fluctuation->down << ' ' << fluctuation->up << ' ' << fluctuation->divisor;
    }
    const bool mapsWritten = forEachMap(*this, [&out](const char*, const auto& map, Values) {
        out << ' ';
        return WriteMap(map, out);
    });
    if (!mapsWritten) {
        return false;
    }
    // Every digit: the period decides the frame of the next redraw.
    out << ' ' << Exact<float>{period} << ' ' << Exact<float>{marketClock};
    return !out.fail();
}

bool StockMarket::load(std::istream& in) {
    StockMarket loaded;
    if (!loaded.readRecord(in)) {
        return false;
    }
    loaded.initialised = true;
    *this = std::move(loaded);
    return true;
}

bool StockMarket::readRecord(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "StockMarket::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    for (Fluctuation* fluctuation : {&sellFluctuation, &spreadFluctuation}) {
        if (!(in >> fluctuation->down >> fluctuation->up >> fluctuation->divisor)) {
            return false;
        }
        // The draw takes remainders by down and by up + 1.
        if (fluctuation->down <= 0 || fluctuation->up < 0 || !std::isfinite(fluctuation->divisor) ||
            fluctuation->divisor <= 0.f) {
            std::cout << "StockMarket::load() - Schwankungswerte ungueltig!" << std::endl;
            return false;
        }
    }

    const auto knownType = [](ItemType type) { return GameParams::IsItemType(type); };
    const auto fits = [&](const auto& map, Values rule) {
        using Map = std::decay_t<decltype(map)>;
        if constexpr (std::is_same_v<Map, CountTable>) {
            return AllEntries(map, [&](ItemType type, std::size_t) { return knownType(type); });
        } else if constexpr (std::is_same_v<Map, PriceHistory>) {
            return AllEntries(map, [&](float moment, const PriceTable& prices) {
                return std::isfinite(moment) && AllEntries(prices, [&](ItemType type, float price) {
                           return knownType(type) && std::isfinite(price) && price >= 0.f;
                       });
            });
        } else {
            return AllEntries(map, [&](ItemType type, float value) {
                const bool valueFits =
                    rule == Values::Amounts ? isSaneAmount(value) : std::isfinite(value);
                return knownType(type) && valueFits;
            });
        }
    };
    const bool mapsRead = forEachMap(*this, [&](const char* name, auto& map, Values rule) {
        if (ReadMap(in, map) && fits(map, rule)) {
            return true;
        }
        std::cout << "StockMarket::load() - " << name << " konnte nicht geladen werden!"
                  << std::endl;
        return false;
    });
    if (!mapsRead) {
        return false;
    }

    if (!(in >> period >> marketClock)) {
        return false;
    }
    if (!std::isfinite(period) || !std::isfinite(marketClock)) {
        std::cout << "StockMarket::load() - Periode ungueltig!" << std::endl;
        return false;
    }
    return true;
}
