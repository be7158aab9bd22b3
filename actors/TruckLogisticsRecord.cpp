// The logistics' save record: the orders, the truck on its way and the
// spawn timer.

#include "actors/TruckLogistics.hpp"

#include "actors/Truck.hpp"
#include "params/ItemTypes.hpp"
#include "persist/Codecs.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <iostream>
#include <string>

namespace {

// Stored in save files.
constexpr const char* RecordHeader = "TRUCKLOGISTICS";
constexpr float RecordVersion = 0.1f;

void Report(const std::string& message) {
    std::cout << "TruckLogistics::load() - " << message << std::endl;
}

bool KnownItems(std::queue<ItemType> items) {
    for (; !items.empty(); items.pop()) {
        if (!GameParams::IsItemType(items.front()) || items.front() == ItemNone) {
            return false;
        }
    }
    return true;
}

bool SanePickUps(const TruckLogistics::PickUps& pickUps) {
    for (const auto& [type, price] : pickUps) {
        if (!GameParams::IsItemType(type) || type == ItemNone || !std::isfinite(price)) {
            return false;
        }
    }
    return true;
}

// The amounts are a tally of the pick-ups; a file where they disagree would
// let shipUnit find entries the tally does not know, or the other way round.
bool AmountsMatch(const TruckLogistics::PickUps& pickUps,
                  const std::map<ItemType, std::size_t>& amounts) {
    std::map<ItemType, std::size_t> tally;
    for (const auto& entry : pickUps) {
        ++tally[entry.first];
    }
    return tally == amounts;
}

} // namespace

bool TruckLogistics::save(std::ostream& out) const {
    using GameParams::Save::Exact;
    out << RecordHeader << ' ' << RecordVersion << ' ';
    GameParams::Save::QueueOfItemType(deliveryItems, out);
    out << ' ';
    GameParams::Save::VectorOfPairOfItemTypeAndFloat(pickUpItems, out);
    out << ' ';
    GameParams::Save::MapOfItemTypeAndSizeT(pickUpItemAmounts, out);
    out << ' ';
    if (currentTruck) {
        out << "1 ";
        if (!currentTruck->save(out)) {
            return false;
        }
        out << ' ';
    } else {
        out << "0 ";
    }
    out << Exact<float>{spawnTimer};
    return true;
}

bool TruckLogistics::load(std::istream& in, Level* owner) {
    if (!GameParams::Load::RecordStart(in, "TruckLogistics::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    std::queue<ItemType> deliveries;
    if (!GameParams::Load::QueueOfItemType(in, deliveries) || !KnownItems(deliveries)) {
        Report("Laden von deliveryItems fehlgeschlagen!");
        return false;
    }
    PickUps pickUps;
    if (!GameParams::Load::VectorOfPairOfItemTypeAndFloat(in, pickUps) || !SanePickUps(pickUps)) {
        Report("Laden von pickUpItems fehlgeschlagen!");
        return false;
    }
    std::map<ItemType, std::size_t> amounts;
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, amounts) || !AmountsMatch(pickUps, amounts)) {
        Report("Laden von pickUpItemAmounts fehlgeschlagen!");
        return false;
    }
    int hasTruck = 0;
    if (!(in >> hasTruck) || (hasTruck != 0 && hasTruck != 1)) {
        Report("Laden von currentTruck fehlgeschlagen!");
        return false;
    }
    // The truck and its driver belong to the level being loaded.
    Level* previousLevel = level;
    level = owner;
    std::unique_ptr<Truck> truck;
    if (hasTruck == 1) {
        truck = std::make_unique<Truck>(this);
        if (!truck->load(in)) {
            Report("Laden von currentTruck fehlgeschlagen!");
            level = previousLevel;
            return false;
        }
    }
    float timer = 0.f;
    if (!(in >> timer) || !std::isfinite(timer)) {
        level = previousLevel;
        return false;
    }
    deliveryItems = std::move(deliveries);
    pickUpItems = std::move(pickUps);
    pickUpItemAmounts = std::move(amounts);
    currentTruck = std::move(truck);
    spawnTimer = timer;
    return true;
}
