#include "economy/StockMarket.hpp"

#include "params/Random.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

void StockMarket::update(float dt, float gameMinutes) {
    // Time never runs backwards for the market: prices would drift away from
    // their targets and timers would grow.
    if (!(dt > 0.f)) {
        dt = 0.f;
    }
    if (!initialised) {
        initialise();
    }
    if (period < 0.f) {
        drawNewTargets(gameMinutes);
    }
    moveTowards(targetSellPrices, itemSellPrices, dt);
    moveTowards(targetBuySpreads, itemBuySpreads, dt);
    period -= dt;
    if (period <= 0.f) {
        period = -1.f;
    }
    refill({itemRequests, itemRequestsRefresh, itemRequestsTimer, initItemRequests}, dt);
    refill({itemAvailability, itemAvailabilityRefresh, itemAvailabilityTimer, initItemAvailability},
           dt);
}

void StockMarket::drawNewTargets(float gameMinutes) {
    // The chart keeps the prices that were left behind.
    itemSellPriceHistory[marketClock] = itemSellPrices;
    drawTargets(sellFluctuation, itemSellPrices, initItemSellPrices, targetSellPrices);
    // A key that is not a number would break the history's ordering.
    const float buyKey = std::isfinite(gameMinutes) ? gameMinutes : 0.f;
    itemBuyPriceHistory[buyKey] = getItemBuyPrices();
    drawTargets(spreadFluctuation, itemBuySpreads, initItemBuySpreads, targetBuySpreads);
    drawPeriod();
}

void StockMarket::drawTargets(const Fluctuation& fluctuation, const PriceTable& current,
                              const PriceTable& start, PriceTable& targets) {
    targets.clear();
    const long long down = fluctuation.down;
    const long long up = fluctuation.up;
    const float divisor = fluctuation.divisor;
    for (const auto& [type, value] : current) {
        // The order of the draws is part of the game: per type in ascending
        // order, a first, then b.
        const long long a = GameParams::Random();
        const long long b = GameParams::Random();
        const long long step = b % down + a % (up + 1) - down;
        float target = value * ((static_cast<float>(step) / divisor) + 100.f) / 100.f;
        // The band is around the starting value, so a price can wander only
        // so far from it however many periods pass.
        const auto startValue = start.find(type);
        if (startValue != start.end()) {
            const float lowest = startValue->second * (100.f - down / divisor) / 100.f;
            const float highest = startValue->second * (up / divisor + 100.f) / 100.f;
            target = std::max(lowest, std::min(target, highest));
        }
        target = keepCents(target);
        targets[type] = isSaneAmount(target) ? target : value;
    }
}

void StockMarket::drawPeriod() {
    const int range = static_cast<int>(std::floor(periodSpread * 1000.f));
    period = static_cast<float>(GameParams::Random() % range) / 1000.f + meanPeriod -
             periodSpread * 0.5f;
    marketClock += period;
}

void StockMarket::moveTowards(const PriceTable& targets, PriceTable& values, float dt) const {
    for (const auto& [type, target] : targets) {
        const auto found = values.find(type);
        if (found == values.end()) {
            continue;
        }
        float& value = found->second;
        // Reaches the target exactly when the period runs out.
        const float moved =
            keepCents(dt > period ? target : value + (target - value) / period * dt);
        value = isSaneAmount(moved) ? moved : target;
    }
}

void StockMarket::refill(Stock stock, float dt) {
    for (auto& [type, count] : stock.count) {
        const auto interval = stock.refresh.find(type);
        if (interval == stock.refresh.end()) {
            continue;
        }
        auto timer = stock.timer.find(type);
        if (timer == stock.timer.end()) {
            timer = stock.timer.emplace(type, interval->second).first;
        }
        timer->second -= dt;
        if (timer->second > 0.f) {
            continue;
        }
        // At the cap the timer stays run out, so the first unit sold is
        // replaced at once.
        const auto cap = stock.cap.find(type);
        const std::size_t limit =
            cap == stock.cap.end() ? std::numeric_limits<std::size_t>::max() : cap->second;
        if (count < limit) {
            ++count;
            timer->second = interval->second;
        }
    }
}
