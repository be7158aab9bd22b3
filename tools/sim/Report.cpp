// The report: one key=value per line, sorted by key, in the classic locale.

#include "Runner.hpp"

#include "TypeNames.hpp"
#include "alerts/AlertScan.hpp"
#include "world/MetaZone.hpp"

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

template <class T> std::string Text(const T& value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string Money(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(2) << value;
    return out.str();
}

void AddPrices(std::map<std::string, std::string>& report, const std::string& prefix,
               const std::map<ItemType, float>& prices) {
    for (const auto& [type, price] : prices)
        report[prefix + SimNames::ItemName(type)] = Money(price);
}

void AddCounts(std::map<std::string, std::string>& report, const std::string& prefix,
               const std::map<ItemType, unsigned>& counts) {
    for (const auto& [type, count] : counts)
        report[prefix + SimNames::ItemName(type)] = Text(count);
}

// The statistics' totals, and their unit counts only for items counted at all.
void AddStatistics(std::map<std::string, std::string>& report, const FactoryStatistics& stats) {
    const FactoryStatistics::Money& totals = stats.getTotals();
    report["stats.sales"] = Money(totals.sales);
    report["stats.purchases"] = Money(totals.purchases);
    report["stats.wages"] = Money(totals.wages);
    report["stats.building"] = Money(totals.building);
    const std::pair<const char*, const FactoryStatistics::Counts*> counts[] = {
        {"stats.produced.", &stats.getProduced()},
        {"stats.bought.", &stats.getBought()},
        {"stats.sold.", &stats.getSold()}};
    for (const auto& [prefix, table] : counts)
        for (const auto& [type, count] : *table)
            if (count > 0)
                report[prefix + SimNames::ItemName(type)] = Text(count);
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index =
        std::min(values.size() - 1, static_cast<std::size_t>(share * (values.size() - 1) + 0.5));
    return values[index];
}

} // namespace

std::map<std::string, std::string> Runner::report() {
    std::map<std::string, std::string> report;
    report["minutes"] = Text(clock.getTotal());
    report["year"] = Text(clock.getYear());
    report["season"] = Text(clock.getSeason());
    report["day"] = Text(clock.getDay());
    report["hour"] = Text(clock.getHour());
    report["minute"] = Text(clock.getMinute());
    report["balance"] = Money(level->getBankAccount().getBalance());
    report["employees"] = Text(level->getEmployees().size());
    report["applicants"] = Text(level->getApplicantPool().size());
    report["carried"] = Text(level->carriedUnits());
    report["queue"] = Text(level->getPathFindingQueue().size());
    report["objects"] = Text(level->getGameObjects().size());
    report["surface_objects"] = Text(level->getSurfaceObjects().size());
    report["doors"] = Text(level->getDoors().size());
    const auto& rooms = level->getMetaZones();
    report["rooms"] = Text(rooms.size());
    report["rooms_enclosed"] = Text(std::count_if(
        rooms.begin(), rooms.end(), [](const auto& room) { return room->isEnclosed(); }));
    AddCounts(report, "stored.", level->getStoredItems());
    AddCounts(report, "storeable.", level->getStoreableItemAmounts());
    AddCounts(report, "needing_shipping.", level->getItemsNeedingShippingPreparation());
    AddCounts(report, "ready_for_shipping.", level->getItemsReadyForShipping());
    // The prices the player trades at, as the order and sell dialogs show them.
    AddPrices(report, "market.buy.", level->buyPrices());
    AddPrices(report, "market.sell.", level->sellPrices());
    report["truck"] = Text(level->getActiveTruck() != nullptr ? 1 : 0);
    report["deliveries_pending"] = Text(level->getTruckLogistics().getDeliveryItems().size());
    report["pickups_pending"] = Text(level->getTruckLogistics().getPickUpItems().size());
    report["refused"] = Text(refused);
    AddStatistics(report, level->getStatistics());
    // Found afresh, as the HUD would find them now: one row per kind, with
    // the number of places it concerns.
    const std::vector<Alert> alerts = FindAlerts(*level);
    for (const Alert& alert : alerts)
        report[std::string("alert.") + AlertKindName(alert.kind)] = Text(alert.count());
    report["alerts"] = Text(alerts.size());
    reportResearch(report);
    if (options.profile) {
        double sum = 0;
        for (double sample : updateMicroseconds)
            sum += sample;
        const double frames = static_cast<double>(updateMicroseconds.size());
        report["profile.frames"] = Text(updateMicroseconds.size());
        report["profile.update_us.mean"] = Text(frames > 0 ? sum / frames : 0.0);
        report["profile.update_us.p50"] = Text(Percentile(updateMicroseconds, 0.5));
        report["profile.update_us.p99"] = Text(Percentile(updateMicroseconds, 0.99));
        report["profile.update_us.max"] = Text(Percentile(updateMicroseconds, 1.0));
    }
    return report;
}
