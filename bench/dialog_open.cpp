// Time to open each of the ten dialogs of a running game, the price chart
// over several years of market history included. Each dialog is opened and
// closed several times; the median and the slowest opening are printed.
// Needs a display: run it from build/ as `xvfb-run -a bench/dialog_open`.

#include "app/Game.hpp"

#include "actors/GameObject.hpp"

#include <SFML/System/Clock.hpp>

#include <algorithm>
#include <functional>
#include <iostream>
#include <utility>
#include <vector>

namespace {

constexpr int MarketYears = 5;
constexpr int Employees = 20;
constexpr int Openings = 7;

// Years of market history, recorded as the level would in frames of ten game
// minutes.
void AgeMarket(Level& level, int years) {
    const float minutesPerYear = 4.f * 30.f * 24.f * 60.f;
    const float step = 10.f;
    StockMarket& market = level.getStockMarket();
    for (float total = 0.f; total < years * minutesPerYear; total += step)
        market.update(step, total);
}

} // namespace

int main() {
    Game game;
    if (!game.loadAssets() || !game.init())
        return 1;
    Level& level = *game.getLevel();
    for (int hired = 0; hired < Employees; ++hired)
        level.addEmployee();
    AgeMarket(level, MarketYears);
    level.setTile(TileFloor, 10, 10);
    level.placeObject(ObjectWorkbench, 10, 10, 0.f);
    GameObject* bench = level.getObjectAtMapPosition(10, 10);
    std::cout << "market history: " << level.getStockMarket().getItemBuyPriceHistory().size()
              << " buy points, " << level.getStockMarket().getItemSellPriceHistory().size()
              << " sell points over " << MarketYears << " years; " << Employees
              << " employees; median and slowest of " << Openings << " openings\n";

    const std::vector<std::pair<const char*, std::function<bool()>>> dialogs = {
        {"main menu", [&] { return game.openMainMenu(); }},
        {"save", [&] { return game.openSaveMenu(); }},
        {"load", [&] { return game.openLoadMenu(); }},
        {"production", [&] { return game.openProductionMenu(bench); }},
        {"order", [&] { return game.openOrderMenu(); }},
        {"sell", [&] { return game.openSellMenu(); }},
        {"prices", [&] { return game.openPriceMenu(); }},
        {"labour market", [&] { return game.openLabourMarketMenu(); }},
        {"dismissal", [&] { return game.openDismissMenu(); }},
        {"staff", [&] { return game.openStaffMenu(); }},
    };
    for (const auto& [name, open] : dialogs) {
        std::vector<double> times;
        bool opened = true;
        for (int round = 0; round < Openings; ++round) {
            sf::Clock clock;
            opened = open() && opened;
            times.push_back(clock.getElapsedTime().asMicroseconds() / 1000.0);
            game.closeTopMenu();
        }
        std::sort(times.begin(), times.end());
        std::cout << name << ": " << times[times.size() / 2] << " ms (slowest " << times.back()
                  << " ms)" << (opened ? "" : " (not opened)") << '\n';
    }
    std::cout.flush();
    return 0;
}
