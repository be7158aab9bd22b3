#pragma once

#include "ui/MenuMoneyChart.hpp"
#include "ui/MenuTable.hpp"

#include <string>
#include <vector>

class Level;

// What the statistics dialog shows, as the rows of its tables and the days
// of its chart: read from the level, written in German and in the player's
// own number format.
namespace StatisticsRows {

// Two decimals in the player's locale, as the balance is shown.
std::string MoneyText(double amount);

std::vector<MenuTable::Column> DayColumns();
// The totals since the start, today, then the days before, newest first.
std::vector<MenuTable::Row> DayRows(const Level& level);
std::vector<MenuTable::Column> ItemColumns();
// Every item made, bought or sold at all, in item order.
std::vector<MenuTable::Row> ItemRows(const Level& level);
std::vector<MenuMoneyChart::Day> ChartDays(const Level& level);

std::vector<MenuTable::Column> BenchColumns();
// Every bench in the order it was built: its product and today's work.
std::vector<MenuTable::Row> BenchRows(const Level& level);

} // namespace StatisticsRows
