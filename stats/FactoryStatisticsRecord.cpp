// The statistics' save record. It comes last in the level file; the files
// written before it existed simply end without it.

#include "stats/FactoryStatistics.hpp"

#include "params/ItemTypes.hpp"
#include "persist/Codecs.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <iostream>
#include <limits>
#include <string>

namespace {

// Stored in save files.
constexpr float RecordVersion = 0.1f;
// Far more benches than any map can hold; it bounds what a file can ask for.
constexpr std::size_t MaxBenches = 1u << 20;

using GameParams::Save::Exact;

void Report(const std::string& message) {
    std::cout << "FactoryStatistics::load() - " << message << std::endl;
}

void WriteMoney(std::ostream& out, const FactoryStatistics::Money& money) {
    out << Exact<double>{money.sales} << ' ' << Exact<double>{money.purchases} << ' '
        << Exact<double>{money.wages} << ' ' << Exact<double>{money.building};
}

// Income and costs are never negative; building is net of refunds and may
// be, after refunds for what was built before the statistics were kept.
bool ReadMoney(std::istream& in, FactoryStatistics::Money& money) {
    if (!(in >> money.sales >> money.purchases >> money.wages >> money.building)) {
        return false;
    }
    auto positive = [](double value) { return std::isfinite(value) && value >= 0.0; };
    return positive(money.sales) && positive(money.purchases) && positive(money.wages) &&
           std::isfinite(money.building);
}

bool ReadCounts(std::istream& in, FactoryStatistics::Counts& counts) {
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, counts)) {
        return false;
    }
    for (const auto& [type, count] : counts) {
        if (type == ItemNone || !GameParams::IsItemType(type) || count == 0) {
            return false;
        }
    }
    return true;
}

bool IsMinutes(float value) {
    return std::isfinite(value) && value >= 0.f;
}

} // namespace

bool FactoryStatistics::save(std::ostream& out) const {
    namespace Save = GameParams::Save;
    out << FactoryStatistics::RecordHeader << ' ' << RecordVersion << ' ';
    WriteMoney(out, totals);
    for (const Counts* counts : {&produced, &bought, &sold}) {
        out << ' ';
        Save::MapOfItemTypeAndSizeT(*counts, out);
    }
    out << ' ' << days.size();
    for (const auto& [day, money] : days) {
        out << ' ' << day << ' ';
        WriteMoney(out, money);
    }
    out << ' ' << benchDay << ' ' << benches.size();
    for (const auto& [id, bench] : benches) {
        out << ' ' << id << ' ' << bench.finished << ' ' << Exact<float>{bench.workingMinutes}
            << ' ' << Exact<float>{bench.waitingMinutes} << ' ' << Exact<float>{bench.idleMinutes};
    }
    return !out.fail();
}

bool FactoryStatistics::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "FactoryStatistics::load()",
                                       FactoryStatistics::RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    FactoryStatistics loaded;
    if (!ReadMoney(in, loaded.totals)) {
        Report("Summen ungueltig!");
        return false;
    }
    for (Counts* counts : {&loaded.produced, &loaded.bought, &loaded.sold}) {
        if (!ReadCounts(in, *counts)) {
            Report("Stueckzahlen ungueltig!");
            return false;
        }
    }
    std::size_t dayCount = 0;
    if (!(in >> dayCount) || dayCount > HistoryDays) {
        Report("Tage ungueltig!");
        return false;
    }
    // In order, none older than the history keeps behind the newest.
    int previous = -1;
    for (std::size_t i = 0; i < dayCount; ++i) {
        int day = 0;
        Money money;
        if (!(in >> day) || day <= previous || !ReadMoney(in, money)) {
            Report("Tage ungueltig!");
            return false;
        }
        loaded.days.emplace(day, money);
        previous = day;
    }
    if (!loaded.days.empty() &&
        loaded.days.begin()->first <= previous - static_cast<int>(HistoryDays)) {
        Report("Tage ungueltig!");
        return false;
    }
    std::size_t benchCount = 0;
    if (!(in >> loaded.benchDay >> benchCount) || loaded.benchDay < 0 || benchCount > MaxBenches) {
        Report("Maschinen ungueltig!");
        return false;
    }
    int previousId = -1;
    for (std::size_t i = 0; i < benchCount; ++i) {
        int id = 0;
        // Read wide: a negative count would wrap round in an unsigned.
        long long finished = 0;
        BenchDay bench;
        if (!(in >> id >> finished >> bench.workingMinutes >> bench.waitingMinutes >>
              bench.idleMinutes) ||
            id <= previousId || finished < 0 || finished > std::numeric_limits<unsigned>::max() ||
            !IsMinutes(bench.workingMinutes) || !IsMinutes(bench.waitingMinutes) ||
            !IsMinutes(bench.idleMinutes)) {
            Report("Maschinen ungueltig!");
            return false;
        }
        bench.finished = static_cast<unsigned>(finished);
        loaded.benches.emplace(id, bench);
        previousId = id;
    }
    *this = std::move(loaded);
    return true;
}
