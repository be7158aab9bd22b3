// The two legs of a carrying job: the pick-up leg re-targets the front
// request to the drop-off places; the drop-off leg books both ends, and only
// then, so that a chain given up half-way leaves no bookings behind.

#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/Truck.hpp"
#include "params/Invariant.hpp"
#include "world/Zone.hpp"

#include <algorithm>
#include <iostream>

namespace {

void report(const char* message) {
    std::cout << "Level::handlePathFound() - " << message << std::endl;
}

} // namespace

void Level::appendWalkTasks(const std::vector<Vec2i>& path, NeedType need) {
    for (const Vec2i& cell : path) {
        appendActionTask(TaskWalk, need, ObjectNone, ItemNone, cell, 0, 0);
    }
}

void Level::appendActionTask(TaskType type, NeedType need, GameObjectType marker, ItemType item,
                             const Vec2i& cell, int objectColumn, int objectRow) {
    currentEmployeeTasks.emplace_back(texture, type, need, marker, item, cell.x, cell.y,
                                      objectColumn, objectRow);
    currentEmployeeTasks.back().setPosition(static_cast<float>(cell.x * tileSizeX),
                                            static_cast<float>(cell.y * tileSizeY));
}

bool Level::planPickUpLeg(PathFindingItem& item, const std::vector<Vec2i>& path,
                          const Candidate& target) {
    const Vec2i cell = target.cell;
    const ItemType type = target.item;
    GameObject* object = target.object;
    const ZoneType zone = getZoneType(cell.x, cell.y);
    const bool driver =
        item.employee != nullptr && item.employee->getKind() == Employee::KindTruckDriver;
    PathFindingItem dropOff;
    GameObjectType sourceMarker = ZoneMarker;
    Vec2i source = cell;

    if (object != nullptr) {
        const auto& usage = object->getUsagePos();
        const bool atObject = std::find(usage.begin(), usage.end(), cell) != usage.end();
        if (atObject && object->hasOutputToCollect(type) && freeStorageFor(type) > 0) {
            findDropOffTargets(type, false, true, dropOff);
            sourceMarker = object->getObjType();
            source = Vec2i(object->getMapPos().x, object->getMapPos().y);
        } else if (zone == ZoneStorage && availableStored(type) > 0 &&
                   isEnclosedRoomAt(cell.x, cell.y) && takeableAt(cell.x, cell.y, type) > 0) {
            findDropOffTargets(type, true, false, dropOff);
        }
    } else if (zone == ZoneStorage && isEnclosedRoomAt(cell.x, cell.y) &&
               takeableAt(cell.x, cell.y, type) > 0) {
        // Only what is sold goes out: without this a second carrier could
        // take a unit nobody bought to the goods-out zone.
        const auto sold = itemsNeedingShippingPreparation.find(type);
        if (sold != itemsNeedingShippingPreparation.end() && sold->second > 0) {
            addCellsThatCanTake(ZoneGoodsOut, type, false, dropOff);
        }
    } else if (zone == ZoneGoodsIn && freeStorageFor(type) > 0 &&
               takeableAt(cell.x, cell.y, type) > 0) {
        findDropOffTargets(type, false, true, dropOff);
    } else if (driver && activeTruck != nullptr &&
               activeTruck->getParkingTile() == sf::Vector2i(cell.x, cell.y)) {
        addCellsThatCanTake(ZoneGoodsIn, type, false, dropOff);
        sourceMarker = TruckMarker;
    } else if (zone == ZoneGoodsOut && activeTruck != nullptr && isEnclosedRoomAt(cell.x, cell.y) &&
               takeableAt(cell.x, cell.y, type) > 0) {
        const sf::Vector2i truckCell = activeTruck->getParkingTile();
        dropOff.addTarget({Vec2i(truckCell.x, truckCell.y), TaskDeliver, nullptr, type});
    }
    if (dropOff.targets.empty()) {
        return false;
    }
    appendWalkTasks(path, item.need);
    appendActionTask(TaskPickUp, item.need, sourceMarker, type, cell, source.x, source.y);
    item.takeTargetsOf(std::move(dropOff));
    // Every leg from here carries the unit just picked up.
    item.correspondingItems.assign(item.targets.size(), type);
    return true;
}

bool Level::bookCarryingChain(const PathFindingItem& item, const std::vector<Vec2i>& path,
                              const Candidate& target) {
    const ItemType type = target.item;
    // A unit still in hand from a chain given up needs a drop-off only.
    const Item* carried = item.employee != nullptr ? item.employee->getCarriedItem() : nullptr;
    const bool carriedAlready =
        currentEmployeeTasks.empty() && carried != nullptr && carried->getType() == type;
    const bool afterPickUp =
        !currentEmployeeTasks.empty() && currentEmployeeTasks.back().getTask() == TaskPickUp;
    if (!carriedAlready && !afterPickUp) {
        return false;
    }
    const GameObjectType sourceMarker =
        afterPickUp ? currentEmployeeTasks.back().getObjectType() : ObjectNone;
    const sf::Vector2i source =
        afterPickUp ? currentEmployeeTasks.back().getObjectPos() : sf::Vector2i(-1, -1);
    const Vec2i cell = target.cell;
    GameObject* destination = target.object;
    const bool driver =
        item.employee != nullptr && item.employee->getKind() == Employee::KindTruckDriver;
    const bool toTruck = destination == nullptr && driver && activeTruck != nullptr &&
                         activeTruck->getParkingTile() == sf::Vector2i(cell.x, cell.y);
    Zone* destinationZone =
        destination == nullptr && !toTruck ? getZoneAt(cell.x, cell.y) : nullptr;

    if (destination != nullptr) {
        if (!destination->needsIngredient(type)) {
            return false;
        }
    } else if (!toTruck) {
        if (destinationZone == nullptr || !destinationZone->canStore(type, 1)) {
            return false;
        }
        if (destinationZone->getType() == ZoneGoodsOut) {
            const auto sold = itemsNeedingShippingPreparation.find(type);
            if (sold == itemsNeedingShippingPreparation.end() || sold->second == 0) {
                return false;
            }
        }
    }

    // The source first; undone again if the destination then refuses.
    Zone* sourceZone = nullptr;
    GameObject* sourceObject = nullptr;
    unsigned amount = 1;
    if (sourceMarker == ZoneMarker) {
        sourceZone = getZoneAt(source.x, source.y);
        if (sourceZone == nullptr || !sourceZone->setItemInRetrieval(type, amount)) {
            report("Aufruf von zoneContainer[].setItemInRetrieval() fehlgeschlagen!");
            return false;
        }
    } else if (IsObjectMarker(sourceMarker)) {
        sourceObject = findObjectOnCell(sourceMarker, source.x, source.y);
        if (sourceObject == nullptr) {
            report("Aufruf von getObjectAtMapPosition() lieferte nullptr!");
            return false;
        }
        if (!sourceObject->setItemInRetrieval(type, amount)) {
            report("Aufruf von pickUpObj->setItemInRetrieval() fehlgeschlagen!");
            return false;
        }
    }
    const auto undoSource = [&]() {
        if (sourceZone != nullptr) {
            sourceZone->cancelRetrieval(type);
        } else if (sourceObject != nullptr) {
            sourceObject->cancelPickUp(type);
        }
    };

    GameObjectType destinationMarker = TruckMarker;
    Vec2i destinationCell = cell;
    amount = 1;
    if (destination != nullptr) {
        if (!destination->announceDelivery(type, amount)) {
            undoSource();
            GameParams::InvariantBroken(
                "Level::handlePathFound() - TaskDeliver: LagerGameObject kann anzuliefernde "
                "Items nicht aufnehmen! Darf hier nicht passieren, weil Abholung des Objekts in "
                "Lager schon angekündigt wurde!!!");
            return false;
        }
        destinationMarker = destination->getObjType();
        destinationCell = Vec2i(destination->getMapPos().x, destination->getMapPos().y);
    } else if (destinationZone != nullptr) {
        if (!destinationZone->setItemInDelivery(type, amount)) {
            undoSource();
            GameParams::InvariantBroken(
                "Level::handlePathFound() - TaskDeliver: LagerZone kann anzuliefernde Items nicht "
                "aufnehmen! Darf hier nicht passieren, weil Produzierendes Objekt schon über "
                "Abholung informiert wurde!!!");
            return false;
        }
        destinationMarker = ZoneMarker;
    }
    appendWalkTasks(path, item.need);
    appendActionTask(TaskDeliver, item.need, destinationMarker, type, cell, destinationCell.x,
                     destinationCell.y);
    return true;
}
