// Time to open each dialog of a running game, the price chart over a long
// market history included. Needs a display: run it from build/ as
// `xvfb-run -a bench/dialog_open`.

#include "app/Game.hpp"

#include <SFML/System/Clock.hpp>

#include <functional>
#include <iostream>
#include <utility>
#include <vector>

namespace {

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
    for (int hired = 0; hired < 20; ++hired)
        level.addEmployee();
    AgeMarket(level, 5);
    std::cout << "market history: " << level.getStockMarket().getItemBuyPriceHistory().size()
              << " buy points, " << level.getStockMarket().getItemSellPriceHistory().size()
              << " sell points; 20 employees\n";

    const std::vector<std::pair<const char*, std::function<bool()>>> dialogs = {
        {"main menu", [&] { return game.openMainMenu(); }},
        {"save", [&] { return game.openSaveMenu(); }},
        {"load", [&] { return game.openLoadMenu(); }},
        {"order", [&] { return game.openOrderMenu(); }},
        {"sell", [&] { return game.openSellMenu(); }},
        {"prices", [&] { return game.openPriceMenu(); }},
        {"labour market", [&] { return game.openLabourMarketMenu(); }},
        {"dismissal", [&] { return game.openDismissMenu(); }},
        {"staff", [&] { return game.openStaffMenu(); }},
    };
    for (const auto& [name, open] : dialogs) {
        sf::Clock clock;
        const bool opened = open();
        const sf::Time took = clock.getElapsedTime();
        game.closeTopMenu();
        std::cout << name << ": " << took.asMicroseconds() / 1000.0 << " ms"
                  << (opened ? "" : " (not opened)") << '\n';
    }
    std::cout.flush();
    return 0;
}
