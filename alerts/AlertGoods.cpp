// Alerts about the goods on their way: units with nowhere to be stored, a
// truck that cannot unload, and sold units that cannot reach the truck.

#include "alerts/AlertChecks.hpp"

#include "actors/GameObject.hpp"
#include "actors/Truck.hpp"
#include "alerts/ReachMap.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <algorithm>

namespace AlertChecks {

namespace {

unsigned Takeable(const Zone& zone) {
    const unsigned stored = zone.getStoredAmount();
    return stored > zone.getAmountInRetrieval() ? stored - zone.getAmountInRetrieval() : 0;
}

template <class Visit> void ForEachZoneOf(const Level& level, ZoneType type, Visit visit) {
    for (const auto& room : level.getMetaZones()) {
        if (room->getType() != type)
            continue;
        for (const sf::Vector2i& cell : room->zonePositions())
            if (const Zone* zone = level.getZoneAt(cell.x, cell.y))
                visit(cell, *zone);
    }
}

std::vector<sf::Vector2i> RoomsOf(const Level& level, ZoneType type) {
    std::vector<sf::Vector2i> places;
    for (const auto& room : level.getMetaZones())
        if (room->getType() == type && room->getCellCount() > 0)
            places.push_back(RoomPlace(*room));
    return places;
}

// Where the truck stops: its own cell while it is here, else the middle of
// the street in front of the site.
sf::Vector2i TruckStop(const Level& level) {
    if (const Truck* truck = level.getActiveTruck())
        return truck->getParkingTile();
    const auto& entries = level.getEntryPoints();
    return {level.getWidth() / 2, entries.empty() ? level.getHeight() - 1 : entries.front().y};
}

} // namespace

void Storage(const Level& level, Alerts& alerts) {
    std::vector<sf::Vector2i> places;
    std::vector<ItemType> types;
    ForEachZoneOf(level, ZoneGoodsIn, [&](const sf::Vector2i& cell, const Zone& zone) {
        if (Takeable(zone) > 0 && level.freeStorageFor(zone.getStoredType()) == 0) {
            places.push_back(cell);
            types.push_back(zone.getStoredType());
        }
    });
    for (const auto* objects : {&level.getGameObjects(), &level.getSurfaceObjects()})
        for (const auto& object : *objects)
            if (object->isProducer() && HoldsStuckOutput(level, *object, types))
                places.push_back(object->getMapPos());
    if (places.empty())
        return;
    const bool anyStorage = !RoomsOf(level, ZoneStorage).empty();
    Add(alerts, AlertKind::StorageFull,
        (anyStorage ? "Lager voll: " : "Kein Lager für ") + JoinItemNames(types), places);
}

void Deliveries(const Level& level, const ReachMap& reach, Alerts& alerts) {
    const std::vector<ItemType> ordered = level.getTruckLogistics().deliveryTypesInOrder();
    if (ordered.empty())
        return;
    const std::vector<sf::Vector2i> rooms = RoomsOf(level, ZoneGoodsIn);
    std::vector<sf::Vector2i> reachedCells;
    bool hasRoom = false;
    bool emptiesIntoStorage = false;
    ForEachZoneOf(level, ZoneGoodsIn, [&](const sf::Vector2i& cell, const Zone& zone) {
        if (reach.reached(cell))
            reachedCells.push_back(cell);
        const ItemType held = zone.getStoredType();
        if (held == ItemNone || (zone.canStore(held, 1) &&
                                 std::find(ordered.begin(), ordered.end(), held) != ordered.end()))
            hasRoom = true;
        else if (Takeable(zone) > 0 && level.freeStorageFor(held) > 0)
            emptiesIntoStorage = true;
    });
    std::string why;
    if (rooms.empty())
        why = "Wareneingang fehlt";
    else if (reachedCells.empty())
        why = "Wareneingang nicht erreichbar";
    else if (!hasRoom && !emptiesIntoStorage)
        why = "Wareneingang voll";
    else if (hasRoom && level.nextDeliveryToUnload() == ItemNone)
        // The driver found no way in lately (see UnreachableTargets).
        why = "Wareneingang nicht erreichbar";
    if (why.empty())
        return;
    Add(alerts, AlertKind::DeliveryBlocked, "Lkw kann nicht entladen: " + why,
        rooms.empty() ? std::vector<sf::Vector2i>{TruckStop(level)} : rooms);
}

void PickUps(const Level& level, const ReachMap& reach, Alerts& alerts) {
    const auto& sold = level.getTruckLogistics().getPickUpItemAmounts();
    if (sold.empty())
        return;
    const auto& toPrepare = level.getItemsNeedingShippingPreparation();
    const auto stillInStorage = [&](ItemType type) {
        const auto entry = toPrepare.find(type);
        return sold.count(type) > 0 && entry != toPrepare.end() && entry->second > 0;
    };
    std::vector<sf::Vector2i> goodsOutReached;
    std::vector<sf::Vector2i> places;
    ForEachZoneOf(level, ZoneGoodsOut, [&](const sf::Vector2i& cell, const Zone& zone) {
        if (reach.reached(cell)) {
            goodsOutReached.push_back(cell);
        }
        // Ready for the truck, but the driver cannot get there.
        const ItemType held = zone.getStoredType();
        if (Takeable(zone) > 0 && sold.count(held) > 0 &&
            (!reach.reached(cell) ||
             level.isKnownUnreachable(Vec2i(cell.x, cell.y), held, UnreachableTargets::ToTruck)))
            places.push_back(cell);
    });
    const bool noGoodsOut = RoomsOf(level, ZoneGoodsOut).empty();
    ForEachZoneOf(level, ZoneStorage, [&](const sf::Vector2i& cell, const Zone& zone) {
        const ItemType held = zone.getStoredType();
        if (Takeable(zone) == 0 || !stillInStorage(held))
            return;
        // Sold units in storage that no goods-out place will take in.
        if (goodsOutReached.empty() || !reach.reached(cell) ||
            level.isKnownUnreachable(Vec2i(cell.x, cell.y), held, UnreachableTargets::ToGoodsOut))
            places.push_back(cell);
    });
    if (places.empty())
        return;
    Add(alerts, AlertKind::PickupBlocked,
        std::string("Verkaufte Ware kommt nicht zum Lkw: ") +
            (noGoodsOut ? "Warenausgang fehlt" : "Warenausgang nicht erreichbar"),
        places);
}

} // namespace AlertChecks
