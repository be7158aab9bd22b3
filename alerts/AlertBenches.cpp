// Alerts about the workbenches: nothing chosen, ingredients that will not
// come, finished products with nowhere to go, and nobody to work at all.

#include "alerts/AlertChecks.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/Item.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <algorithm>

namespace AlertChecks {

namespace {

template <class Visit> void ForEachProducer(const Level& level, Visit visit) {
    for (const auto* objects : {&level.getGameObjects(), &level.getSurfaceObjects()})
        for (const auto& object : *objects)
            if (object->isProducer())
                visit(*object);
}

// Item types the factory holds or will get without the player doing
// anything: in storage, ordered, in goods-in, in someone's hands, or made
// at a bench.
std::set<ItemType> ComingTypes(const Level& level) {
    std::set<ItemType> coming;
    for (const auto& [type, count] : level.getStoredItems())
        if (level.availableStored(type) > 0)
            coming.insert(type);
    for (ItemType type : level.getTruckLogistics().deliveryTypesInOrder())
        coming.insert(type);
    for (const auto& room : level.getMetaZones()) {
        if (room->getType() != ZoneGoodsIn)
            continue;
        for (const sf::Vector2i& cell : room->zonePositions()) {
            const Zone* zone = level.getZoneAt(cell.x, cell.y);
            if (zone != nullptr && zone->getStoredAmount() > 0)
                coming.insert(zone->getStoredType());
        }
    }
    for (const auto& employee : level.getEmployees())
        if (const Item* carried = employee->getCarriedItem())
            coming.insert(carried->getType());
    ForEachProducer(level, [&](const GameObject& bench) {
        if (bench.getCurrentRecipe().isValid())
            for (const auto& [type, count] : bench.getCurrentRecipe().resultingItems)
                coming.insert(type);
        for (const auto& [type, units] : bench.getProducedItemOutput())
            if (!units.empty())
                coming.insert(type);
    });
    return coming;
}

} // namespace

bool HoldsStuckOutput(const Level& level, const GameObject& bench, std::vector<ItemType>& types) {
    bool stuck = false;
    for (const auto& [type, units] : bench.getProducedItemOutput()) {
        if (bench.hasOutputToCollect(type) && level.freeStorageFor(type) == 0) {
            types.push_back(type);
            stuck = true;
        }
    }
    return stuck;
}

void Benches(const Level& level, Alerts& alerts) {
    const std::set<ItemType> coming = ComingTypes(level);
    std::vector<sf::Vector2i> idle;
    std::vector<sf::Vector2i> waiting;
    std::vector<ItemType> missing;
    std::vector<sf::Vector2i> blocked;
    std::vector<ItemType> unstored; // named by the storage alert
    ForEachProducer(level, [&](const GameObject& bench) {
        const sf::Vector2i at = bench.getMapPos();
        const Recipe& recipe = bench.getCurrentRecipe();
        if (!recipe.isValid()) {
            idle.push_back(at);
            return;
        }
        bool waits = false;
        for (const auto& [type, needed] : recipe.ingredients) {
            if (bench.needsIngredient(type) && coming.count(type) == 0) {
                missing.push_back(type);
                waits = true;
            }
        }
        if (waits)
            waiting.push_back(at);
        if (HoldsStuckOutput(level, bench, unstored))
            blocked.push_back(at);
    });
    if (!idle.empty())
        Add(alerts, AlertKind::BenchNoRecipe, "Maschine ohne Produktion", idle);
    if (!waiting.empty())
        Add(alerts, AlertKind::BenchWaiting, "Maschine wartet auf " + JoinItemNames(missing),
            waiting);
    if (!blocked.empty())
        Add(alerts, AlertKind::BenchBlocked, "Maschine blockiert: Lager voll", blocked);
}

void Staff(const Level& level, Alerts& alerts) {
    const auto& employees = level.getEmployees();
    const bool anyWorker = std::any_of(employees.begin(), employees.end(), [](const auto& one) {
        return one->getKind() == Employee::KindWorker;
    });
    if (anyWorker)
        return;
    std::vector<sf::Vector2i> benches;
    ForEachProducer(level, [&](const GameObject& bench) {
        if (bench.getCurrentRecipe().isValid())
            benches.push_back(bench.getMapPos());
    });
    if (!benches.empty())
        Add(alerts, AlertKind::NoStaff, "Kein Personal eingestellt", benches);
}

} // namespace AlertChecks
