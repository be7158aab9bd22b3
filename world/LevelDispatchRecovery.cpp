// When a search finds no way: the dispatch remembers carrying jobs whose
// drop-off cannot be reached from their pick-up place, lets a first kind of
// work that came to nothing give way to the next, and finds a place for a
// unit an employee still holds after its chain was given up.

#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/Truck.hpp"
#include "world/Zone.hpp"

#include <algorithm>
#include <set>

namespace {

// The truck's unloading is remembered apart from where the truck stands, so
// that the next truck does not come for goods that cannot be brought in.
const Vec2i UnloadingCell(-1, -1);

} // namespace

bool Level::isRememberedUnreachable(const Vec2i& cell, ItemType item,
                                    UnreachableTargets::Leg leg) const {
    return unreachableTargets.isRemembered(cell, item, leg, dispatchMinutes);
}

void Level::searchFailed(PathFindingItem& item) {
    Employee* employee = item.employee;
    const bool driver = employee != nullptr && employee->getKind() == Employee::KindTruckDriver;
    const bool secondLeg =
        !currentEmployeeTasks.empty() && currentEmployeeTasks.back().getTask() == TaskPickUp;
    if (secondLeg || driver) {
        // Whoever asks, the drop-off cannot be reached from that pick-up place:
        // the job is passed over and the employee asks again at once.
        rememberFailedLeg(item);
        currentEmployeeTasks.clear();
    } else {
        currentEmployeeTasks.clear();
        if (retryWithNextPriority(item)) {
            return;
        }
        lockNeed(employee, item.need, UnservedReason::Unreachable);
    }
    if (employee != nullptr) {
        employee->receiveTasks({});
    }
    pathFindingQueue.pop_front();
}

void Level::rememberFailedLeg(const PathFindingItem& item) {
    const bool driver =
        item.employee != nullptr && item.employee->getKind() == Employee::KindTruckDriver;
    if (currentEmployeeTasks.empty()) {
        // The driver's first leg: none of its places can be reached.
        const sf::Vector2i parking =
            activeTruck != nullptr ? activeTruck->getParkingTile() : sf::Vector2i(-1, -1);
        for (std::size_t i = 0; i < item.targets.size(); ++i) {
            const PathFindingItem::Target target = item.targetAt(i);
            const Vec2i& cell = target.cell;
            const bool atTruck = cell.x == parking.x && cell.y == parking.y;
            unreachableTargets.remember(atTruck ? UnloadingCell : cell, target.item,
                                        atTruck ? UnreachableTargets::ToGoodsIn
                                                : UnreachableTargets::ToTruck,
                                        dispatchMinutes);
        }
        return;
    }
    const Task& pickUp = currentEmployeeTasks.back();
    const GameObjectType marker = pickUp.getObjectType();
    const ItemType type = pickUp.getCorrespondingItem();
    const sf::Vector2i at = pickUp.getDestination();
    Vec2i cell(at.x, at.y);
    UnreachableTargets::Leg leg = UnreachableTargets::ToStorage;
    if (marker == TruckMarker) {
        cell = UnloadingCell;
        leg = UnreachableTargets::ToGoodsIn;
    } else if (driver) {
        leg = UnreachableTargets::ToTruck;
    } else if (marker == ZoneMarker && getZoneType(at.x, at.y) == ZoneStorage) {
        const bool toProducers =
            std::any_of(item.correspondingGameObjects.begin(), item.correspondingGameObjects.end(),
                        [](const GameObject* object) { return object != nullptr; });
        leg = toProducers ? UnreachableTargets::ToProducers : UnreachableTargets::ToGoodsOut;
    }
    unreachableTargets.remember(cell, type, leg, dispatchMinutes);
}

bool Level::retryWithNextPriority(PathFindingItem& item) {
    Employee* employee = item.employee;
    if (employee == nullptr || item.need != NeedWork || item.correspondingTasks.empty() ||
        employee->getKind() == Employee::KindTruckDriver || employee->isCarrying()) {
        return false;
    }
    const std::vector<TaskType>& priorities = employee->getTaskPriorities();
    const TaskType failedKind = item.correspondingTasks.front();
    std::size_t pass = 0;
    while (pass < priorities.size() && !priorityAdmits(priorities[pass], failedKind)) {
        ++pass;
    }
    if (pass >= priorities.size()) {
        return false;
    }
    PathFindingItem next;
    findTargets(NeedWork, priorities, employee->getKind(), next, pass + 1);
    if (next.targets.empty()) {
        return false;
    }
    // Stays at the front: the queue searches again for the new places.
    item.takeTargetsOf(std::move(next));
    currentEmployeeTasks.clear();
    return true;
}

bool Level::requestPlaceForCarriedUnit(Employee* employee, bool& noWork) {
    const Item* carried = employee->getCarriedItem();
    const auto work = employee->getNeeds().find(NeedWork);
    // A failed try locks the work need for a while, so that a unit with no
    // place to go does not cost a search every frame.
    if (carried == nullptr || (work != employee->getNeeds().end() && work->second.isLocked())) {
        noWork = true;
        return false;
    }
    const ItemType type = carried->getType();
    PathFindingItem request;
    findDropOffTargets(type, false, true, request);
    if (request.targets.empty()) {
        // Goods-in keeps a unit until storage has room again.
        addCellsThatCanTake(ZoneGoodsIn, type, true, request);
    }
    if (request.targets.empty()) {
        lockNeed(employee, NeedWork, UnservedReason::NoPlaceForUnit);
        noWork = true;
        return false;
    }
    request.employee = employee;
    request.need = NeedWork;
    pathFindingQueue.push_back(std::move(request));
    return true;
}

ItemType Level::nextDeliveryToUnload() const {
    if (truckLogistics.getDeliveryItems().empty() || !zoneContainer) {
        return ItemNone;
    }
    // What goods-in can take: any type on an empty place, else more of what
    // a place already holds.
    bool emptyPlace = false;
    std::set<ItemType> withRoom;
    for (int index = 0; index < cellCount; ++index) {
        if (zoneMap[index] != ZoneGoodsIn) {
            continue;
        }
        const Zone& zone = zoneContainer[index];
        if (zone.getStoredType() == ItemNone) {
            emptyPlace = true;
        } else if (zone.canStore(zone.getStoredType(), 1)) {
            withRoom.insert(zone.getStoredType());
        }
    }
    for (ItemType type : truckLogistics.deliveryTypesInOrder()) {
        if ((emptyPlace || withRoom.count(type) > 0) &&
            !isRememberedUnreachable(UnloadingCell, type, UnreachableTargets::ToGoodsIn)) {
            return type;
        }
    }
    return ItemNone;
}
