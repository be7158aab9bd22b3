// What the HUD is told: the events of a trade (a truck, the units it
// unloads, the sale it pays) and the alerts, which read the level without
// changing how it runs.

#include "FactoryBuilding.hpp"

#include "alerts/AlertScan.hpp"
#include "alerts/EventMessages.hpp"
#include "params/Random.hpp"
#include "params/TileSize.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace FactoryBuilding;

constexpr float FrameMinutes = 0.3f;

struct Trade {
    std::string fileText;
    std::vector<LevelEvent> bought;
    std::vector<LevelEvent> sold;
    double paid = 0.0;
};

// Storage, goods-in and goods-out off the street; two staff; five steel
// bought, three sold once they are in. With alertsEachFrame the alerts are
// found after every frame, as often as no shell ever would.
Trade RunTrade(bool alertsEachFrame) {
    GameParams::SeedRandom(1);
    GameParams::SetTileSizeType(SIZE128PX);
    auto level = std::make_unique<Level>(nullptr, nullptr, "");
    GoodsRooms(*level);
    const auto run = [&](float minutes) {
        for (float done = 0.f; done < minutes; done += FrameMinutes) {
            level->update(FrameMinutes);
            if (alertsEachFrame)
                FindAlerts(*level);
        }
    };
    Trade trade;
    run(60.f);
    EXPECT_TRUE(level->buyItems(40.f, ItemSteel, 5));
    run(480.f);
    trade.bought = level->getEvents().drain();
    EXPECT_EQ(level->getStoredItems().at(ItemSteel), 5u);
    const double before = level->getBankAccount().getBalance();
    EXPECT_TRUE(level->sellItems(ItemSteel, 3, 58.f));
    run(480.f);
    trade.sold = level->getEvents().drain();
    trade.paid = level->getBankAccount().getBalance() - before;
    trade.fileText = level->fileText();
    return trade;
}

unsigned UnitsOf(const std::vector<LevelEvent>& events, LevelEvent::Kind kind) {
    unsigned units = 0;
    for (const LevelEvent& event : events)
        units += event.kind == kind ? event.units : 0;
    return units;
}

} // namespace

TEST(AlertEventsTest, ATradeAnnouncesTheTrucksTheUnitsAndThePaidSale) {
    const Trade trade = RunTrade(false);
    EXPECT_EQ(UnitsOf(trade.bought, LevelEvent::UnitsDelivered), 5u);
    EXPECT_EQ(UnitsOf(trade.bought, LevelEvent::SalePaid), 0u);
    ASSERT_FALSE(trade.bought.empty());
    EXPECT_EQ(trade.bought.front().kind, LevelEvent::TruckArrived);
    EXPECT_EQ(UnitsOf(trade.sold, LevelEvent::SalePaid), 3u);
    EXPECT_EQ(UnitsOf(trade.sold, LevelEvent::UnitsDelivered), 0u);

    // The messages join the units of one kind and item.
    EventMessages messages;
    for (const auto* events : {&trade.bought, &trade.sold})
        for (const LevelEvent& event : *events)
            messages.add(event);
    std::vector<std::string> texts;
    double announced = 0.0;
    for (const auto& message : messages.getMessages()) {
        texts.push_back(message.text());
        if (message.event.kind == LevelEvent::SalePaid)
            announced += message.event.money;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Lkw angekommen", "5 × Stahl geliefert",
                                               "Verkauf: 3 × Stahl, +174.00"}));
    EXPECT_NEAR(announced, trade.paid, 1e-6);

    // They fade and go after a few seconds.
    messages.advance(EventMessages::ShownSeconds + EventMessages::FadeSeconds / 2.f);
    EXPECT_GT(messages.getMessages().front().opacity(), 0.f);
    EXPECT_LT(messages.getMessages().front().opacity(), 1.f);
    messages.advance(EventMessages::FadeSeconds);
    EXPECT_TRUE(messages.getMessages().empty());
}

TEST(AlertEventsTest, FindingTheAlertsEveryFrameChangesNothingInTheGame) {
    const Trade quiet = RunTrade(false);
    const Trade watched = RunTrade(true);
    EXPECT_FALSE(quiet.fileText.empty());
    EXPECT_EQ(quiet.fileText, watched.fileText);
    EXPECT_EQ(quiet.paid, watched.paid);
}
