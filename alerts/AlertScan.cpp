#include "alerts/AlertScan.hpp"

#include "alerts/AlertChecks.hpp"
#include "alerts/ReachMap.hpp"
#include "world/Level.hpp"

#include <algorithm>

std::vector<Alert> FindAlerts(const Level& level) {
    std::vector<Alert> alerts;
    const ReachMap reach(level);
    AlertChecks::Rooms(level, reach, alerts);
    AlertChecks::Benches(level, alerts);
    AlertChecks::Storage(level, alerts);
    AlertChecks::UnservedNeeds(level, reach, alerts);
    AlertChecks::UnusableObjects(level, alerts);
    AlertChecks::Deliveries(level, reach, alerts);
    AlertChecks::PickUps(level, reach, alerts);
    AlertChecks::Staff(level, alerts);
    AlertChecks::Research(level, alerts);
    if (level.getBankAccount().getBalance() < 0.0)
        AlertChecks::Add(alerts, AlertKind::BalanceNegative, "Konto im Minus", {});
    std::stable_sort(alerts.begin(), alerts.end(), [](const Alert& a, const Alert& b) {
        return static_cast<int>(a.kind) < static_cast<int>(b.kind);
    });
    return alerts;
}
