#include "economy/StockMarket.hpp"

#include "MarketRecordFields.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// A market some way into a game: prices on the move, stock sold and bought.
StockMarket PlayedMarket() {
    std::srand(5);
    StockMarket market;
    market.update(0.f, 0.f);
    for (int frame = 1; frame <= 1500; ++frame) {
        market.update(0.3f, frame * 0.3f);
        if (frame == 700) {
            market.sellToMarket(ItemBrake, 4);
            market.buyFromMarket(ItemSteel, 20);
        }
    }
    return market;
}

void Advance(StockMarket& market, unsigned seed) {
    std::srand(seed);
    for (int frame = 0; frame < 800; ++frame) {
        market.update(0.3f, 450.f + frame * 0.3f);
    }
}

std::string LoadMessage(const std::string& text) {
    return "StockMarket::load() - " + text + "\n";
}

// The market must be exactly as it was when a load fails.
void ExpectRefusedAndUntouched(const std::string& record, const std::string& message) {
    StockMarket market = PlayedMarket();
    const std::string before = SaveMarket(market);
    const MarketLoadResult loaded = LoadMarket(market, record);
    EXPECT_FALSE(loaded.ok);
    if (!message.empty()) {
        EXPECT_NE(loaded.printed.find(LoadMessage(message)), std::string::npos) << loaded.printed;
    }
    EXPECT_EQ(SaveMarket(market), before);
}

} // namespace

TEST(StockMarketRecord, StartsWithTheConstantsAndTheStartingPrices) {
    StockMarket market;
    market.update(0.f, 0.f);
    const std::string record = SaveMarket(market);
    EXPECT_EQ(record.rfind("STOCKMARKET 0.1 10000 11111 1000 10000 11111 1000 "
                           "Ver 0.1 21 1000 35 1001 75 1002 25 1003 105 1004 245 1005 7.5 ",
                           0),
              0u)
        << record;
    EXPECT_EQ(record.find('\n'), std::string::npos);
}

TEST(StockMarketRecord, RoundTripKeepsTheMarketAndItsFuture) {
    StockMarket original = PlayedMarket();
    const std::string record = SaveMarket(original);
    StockMarket copy;
    const MarketLoadResult loaded = LoadMarket(copy, record);
    ASSERT_TRUE(loaded.ok) << loaded.printed;
    EXPECT_TRUE(loaded.printed.empty());
    EXPECT_TRUE(copy.isInitialised());
    EXPECT_EQ(SaveMarket(copy), record);
    EXPECT_EQ(copy.getPeriod(), original.getPeriod());
    EXPECT_EQ(copy.getMarketClock(), original.getMarketClock());
    EXPECT_EQ(copy.getItemRequests().at(ItemBrake), original.getItemRequests().at(ItemBrake));

    // The same draws from here on give the same market. Floats in maps are
    // saved with six digits, so a timer may differ in its last digit.
    Advance(original, 11);
    Advance(copy, 11);
    MarketRecordFields originalFields;
    MarketRecordFields copyFields;
    ASSERT_TRUE(MarketRecordFields::Parse(SaveMarket(original), originalFields));
    ASSERT_TRUE(MarketRecordFields::Parse(SaveMarket(copy), copyFields));
    for (auto timers :
         {&MarketRecordFields::itemRequestsTimer, &MarketRecordFields::itemAvailabilityTimer}) {
        for (const auto& [type, timer] : originalFields.*timers) {
            EXPECT_NEAR((copyFields.*timers).at(type), timer, 1e-2f) << type;
        }
        (originalFields.*timers).clear();
        (copyFields.*timers).clear();
    }
    EXPECT_EQ(copyFields.text(), originalFields.text());
}

TEST(StockMarketRecord, LoadedTablesAreNotReplacedByTheStartingOnes) {
    MarketRecordFields fields = StartedMarketFields();
    fields.initItemSellPrices[ItemSteel] = 40.f;
    fields.itemSellPrices[ItemSteel] = 41.f;
    fields.targetSellPrices[ItemSteel] = 41.f;
    StockMarket market;
    ASSERT_TRUE(LoadMarket(market, fields.text()).ok);
    market.update(0.3f, 0.f);
    EXPECT_FLOAT_EQ(market.getInitItemSellPrices().at(ItemSteel), 40.f);
    EXPECT_FLOAT_EQ(market.getItemSellPrices().at(ItemSteel), 41.f);
}

TEST(StockMarketRecord, WrongHeaderOrVersionIsRefused) {
    MarketRecordFields fields = StartedMarketFields();
    fields.header = "STOCKMARKT";
    ExpectRefusedAndUntouched(fields.text(), "Header ungueltig!");
    fields.header = "STOCKMARKET";
    fields.version = "0.2";
    ExpectRefusedAndUntouched(fields.text(), "Version nicht unterstuetzt!");
}

TEST(StockMarketRecord, TruncatedRecordIsRefused) {
    std::string record = SaveMarket(PlayedMarket());
    record.erase(record.rfind(' '));
    ExpectRefusedAndUntouched(record, "");
    ExpectRefusedAndUntouched("STOCKMARKET 0.1 10000 11111", "");
}

class StockMarketRecordMap : public testing::TestWithParam<std::string> {};

TEST_P(StockMarketRecordMap, BrokenMapIsNamedInTheMessage) {
    MarketRecordFields fields = StartedMarketFields();
    fields.rawMaps[GetParam()] = "Ver 0.2 0";
    ExpectRefusedAndUntouched(fields.text(), GetParam() + " konnte nicht geladen werden!");
}

TEST_P(StockMarketRecordMap, HugeCountEndsAtTheEndOfTheRecord) {
    MarketRecordFields fields = StartedMarketFields();
    fields.rawMaps[GetParam()] = "Ver 0.1 18446744073709551615";
    ExpectRefusedAndUntouched(fields.text(), GetParam() + " konnte nicht geladen werden!");
}

INSTANTIATE_TEST_SUITE_P(EveryMap, StockMarketRecordMap,
                         testing::ValuesIn(MarketRecordFields::MapNames()));

TEST(StockMarketHostileRecord, FluctuationThatWouldDivideByZeroIsRefused) {
    const std::string message = "Schwankungswerte ungueltig!";
    MarketRecordFields fields = StartedMarketFields();
    fields.sellDown = 0;
    ExpectRefusedAndUntouched(fields.text(), message);
    fields = StartedMarketFields();
    fields.spreadUp = -1;
    ExpectRefusedAndUntouched(fields.text(), message);
    fields = StartedMarketFields();
    fields.sellDivisor = 0.f;
    ExpectRefusedAndUntouched(fields.text(), message);
    fields = StartedMarketFields();
    fields.spreadDivisor = -1000.f;
    ExpectRefusedAndUntouched(fields.text(), message);
}

TEST(StockMarketHostileRecord, UnknownItemTypesAreRefused) {
    MarketRecordFields fields = StartedMarketFields();
    fields.itemSellPrices[static_cast<ItemType>(5)] = 10.f;
    ExpectRefusedAndUntouched(fields.text(), "itemSellPrices konnte nicht geladen werden!");

    fields = StartedMarketFields();
    fields.itemRequests[ItemNone] = 3;
    ExpectRefusedAndUntouched(fields.text(), "itemRequests konnte nicht geladen werden!");

    fields = StartedMarketFields();
    fields.itemBuyPriceHistory[10.f][static_cast<ItemType>(-7)] = 1.f;
    ExpectRefusedAndUntouched(fields.text(), "itemBuyPriceHistory konnte nicht geladen werden!");
}

TEST(StockMarketHostileRecord, PricesOutsideWhatTheMarketCanHoldAreRefused) {
    MarketRecordFields fields = StartedMarketFields();
    fields.targetSellPrices[ItemSteel] = -1.f;
    ExpectRefusedAndUntouched(fields.text(), "targetSellPrices konnte nicht geladen werden!");

    // Readable, but the drift would overflow to a number no save can hold.
    fields = StartedMarketFields();
    fields.initItemSellPrices[ItemCar] = 3e38f;
    ExpectRefusedAndUntouched(fields.text(), "initItemSellPrices konnte nicht geladen werden!");

    fields = StartedMarketFields();
    fields.itemSellPriceHistory[0.f][ItemSteel] = -35.f;
    ExpectRefusedAndUntouched(fields.text(), "itemSellPriceHistory konnte nicht geladen werden!");
}

TEST(StockMarketHostileRecord, PeriodOfZeroStillEndsOnTheTarget) {
    // A period of 0 is never saved by the game, but must not turn prices
    // into numbers that are not numbers.
    MarketRecordFields fields = StartedMarketFields();
    fields.targetSellPrices = {{ItemSteel, 38.f}};
    fields.period = "0";
    StockMarket market;
    ASSERT_TRUE(LoadMarket(market, fields.text()).ok);
    market.update(0.f, 0.f);
    EXPECT_FLOAT_EQ(market.getItemSellPrices().at(ItemSteel), 38.f);
    std::istringstream reread(SaveMarket(market));
    StockMarket copy;
    EXPECT_TRUE(copy.load(reread));
}
