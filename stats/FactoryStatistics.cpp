#include "stats/FactoryStatistics.hpp"

#include "economy/GameTime.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A broken price must not turn a total into a value the file cannot hold.
bool IsBookable(double amount) {
    return std::isfinite(amount) && amount >= 0.0;
}

} // namespace

int FactoryStatistics::DayIndex(const GameTime* clock) {
    if (clock == nullptr) {
        return 0;
    }
    const unsigned days = clock->getDaysSinceStart();
    return static_cast<int>(std::min<unsigned>(days, std::numeric_limits<int>::max()));
}

void FactoryStatistics::clear() {
    *this = FactoryStatistics();
}

FactoryStatistics::Money* FactoryStatistics::dayMoney(int day) {
    const int kept = static_cast<int>(HistoryDays);
    // A day older than those kept books into the totals alone.
    if (!days.empty() && day <= days.rbegin()->first - kept) {
        return nullptr;
    }
    Money& money = days[day];
    while (days.begin()->first <= days.rbegin()->first - kept) {
        days.erase(days.begin());
    }
    return &money;
}

void FactoryStatistics::book(double Money::*field, double amount, int day) {
    totals.*field += amount;
    if (Money* money = dayMoney(day)) {
        money->*field += amount;
    }
}

void FactoryStatistics::recordSale(ItemType type, double amount, int day) {
    ++sold[type];
    if (IsBookable(amount)) {
        book(&Money::sales, amount, day);
    }
}

void FactoryStatistics::recordPurchase(ItemType type, unsigned count, double cost, int day) {
    if (count == 0 || !IsBookable(cost)) {
        return;
    }
    bought[type] += count;
    book(&Money::purchases, cost, day);
}

void FactoryStatistics::recordWages(double amount, int day) {
    if (IsBookable(amount)) {
        book(&Money::wages, amount, day);
    }
}

void FactoryStatistics::recordBuilding(double cost, int day) {
    if (IsBookable(cost)) {
        book(&Money::building, cost, day);
    }
}

void FactoryStatistics::recordRefund(double amount, int day) {
    // Building counts what it cost net of refunds.
    if (IsBookable(amount)) {
        book(&Money::building, -amount, day);
    }
}

FactoryStatistics::BenchDay& FactoryStatistics::benchEntry(int benchId, int day) {
    if (day != benchDay) {
        benches.clear();
        benchDay = day;
    }
    return benches[benchId];
}

void FactoryStatistics::recordFinished(int benchId, ItemType product, unsigned count, int day) {
    produced[product] += count;
    benchEntry(benchId, day).finished += count;
}

void FactoryStatistics::recordBenchWorked(int benchId, int day) {
    benchEntry(benchId, day).workedSinceSample = true;
}

void FactoryStatistics::sampleBench(int benchId, bool waitingForIngredients, float minutes,
                                    int day) {
    BenchDay& bench = benchEntry(benchId, day);
    if (!std::isfinite(minutes) || minutes < 0.f) {
        minutes = 0.f;
    }
    if (bench.workedSinceSample) {
        bench.workingMinutes += minutes;
    } else if (waitingForIngredients) {
        bench.waitingMinutes += minutes;
    } else {
        bench.idleMinutes += minutes;
    }
    bench.workedSinceSample = false;
}

FactoryStatistics::Money FactoryStatistics::getDay(int day) const {
    const auto found = days.find(day);
    return found == days.end() ? Money() : found->second;
}

std::vector<FactoryStatistics::Day> FactoryStatistics::recentDays(int today,
                                                                  std::size_t count) const {
    std::vector<Day> recent;
    if (count == 0) {
        return recent;
    }
    int first = today - static_cast<int>(std::min(count, HistoryDays)) + 1;
    first = std::max(first, days.empty() ? today : std::min(days.begin()->first, today));
    for (int day = std::max(first, 0); day <= today; ++day) {
        recent.push_back({day, getDay(day)});
    }
    return recent;
}

FactoryStatistics::BenchDay FactoryStatistics::getBenchDay(int benchId, int today) const {
    if (today != benchDay) {
        return {};
    }
    const auto found = benches.find(benchId);
    return found == benches.end() ? BenchDay() : found->second;
}
