// The work dispatch: an idle employee's request becomes a queued path search,
// and a finished search becomes the chain of tasks the employee carries out.

#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/Truck.hpp"
#include "params/Invariant.hpp"
#include "params/Rules.hpp"
#include "world/Tile.hpp"

#include <algorithm>

// Which of the need's kinds a work priority entry lets the employee do.
bool Level::priorityAdmits(TaskType entry, TaskType kind) {
    if (entry == TaskWalk) {
        return kind == TaskWalk || kind == TaskTransport || kind == TaskPickUp ||
               kind == TaskDeliver;
    }
    if (entry == TaskWork || entry == TaskResearch) {
        return kind == entry;
    }
    return false;
}

namespace {

int urgencyOf(const Need& need) {
    if (need.getType() == NeedWork) {
        return 1;
    }
    const float value = need.getValue();
    if (value < need.getTriggerLow()) {
        return 0;
    }
    if (value < need.getTriggerMedium()) {
        return 2;
    }
    return value < need.getTriggerHigh() ? 3 : 4;
}

} // namespace

NeedType Level::mostUrgentNeed(const std::map<NeedType, Need>& needs) {
    NeedType best = NeedNone;
    int bestUrgency = 0;
    for (const auto& [type, need] : needs) {
        if (type == 0 || need.isLocked()) {
            continue;
        }
        const int urgency = urgencyOf(need);
        if (urgency > bestUrgency) {
            bestUrgency = urgency;
            best = type;
        }
    }
    return best;
}

bool Level::requestWork(Employee* employee, bool& noWork) {
    noWork = false;
    if (employee == nullptr) {
        return false;
    }
    const bool driver = employee->getKind() == Employee::KindTruckDriver;
    const NeedType need = driver ? NeedWork : mostUrgentNeed(employee->getNeeds());
    if (!driver && (need == NeedNone || need == NeedUnset)) {
        noWork = true;
        return false;
    }
    if (!driver && employee->isCarrying()) {
        // A unit in hand goes somewhere before anything else is taken on.
        return requestPlaceForCarriedUnit(employee, noWork);
    }
    PathFindingItem request;
    findTargets(need, employee->getTaskPriorities(), employee->getKind(), request);
    if (!request.targets.empty() && request.isConsistent()) {
        request.employee = employee;
        request.need = need;
        pathFindingQueue.push_back(std::move(request));
        return true;
    }
    if (driver) {
        // Nothing left to carry: the truck may leave.
        if (activeTruck != nullptr) {
            activeTruck->setParked(false);
        }
    } else {
        lockNeed(employee, need, UnservedReason::NothingServes);
    }
    return false;
}

void Level::findTargets(NeedType need, const std::vector<TaskType>& priorities, int employeeKind,
                        PathFindingItem& request, std::size_t firstPass) {
    request.clearTargets();
    if (employeeKind == Employee::KindTruckDriver) {
        findDriverTargets(request);
        return;
    }
    const std::vector<TaskType> kinds = GameParams::GetTaskTypesForNeed(need);
    // The work need makes one pass per priority entry; any other need one
    // pass that admits every kind.
    const bool byPriority = need == NeedWork;
    const std::size_t passes = byPriority ? priorities.size() : 1;
    for (std::size_t pass = firstPass; pass < passes && request.targets.empty(); ++pass) {
        for (TaskType kind : kinds) {
            if (byPriority && !priorityAdmits(priorities[pass], kind)) {
                continue;
            }
            for (const Candidate& candidate : findCandidates(kind)) {
                const bool onItsCell = candidate.object != nullptr &&
                                       candidate.object->getMapPos() ==
                                           sf::Vector2i(candidate.cell.x, candidate.cell.y);
                std::vector<Vec2i> cells;
                if (onItsCell) {
                    cells = candidate.object->getUsagePos();
                } else {
                    cells.push_back(candidate.cell);
                }
                for (const Vec2i& cell : cells) {
                    if (!isInMap(cell.x, cell.y)) {
                        continue;
                    }
                    if (onItsCell && GameParams::IsObjectUseTask(kind) &&
                        tileContainer[cellIndex(cell.x, cell.y)].isOccupied()) {
                        continue;
                    }
                    if (onItsCell && kind == TaskTransport &&
                        isRememberedUnreachable(cell, candidate.item,
                                                UnreachableTargets::ToStorage)) {
                        continue;
                    }
                    request.addTarget({cell, kind, candidate.object, candidate.item});
                }
            }
        }
    }
    if (!request.isConsistent()) {
        request.clearTargets();
    }
}

std::vector<Vec2i> Level::usagePositions(GameObjectType objectType, int column, int row) const {
    const GameObject* object = findObjectOnCell(objectType, column, row);
    return object == nullptr ? std::vector<Vec2i>{} : object->getUsagePos();
}

void Level::lockNeed(Employee* employee, NeedType need, UnservedReason reason) {
    if (employee == nullptr) {
        return;
    }
    employee->noteUnservedNeed(need, reason);
    auto entry = employee->getNeeds().find(need);
    if (entry != employee->getNeeds().end()) {
        entry->second.lock();
    }
}

void Level::handlePathFound(PathFindingItem& item, const std::vector<Vec2i>& path) {
    if (path.empty()) {
        searchFailed(item);
        return;
    }
    const Vec2i target = path.back();
    const bool previousEndedInPickUp =
        !currentEmployeeTasks.empty() && currentEmployeeTasks.back().getTask() == TaskPickUp;
    const std::size_t index = item.findTarget(target);
    if (index == item.targets.size()) {
        currentEmployeeTasks.clear();
        handOverChain(item, target, !previousEndedInPickUp);
        return;
    }
    const PathFindingItem::Target found = item.targetAt(index);
    const Candidate chosen{target, found.object, ObjectNone, found.item};
    const TaskType kind = found.task;

    bool built = false;
    if (GameParams::IsObjectUseTask(kind)) {
        if (tileContainer[cellIndex(target.x, target.y)].isOccupied()) {
            // Somebody took the place since the search began: no lock, the
            // employee asks again at once.
            handOverChain(item, target, false);
            return;
        }
        GameObject* object = chosen.object;
        if (object != nullptr && !object->hasUsageFlag() && object->canBeUsedFor(kind)) {
            appendWalkTasks(path, item.need);
            const sf::Vector2i at = object->getMapPos();
            appendActionTask(kind, item.need, object->getObjType(), ItemNone, target, at.x, at.y);
            object->raiseUsageFlag();
            built = true;
        }
    } else if (kind == TaskTransport) {
        if (planPickUpLeg(item, path, chosen)) {
            return;
        }
    } else if (kind == TaskDeliver) {
        built = bookCarryingChain(item, path, chosen);
    } else if (kind == TaskWalk) {
        appendWalkTasks(path, item.need);
        built = true;
    }
    if (!built) {
        currentEmployeeTasks.clear();
        // A first kind of work that came to nothing gives way to the next.
        if (!previousEndedInPickUp && retryWithNextPriority(item)) {
            return;
        }
    }
    // An empty chain locks the need, except after a failed second leg: the
    // pick-up was possible, only its drop-off went away.
    handOverChain(item, target, !previousEndedInPickUp);
}

void Level::handOverChain(PathFindingItem& item, const Vec2i& target, bool lockIfEmpty) {
    Employee* employee = item.employee;
    if (!currentEmployeeTasks.empty()) {
        const TaskType last = currentEmployeeTasks.back().getTask();
        if (GameParams::IsObjectUseTask(last) &&
            !tileContainer[cellIndex(target.x, target.y)].occupy()) {
            GameParams::InvariantBroken(
                "Level::handlePathFound() - tileContainer[].occupy() fehlgeschlagen - Sollte "
                "hier nicht passieren! Falls Task == TaskTransport ist den beteiligten "
                "Lagerzonen und Objekten schon eine Abholung / Lieferung angekündigt!");
        }
        if (last == TaskPickUp) {
            GameParams::InvariantBroken(
                "Level::handlePathFound() - currentEmployeeTasks.back().task == TaskPickUp - "
                "Darf nicht sein! Letzter Task MUSS in diesem Fall TaskDeliver sein! TaskPickUp "
                "ohne TaskDeliver = Fehler, weil das aufgenommene Item niemals ableget wird!");
        }
    } else if (lockIfEmpty) {
        lockNeed(employee, item.need, UnservedReason::Taken);
    }
    std::vector<Task> chain = std::move(currentEmployeeTasks);
    currentEmployeeTasks.clear();
    if (employee != nullptr) {
        employee->receiveTasks(std::move(chain));
    }
    pathFindingQueue.pop_front();
}
