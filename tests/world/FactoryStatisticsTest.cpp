// The statistics against the account and the goods themselves: every
// amount they book is what the balance moved by, every unit is counted once,
// and they come back from the file as they went in.

#include "FactoryBuilding.hpp"
#include "SaveFileTestSupport.hpp"
#include "actors/Employee.hpp"
#include "actors/RecipeTable.hpp"
#include "actors/Truck.hpp"
#include "world/Zone.hpp"

#include <functional>
#include <map>
#include <sstream>

namespace {

using namespace FactoryBuilding;
using Money = FactoryStatistics::Money;
using Units = std::map<ItemType, long long>;

constexpr int FramesPerHour = 200; // 60 game minutes at 0.3 a frame

class FactoryStatisticsTest : public ::testing::Test {
protected:
    void SetUp() override { std::srand(1); }

    Level& level() { return *game.level; }
    double balance() { return level().getBankAccount().getBalance(); }

    // What the action moved the balance by.
    double moved(const std::function<void()>& action) {
        const double before = balance();
        action();
        return balance() - before;
    }

    // The trade scenario's factory by the street, with a second bench that
    // makes steel from nothing beside the one that makes sheet metal of it.
    void build() {
        Tiles(level(), TileFloor, 34, 44, 50, 52);
        for (int row : {43, 47, 49, 53})
            Tiles(level(), TileWall, 33, row, 51, row);
        for (int column : {33, 51})
            Tiles(level(), TileWall, column, 44, column, 52);
        Tiles(level(), TileWall, 42, 44, 42, 46);
        Tiles(level(), TileWall, 42, 50, 42, 52);
        for (int column : {37, 46})
            for (int row : {47, 49, 53})
                Door(level(), column, row);
        Zones(level(), ZoneStorage, 34, 44, 41, 46);
        Zones(level(), ZoneWorkshop, 43, 44, 50, 46);
        Zones(level(), ZoneGoodsIn, 34, 50, 41, 52);
        Zones(level(), ZoneGoodsOut, 43, 50, 50, 52);
        Bench(level(), 46, 45, ItemSheetMetal);
        Bench(level(), 44, 45, ItemSteel);
        // A spare bench, to be torn down again.
        Bench(level(), 49, 45, ItemNone);
    }

    // Runs the game as its frames do, selling what can be sold every game
    // hour, and books every change of the balance to what caused it.
    void run(int hours) {
        for (int hour = 0; hour < hours; ++hour) {
            for (int frame = 0; frame < FramesPerHour; ++frame) {
                // Only loaded units move the balance while the level runs.
                bool newDay = false;
                expected.sales += moved([&] { newDay = advanceFrame(); });
                if (newDay)
                    expected.wages -= moved([&] { level().payWages(); });
            }
            sellWhatIsHeld();
            expectEveryUnitCountedOnce();
        }
    }

    void sellWhatIsHeld() {
        const StockMarket& market = level().getStockMarket();
        const auto requests = market.getItemRequests();
        for (const auto& [type, held] : level().sellableItems()) {
            const auto demand = requests.find(type);
            if (demand == requests.end() || demand->second == 0 || held == 0)
                continue;
            const unsigned count =
                static_cast<unsigned>(std::min<std::size_t>(held, demand->second));
            ASSERT_TRUE(level().sellItems(type, count, market.getItemSellPrices().at(type)));
        }
    }

    void buy(ItemType type, unsigned count) {
        const float price = level().getStockMarket().getItemBuyPrices().at(type);
        expected.purchases -= moved([&] { ASSERT_TRUE(level().buyItems(price, type, count)); });
    }

    // One frame of the clock and the level; true when a new day began.
    bool advanceFrame() {
        const double perSecond = game.clock.getMinutesPerSecond() * game.clock.getSpeedFactor();
        const sf::Time elapsed = sf::microseconds(std::llround(0.3 / perSecond * 1e6));
        game.clock.advance(elapsed);
        const float minutes = static_cast<float>(elapsed.asSeconds() * perSecond);
        if (level().statisticsDay() != sampledDay) {
            sampledDay = level().statisticsDay();
            minutesToday = 0.f;
        }
        minutesToday += minutes;
        level().update(minutes);
        return game.clock.dayPassed();
    }

    // Units of each item anywhere in the factory, in its hands or on order.
    Units present() {
        Units units;
        for (int row = 0; row < level().getHeight(); ++row)
            for (int column = 0; column < level().getWidth(); ++column) {
                const Zone& zone = *level().getZoneAt(column, row);
                units[zone.getStoredType()] += static_cast<long long>(zone.getStoredItems().size());
            }
        for (const auto& object : level().getGameObjects())
            for (const auto* items : {&object->getIngredientInput(), &object->getIngredientsInUse(),
                                      &object->getProducedItemOutput()})
                for (const auto& [type, list] : *items)
                    units[type] += static_cast<long long>(list.size());
        auto carried = [&units](const Employee* employee) {
            if (employee != nullptr && employee->isCarrying() && employee->getCarriedItem())
                units[employee->getCarriedItem()->getType()] += employee->getCarriedAmount();
        };
        for (const auto& employee : level().getEmployees())
            carried(employee.get());
        if (const Truck* truck = level().getActiveTruck())
            carried(truck->getDriver());
        for (auto order = level().getTruckLogistics().getDeliveryItems(); !order.empty();
             order.pop())
            units[order.front()] += 1;
        return units;
    }

    // What was made or bought is still here, was sold, or went into a product.
    void expectEveryUnitCountedOnce() {
        const FactoryStatistics& stats = level().getStatistics();
        Units accounted = present();
        for (const auto& [type, count] : stats.getSold())
            accounted[type] += static_cast<long long>(count);
        for (const auto& [product, count] : stats.getProduced())
            for (const auto& [ingredient, needed] : GameParams::GetRecipe(product).ingredients)
                accounted[ingredient] += static_cast<long long>(count * needed);
        Units arrived;
        for (const auto* counts : {&stats.getProduced(), &stats.getBought()})
            for (const auto& [type, count] : *counts)
                arrived[type] += static_cast<long long>(count);
        accounted.erase(ItemNone);
        for (auto* units : {&accounted, &arrived})
            for (auto entry = units->begin(); entry != units->end();)
                entry = entry->second == 0 ? units->erase(entry) : std::next(entry);
        ASSERT_EQ(arrived, accounted);
    }

    void expectStatisticsMatchTheBalance() {
        const Money& totals = level().getStatistics().getTotals();
        EXPECT_NEAR(totals.building, expected.building, 1e-6);
        EXPECT_NEAR(totals.purchases, expected.purchases, 1e-6);
        EXPECT_NEAR(totals.wages, expected.wages, 1e-6);
        EXPECT_NEAR(totals.sales, expected.sales, 1e-6);
        // The days kept add up to the totals while the game is young.
        Money days;
        for (const auto& day : level().getStatistics().recentDays(level().statisticsDay())) {
            days.sales += day.money.sales;
            days.purchases += day.money.purchases;
            days.wages += day.money.wages;
            days.building += day.money.building;
        }
        EXPECT_NEAR(days.profit(), totals.profit(), 1e-6);
        EXPECT_NEAR(days.wages, totals.wages, 1e-6);
    }

    Money expected;
    SaveFileTest::TestGame game;
    int sampledDay = -1;
    float minutesToday = 0.f;
};

} // namespace

TEST_F(FactoryStatisticsTest, BookWhatTheBalanceMovedAndCountEveryUnitOnce) {
    expected.building = -moved([&] { build(); });
    ASSERT_GT(expected.building, 0.0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(level().hireApplicant(0));
    buy(ItemSteel, 4);
    run(12);
    // The spare bench torn down: its refund lowers what building cost.
    expected.building -= moved([&] { ASSERT_TRUE(level().sellObject(Px(49), Px(45))); });
    buy(ItemSteel, 2);
    run(14);
    expectStatisticsMatchTheBalance();

    const FactoryStatistics& stats = level().getStatistics();
    EXPECT_GT(stats.getTotals().sales, 0.0);
    EXPECT_GT(stats.getTotals().wages, 0.0);
    EXPECT_EQ(stats.getBought().at(ItemSteel), 6u);
    EXPECT_GT(stats.getProduced().at(ItemSheetMetal), 0u);
    EXPECT_GT(stats.getSold().at(ItemSheetMetal), 0u);
    // Each bench's day is split into working, waiting and idle minutes.
    const int today = level().statisticsDay();
    float worked = 0.f;
    for (const auto& object : level().getGameObjects()) {
        if (!object->isProducer())
            continue;
        const FactoryStatistics::BenchDay bench = stats.getBenchDay(object->getId(), today);
        EXPECT_NEAR(bench.workingMinutes + bench.waitingMinutes + bench.idleMinutes, minutesToday,
                    0.01f);
        worked += bench.workingMinutes;
    }
    EXPECT_GT(worked, 0.f);

    // Saved and loaded, they are the same and write the same file again.
    const std::string saved = game.content();
    std::istringstream in(saved);
    in.imbue(std::locale::classic());
    ASSERT_TRUE(level().readFrom(in));
    EXPECT_EQ(level().getStatistics().getTotals(), stats.getTotals());
    EXPECT_EQ(level().getStatistics().getSold(), stats.getSold());
    EXPECT_EQ(game.content(), saved);
    // And they go on counting from there.
    run(10);
    expectStatisticsMatchTheBalance();
}

TEST_F(FactoryStatisticsTest, AFileFromBeforeTheStatisticsLoadsWithNone) {
    ASSERT_TRUE(game.load(OSTRAVEL_FUZZ_CORPUS "/small_second_day"));
    const FactoryStatistics& stats = level().getStatistics();
    EXPECT_EQ(stats.getTotals(), Money());
    EXPECT_TRUE(stats.getProduced().empty() && stats.getBought().empty() &&
                stats.getSold().empty());
    // The level's own money history begins with the day it was loaded on.
    EXPECT_EQ(stats.recentDays(level().statisticsDay()).size(), 1u);
}

TEST_F(FactoryStatisticsTest, ABrokenRecordFailsTheLoad) {
    build();
    ASSERT_TRUE(level().hireApplicant(0));
    buy(ItemSteel, 2);
    run(3);
    const std::string good = game.content();
    const std::size_t record = good.find("FACTORYSTATISTICS 0.1 ");
    ASSERT_NE(record, std::string::npos);
    const std::string head = good.substr(0, record);
    const std::string body = good.substr(record + 22);
    const std::string broken[] = {
        head + "FACTORYSTATISTICS 0.2 " + body,
        head + "STATISTICS 0.1 " + body,
        head + "FACTORYSTATISTICS 0.1 -1 " + body.substr(body.find(' ') + 1),
        head + "FACTORYSTATISTICS 0.1 nan " + body.substr(body.find(' ') + 1),
        good.substr(0, good.rfind(' ')),
    };
    for (const std::string& text : broken) {
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        EXPECT_FALSE(level().readFrom(in)) << text.substr(record);
    }
}
