// Where a need can be served: the candidate places for a task kind, the
// places a carried item may go, and the truck driver's places.

#include "world/Level.hpp"

#include "actors/GameObject.hpp"
#include "actors/Truck.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

namespace {

bool holdsOutputToCollect(const GameObject& object) {
    for (const auto& output : object.getProducedItemOutput()) {
        if (object.hasOutputToCollect(output.first)) {
            return true;
        }
    }
    return false;
}

void addTarget(PathFindingItem& request, const Vec2i& cell, TaskType kind, GameObject* object,
               ItemType item) {
    request.addTarget({cell, kind, object, item});
}

} // namespace

bool Level::isEnclosedRoomAt(int column, int row) const {
    if (!isInMap(column, row)) {
        return false;
    }
    MetaZone* room = metaZoneMap[cellIndex(column, row)];
    return room != nullptr && room->isEnclosed();
}

unsigned Level::takeableAt(int column, int row, ItemType type) const {
    const Zone* zone = getZoneAt(column, row);
    if (zone == nullptr || !zone->isStorageZone() || zone->getStoredType() != type ||
        type == ItemNone) {
        return 0;
    }
    const unsigned stored = zone->getStoredAmount();
    const unsigned promised = zone->getAmountInRetrieval();
    return stored > promised ? stored - promised : 0;
}

std::vector<Level::Candidate> Level::findCandidates(TaskType kind) {
    std::vector<Candidate> candidates;
    if (kind == TaskTransport) {
        bool storageScanned = false;
        for (const auto& room : metaZoneContainer) {
            if (room->getType() == ZoneGoodsOut && !storageScanned) {
                // Every goods-out room would list the same storage cells again.
                storageScanned = true;
                for (const auto& [type, count] : itemsNeedingShippingPreparation) {
                    if (count == 0) {
                        continue;
                    }
                    for (const auto& store : metaZoneContainer) {
                        if (store->getType() != ZoneStorage) {
                            continue;
                        }
                        for (const sf::Vector2i& cell : store->zonePositions()) {
                            if (takeableAt(cell.x, cell.y, type) > 0 &&
                                !isRememberedUnreachable(Vec2i(cell.x, cell.y), type,
                                                         UnreachableTargets::ToGoodsOut)) {
                                candidates.push_back(
                                    {Vec2i(cell.x, cell.y), nullptr, ZoneMarker, type});
                            }
                        }
                    }
                }
            } else if (room->getType() == ZoneGoodsIn) {
                for (const sf::Vector2i& cell : room->zonePositions()) {
                    const Zone* zone = getZoneAt(cell.x, cell.y);
                    if (zone == nullptr) {
                        continue;
                    }
                    const ItemType type = zone->getStoredType();
                    if (takeableAt(cell.x, cell.y, type) > 0 && freeStorageFor(type) > 0 &&
                        !isRememberedUnreachable(Vec2i(cell.x, cell.y), type,
                                                 UnreachableTargets::ToStorage)) {
                        candidates.push_back({Vec2i(cell.x, cell.y), nullptr, ZoneMarker, type});
                    }
                }
            }
        }
        if (!candidates.empty()) {
            return candidates;
        }
    }
    for (const auto* objects : {&gameObjectContainer, &gameObjectSurfacesContainer}) {
        for (const auto& owned : *objects) {
            GameObject& object = *owned;
            const sf::Vector2i at = object.getMapPos();
            const Vec2i cell(at.x, at.y);
            const bool researchPlace = isResearchDesk(object);
            if (object.getUsageTaskType() == kind || (kind == TaskResearch && researchPlace)) {
                bool usable = !object.hasUsageFlag() && isEnclosedRoomAt(at.x, at.y);
                if (usable && object.isProducer()) {
                    usable = object.getCurrentRecipe().isValid() &&
                             (object.isProductionActive() ||
                              (!object.needsSupply() && !holdsOutputToCollect(object)));
                }
                if (usable && researchPlace) {
                    // While a project is chosen the desks are for research;
                    // without one they are only somewhere to sit out work.
                    usable = research.hasActive() == (kind == TaskResearch);
                }
                if (usable) {
                    candidates.push_back({cell, &object, object.getObjType(), ItemNone});
                }
            }
            if (kind != TaskTransport || !object.isProducer()) {
                continue;
            }
            for (const auto& output : object.getProducedItemOutput()) {
                // Output already promised to a carrier is not offered twice.
                if (object.hasOutputToCollect(output.first) && freeStorageFor(output.first) > 0) {
                    candidates.push_back({cell, &object, object.getObjType(), output.first});
                    break;
                }
            }
            if (!object.needsSupply()) {
                continue;
            }
            const auto& input = object.getIngredientInput();
            const auto& onTheWay = object.getAmountInDelivery();
            for (const auto& [type, needed] : object.getCurrentRecipe().ingredients) {
                const auto present = input.find(type);
                const std::size_t have = present == input.end() ? 0 : present->second.size();
                const auto announced = onTheWay.find(type);
                const std::size_t coming = announced == onTheWay.end() ? 0 : announced->second;
                const std::size_t missing = needed > have ? needed - have : 0;
                if (missing <= coming || availableStored(type) == 0) {
                    continue;
                }
                for (const auto& store : metaZoneContainer) {
                    if (store->getType() != ZoneStorage) {
                        continue;
                    }
                    for (const sf::Vector2i& storeCell : store->zonePositions()) {
                        if (takeableAt(storeCell.x, storeCell.y, type) > 0 &&
                            !isRememberedUnreachable(Vec2i(storeCell.x, storeCell.y), type,
                                                     UnreachableTargets::ToProducers)) {
                            candidates.push_back(
                                {Vec2i(storeCell.x, storeCell.y), &object, ZoneMarker, type});
                        }
                    }
                }
                break;
            }
        }
    }
    return candidates;
}

void Level::findDropOffTargets(ItemType itemType, bool objectsOnly, bool storageOnly,
                               PathFindingItem& request) {
    if (!objectsOnly) {
        for (int index = 0; index < cellCount; ++index) {
            const ZoneType zone = zoneMap[index];
            const bool storageKind =
                zone == ZoneStorage ||
                (!storageOnly && (zone == ZoneGoodsIn || zone == ZoneGoodsOut));
            if (!storageKind || !zoneContainer[index].canStore(itemType, 1)) {
                continue;
            }
            const int column = index % width;
            const int row = index / width;
            if (isEnclosedRoomAt(column, row)) {
                addTarget(request, Vec2i(column, row), TaskDeliver, nullptr, itemType);
            }
        }
    }
    for (const auto* objects : {&gameObjectContainer, &gameObjectSurfacesContainer}) {
        for (const auto& owned : *objects) {
            if (!owned->isProducer() || !owned->needsIngredient(itemType)) {
                continue;
            }
            for (const Vec2i& cell : owned->getUsagePos()) {
                if (isInMap(cell.x, cell.y)) {
                    addTarget(request, cell, TaskDeliver, owned.get(), itemType);
                }
            }
        }
    }
}

void Level::addCellsThatCanTake(ZoneType kind, ItemType type, bool enclosedOnly,
                                PathFindingItem& request) const {
    for (int index = 0; index < cellCount; ++index) {
        const Vec2i cell(index % width, index / width);
        if (zoneMap[index] == kind && zoneContainer[index].canStore(type, 1) &&
            (!enclosedOnly || isEnclosedRoomAt(cell.x, cell.y))) {
            addTarget(request, cell, TaskDeliver, nullptr, type);
        }
    }
}

void Level::findDriverTargets(PathFindingItem& request) {
    if (activeTruck == nullptr) {
        return;
    }
    const sf::Vector2i parking = activeTruck->getParkingTile();
    // The first ordered item that goods-in can take: one that cannot be
    // brought in does not hold up the rest, nor the loading.
    const ItemType unloading = nextDeliveryToUnload();
    if (unloading != ItemNone) {
        addTarget(request, Vec2i(parking.x, parking.y), TaskTransport, nullptr, unloading);
    }
    for (int index = 0; index < cellCount; ++index) {
        if (zoneMap[index] != ZoneGoodsOut) {
            continue;
        }
        const int column = index % width;
        const int row = index / width;
        const ItemType type = zoneContainer[index].getStoredType();
        if (takeableAt(column, row, type) > 0 &&
            !isRememberedUnreachable(Vec2i(column, row), type, UnreachableTargets::ToTruck)) {
            addTarget(request, Vec2i(column, row), TaskTransport, nullptr, type);
        }
    }
}
