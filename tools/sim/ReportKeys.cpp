// The keys a script may expect: the report's own, and the families named by
// an item, an alert kind or a research project. A typo is a script error
// rather than a key that is absent and counts as 0.

#include "Expectation.hpp"

#include "TypeNames.hpp"
#include "alerts/Alert.hpp"
#include "research/ResearchProjects.hpp"

#include <set>

namespace {

bool HasPrefix(const std::string& key, const std::string& prefix, std::string& rest) {
    if (key.compare(0, prefix.size(), prefix) != 0)
        return false;
    rest = key.substr(prefix.size());
    return true;
}

bool IsAlertKindName(const std::string& name) {
    for (int kind = 0; kind < AlertKindCount; ++kind)
        if (name == AlertKindName(static_cast<AlertKind>(kind)))
            return true;
    return false;
}

} // namespace

bool IsReportKey(const std::string& key) {
    static const std::set<std::string> Fixed = {"minutes",
                                                "year",
                                                "season",
                                                "day",
                                                "hour",
                                                "minute",
                                                "balance",
                                                "employees",
                                                "applicants",
                                                "objects",
                                                "surface_objects",
                                                "doors",
                                                "rooms",
                                                "rooms_enclosed",
                                                "carried",
                                                "queue",
                                                "truck",
                                                "deliveries_pending",
                                                "pickups_pending",
                                                "refused",
                                                "alerts",
                                                "stats.sales",
                                                "stats.purchases",
                                                "stats.wages",
                                                "stats.building",
                                                "research.points",
                                                "research.active",
                                                "research.done",
                                                "profile.frames",
                                                "profile.update_us.mean",
                                                "profile.update_us.p50",
                                                "profile.update_us.p99",
                                                "profile.update_us.max"};
    if (Fixed.count(key) > 0)
        return true;
    static const char* const ItemFamilies[] = {
        "stored.",     "storeable.",   "needing_shipping.", "ready_for_shipping.",
        "market.buy.", "market.sell.", "stats.produced.",   "stats.bought.",
        "stats.sold."};
    std::string rest;
    for (const char* family : ItemFamilies)
        if (HasPrefix(key, family, rest))
            return SimNames::ParseItem(rest).has_value();
    if (HasPrefix(key, "alert.", rest))
        return IsAlertKindName(rest);
    if (HasPrefix(key, "research.done.", rest))
        return Research::FindByKey(rest) != nullptr;
    return false;
}
