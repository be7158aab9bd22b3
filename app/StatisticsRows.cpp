#include "app/StatisticsRows.hpp"

#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <set>
#include <sstream>

namespace {

using Money = FactoryStatistics::Money;
using Cell = MenuTable::Cell;
using Row = MenuTable::Row;

const sf::Color WorkingColour(64, 168, 80);
const sf::Color WaitingColour(236, 160, 40);
const sf::Color IdleColour(170, 174, 184);

const sf::Color LossColour(190, 30, 30);
const sf::Color GainColour(20, 120, 40);

Row MoneyRow(const std::string& day, const Money& money, bool emphasised) {
    using StatisticsRows::MoneyText;
    Cell profit(MoneyText(money.profit()));
    if (profit.text != MoneyText(0.0))
        profit.colour = money.profit() < 0.0 ? LossColour : GainColour;
    return {{{day},
             {MoneyText(money.sales)},
             {MoneyText(money.purchases)},
             {MoneyText(money.wages)},
             {MoneyText(money.building)},
             profit},
            emphasised};
}

std::string CountText(std::size_t count) {
    return std::to_string(count);
}

std::size_t CountOf(const FactoryStatistics::Counts& counts, ItemType type) {
    const auto found = counts.find(type);
    return found == counts.end() ? 0 : found->second;
}

// A share of the day in whole percent; a dash before any time has passed.
std::string PercentText(float part, float whole) {
    if (whole <= 0.f)
        return "–";
    return std::to_string(static_cast<int>(std::lround(100.f * part / whole))) + " %";
}

std::string ProductText(const GameObject& bench) {
    const Recipe& recipe = bench.getCurrentRecipe();
    if (!recipe.isValid())
        return "keine Produktion";
    return GameParams::Texts::GetItemTypeName(recipe.resultingItems.begin()->first);
}

} // namespace

namespace StatisticsRows {

std::string MoneyText(double amount) {
    std::ostringstream text;
    // Rounding noise must not show a loss of "-0,00".
    text << std::fixed << std::setprecision(2) << (std::fabs(amount) < 0.005 ? 0.0 : amount);
    return text.str();
}

std::vector<MenuTable::Column> DayColumns() {
    using Table = MenuTable;
    return {{"Tag", 1.5f, Table::AlignLeft},      {"Einnahmen", 1.25f, Table::AlignRight},
            {"Einkauf", 1.2f, Table::AlignRight}, {"Löhne", 1.2f, Table::AlignRight},
            {"Bau", 1.15f, Table::AlignRight},    {"Gewinn", 1.25f, Table::AlignRight}};
}

std::vector<MenuTable::Row> DayRows(const Level& level) {
    const FactoryStatistics& stats = level.getStatistics();
    const int today = level.statisticsDay();
    std::vector<Row> rows{MoneyRow("Gesamt", stats.getTotals(), true)};
    std::vector<FactoryStatistics::Day> days = stats.recentDays(today);
    std::reverse(days.begin(), days.end());
    for (const FactoryStatistics::Day& day : days) {
        const std::string label =
            day.index == today ? "Heute" : GameTime::dayText(static_cast<unsigned>(day.index));
        rows.push_back(MoneyRow(label, day.money, false));
    }
    return rows;
}

std::vector<MenuTable::Column> ItemColumns() {
    using Table = MenuTable;
    return {{"Ware", 1.7f, Table::AlignLeft},
            {"Hergestellt", 1.2f, Table::AlignRight},
            {"Gekauft", 1.f, Table::AlignRight},
            {"Verkauft", 1.f, Table::AlignRight}};
}

std::vector<MenuTable::Row> ItemRows(const Level& level) {
    const FactoryStatistics& stats = level.getStatistics();
    std::set<ItemType> items;
    for (const auto* counts : {&stats.getProduced(), &stats.getBought(), &stats.getSold()})
        for (const auto& [type, count] : *counts)
            if (count > 0)
                items.insert(type);
    std::vector<Row> rows;
    for (ItemType type : items)
        rows.push_back({{{GameParams::Texts::GetItemTypeName(type)},
                         {CountText(CountOf(stats.getProduced(), type))},
                         {CountText(CountOf(stats.getBought(), type))},
                         {CountText(CountOf(stats.getSold(), type))}}});
    if (rows.empty())
        rows.push_back({{{"Noch nichts"}, {"0"}, {"0"}, {"0"}}});
    return rows;
}

std::vector<MenuMoneyChart::Day> ChartDays(const Level& level) {
    std::vector<MenuMoneyChart::Day> days;
    const int today = level.statisticsDay();
    for (const auto& day : level.getStatistics().recentDays(today)) {
        const Money& money = day.money;
        days.push_back(
            {day.index == today ? "Heute" : GameTime::dayText(static_cast<unsigned>(day.index)),
             money.sales, money.expenses(), money.profit()});
    }
    return days;
}

std::vector<MenuTable::Column> BenchColumns() {
    using Table = MenuTable;
    return {{"Werkbank", 1.1f, Table::AlignLeft},
            {"Stellt her", 1.5f, Table::AlignLeft},
            {"Heute fertig", 1.1f, Table::AlignRight},
            {"Arbeitet", 1.f, Table::AlignRight, WorkingColour},
            {"Wartet auf Zutaten", 1.7f, Table::AlignRight, WaitingColour},
            {"Ohne Arbeit", 1.15f, Table::AlignRight, IdleColour},
            {"Anteile am Tag", 2.f, Table::AlignLeft}};
}

std::vector<MenuTable::Row> BenchRows(const Level& level) {
    std::vector<const GameObject*> benches;
    for (const auto& object : level.getGameObjects())
        if (object->isProducer())
            benches.push_back(object.get());
    // Numbered as they were built, however they are sorted for drawing.
    std::sort(benches.begin(), benches.end(),
              [](const GameObject* a, const GameObject* b) { return a->getId() < b->getId(); });
    const int today = level.statisticsDay();
    std::vector<Row> rows;
    for (std::size_t i = 0; i < benches.size(); ++i) {
        const FactoryStatistics::BenchDay day =
            level.getStatistics().getBenchDay(benches[i]->getId(), today);
        const float whole = day.workingMinutes + day.waitingMinutes + day.idleMinutes;
        Cell bar;
        bar.shares = {{day.workingMinutes, WorkingColour},
                      {day.waitingMinutes, WaitingColour},
                      {day.idleMinutes, IdleColour}};
        rows.push_back({{{"Werkbank " + std::to_string(i + 1)},
                         {ProductText(*benches[i])},
                         {std::to_string(day.finished)},
                         {PercentText(day.workingMinutes, whole)},
                         {PercentText(day.waitingMinutes, whole)},
                         {PercentText(day.idleMinutes, whole)},
                         bar}});
    }
    if (rows.empty())
        rows.push_back({{{"–"}, {"noch keine gebaut"}}});
    return rows;
}

} // namespace StatisticsRows
