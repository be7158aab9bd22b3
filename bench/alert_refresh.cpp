// Cost of finding the alerts once, as the HUD does a few times per game
// hour, over a saved factory. From build/, with a save written by the
// headless runner:
//   (cat ../bench/factory_50.sim; echo save factory.sav) | ./ostravel-sim --seed 1 -
//   bench/alert_refresh factory.sav [refreshes]
// Prints the median and the 99th percentile per refresh in microseconds and
// the alerts found.

#include "alerts/AlertScan.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "alert_refresh - Aufruf: alert_refresh <spielstand> [anzahl]" << std::endl;
        return 2;
    }
    const int refreshes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
    GameParams::SetTileSizeType(SIZE128PX);
    Level level(nullptr, nullptr, "");
    if (!level.load(argv[1])) {
        std::cout << "alert_refresh - " << argv[1] << " konnte nicht geladen werden." << std::endl;
        return 3;
    }
    std::vector<double> micros;
    std::size_t found = 0;
    for (int i = 0; i < refreshes; ++i) {
        const auto start = std::chrono::steady_clock::now();
        found = FindAlerts(level).size();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double share) {
        return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))];
    };
    std::cout << "refresh_us.p50=" << at(0.5) << "\nrefresh_us.p99=" << at(0.99)
              << "\nalerts=" << found << std::endl;
    return 0;
}
