#pragma once

#include "params/Enums.hpp"

#include <cstddef>
#include <istream>
#include <map>
#include <ostream>
#include <vector>

class GameTime;

// How the factory's money moved and what it made: totals since the start of
// the game, the money of the last days, and what every bench did today. The
// level books into it where money and units move. It only watches: nothing in
// the simulation reads it, so a game plays the same with or without it.
//
// Definitions: FactoryStatistics.cpp (booking, queries),
// FactoryStatisticsRecord.cpp (the save record).
class FactoryStatistics {
public:
    // The word that opens the statistics' record at the end of the level file.
    static constexpr const char* RecordHeader = "FACTORYSTATISTICS";
    // Days of money kept for the history; older days only stay in the totals.
    static constexpr std::size_t HistoryDays = 30;

    // Every amount counts positive, as the player thinks of income and costs.
    struct Money {
        double sales = 0.0;
        double purchases = 0.0;
        double wages = 0.0;
        // Spent on building minus what demolishing refunded.
        double building = 0.0;

        double expenses() const { return purchases + wages + building; }
        double profit() const { return sales - expenses(); }
        bool operator==(const Money& other) const {
            return sales == other.sales && purchases == other.purchases && wages == other.wages &&
                   building == other.building;
        }
    };

    struct Day {
        int index = 0;
        Money money;
    };

    // A bench's day: units it finished and game minutes in each state.
    struct BenchDay {
        unsigned finished = 0;
        float workingMinutes = 0.f;
        float waitingMinutes = 0.f; // for ingredients
        float idleMinutes = 0.f;
        // Not saved: set by work since the last sample, which every update
        // ends with, so a save never falls between the two.
        bool workedSinceSample = false;
    };

    using Counts = std::map<ItemType, std::size_t>;

    // Days since the game's first day, which is 0; 0 without a clock.
    static int DayIndex(const GameTime* clock);

    void clear();

    // One unit loaded onto a truck, and what it was sold for.
    void recordSale(ItemType type, double amount, int day);
    void recordPurchase(ItemType type, unsigned count, double cost, int day);
    void recordWages(double amount, int day);
    void recordBuilding(double cost, int day);
    void recordRefund(double amount, int day);
    void recordFinished(int benchId, ItemType product, unsigned count, int day);
    void recordBenchWorked(int benchId, int day);
    // Books the minutes since the last sample: working if the bench was
    // worked at, else waiting or idle as the level saw it.
    void sampleBench(int benchId, bool waitingForIngredients, float minutes, int day);

    const Money& getTotals() const { return totals; }
    // Zeros for a day that is not kept or saw no money move.
    Money getDay(int day) const;
    // Up to count days ending with today, oldest first, days without
    // bookings as zeros; never before the first day booked.
    std::vector<Day> recentDays(int today, std::size_t count = HistoryDays) const;
    const Counts& getProduced() const { return produced; }
    const Counts& getBought() const { return bought; }
    const Counts& getSold() const { return sold; }
    // The bench's day so far; zeros for a bench that has not been seen today.
    BenchDay getBenchDay(int benchId, int today) const;

    bool save(std::ostream& out) const;
    // Leaves the statistics untouched unless the whole record is read and valid.
    bool load(std::istream& in);

private:
    // Null for a day older than those kept.
    Money* dayMoney(int day);
    void book(double Money::*field, double amount, int day);
    BenchDay& benchEntry(int benchId, int day);

    Money totals;
    Counts produced;
    Counts bought;
    Counts sold;
    std::map<int, Money> days;
    // The day the bench entries belong to; a new day starts them afresh.
    int benchDay = 0;
    std::map<int, BenchDay> benches;
};
