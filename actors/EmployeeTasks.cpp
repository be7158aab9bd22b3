// The task loop and the handlers that do not walk or use objects: waiting,
// idling, picking up and delivering.

#include "actors/Employee.hpp"

#include "actors/GameObject.hpp"
#include "params/Invariant.hpp"
#include "params/Random.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"

#include <iostream>
#include <iterator>

void Employee::receiveTasks(std::vector<Task> newTasks) {
    if (!newTasks.empty() && newTasks.back().getTask() == TaskPickUp) {
        GameParams::InvariantBroken(
            "Employee::receiveTasks() - Letzter Task in übergebenem Vector ist: TaskPickUp! Darf "
            "NIEMALS vorkommen, da dann das aufzunehmende Item nie mehr abgelegt wird!!!");
    }
    if (!newTasks.empty()) {
        // The need is being served again: its last reason to wait is past.
        unservedNeeds.erase(newTasks.back().getSatisfiesNeedType());
    }
    // What came before the wait stays in front; the new chain takes the wait's place.
    std::list<Task> kept;
    while (!tasks.empty() && tasks.front().getTask() != TaskWait) {
        kept.splice(kept.end(), tasks, tasks.begin());
    }
    if (!tasks.empty()) {
        tasks.pop_front();
    }
    tasks.insert(tasks.begin(), newTasks.begin(), newTasks.end());
    tasks.splice(tasks.begin(), kept);
    occupyingTile = true;
}

void Employee::requestWorkIfIdle(float dt) {
    if (!tasks.empty() || level == nullptr) {
        return;
    }
    bool noWork = false;
    if (level->requestWork(this, noWork)) {
        // Holds the frame until the path search answers.
        tasks.emplace_back(texture, TaskWait, NeedNone, ObjectNone, ItemNone, 0, 0, 0, 0);
    } else if (noWork) {
        handleTaskIdle(dt);
    }
}

void Employee::handleCurrentTask(float dt) {
    while (dt > 0.f && !tasks.empty()) {
        // A copy: handlers may add tasks in front of it.
        const Task task = tasks.front();
        bool finished = false;
        switch (task.getTask()) {
        case TaskIdle:
            finished = handleTaskIdle(dt);
            break;
        case TaskWait:
            dt = 0.f;
            break;
        case TaskWalk:
            finished = handleTaskWalk(dt, task);
            break;
        case TaskWork:
            finished = handleTaskWork(dt, task);
            break;
        case TaskEat:
            finished = handleTaskUse(dt, task, NeedFood, eatingTimer);
            break;
        case TaskToilet:
            finished = handleTaskUse(dt, task, NeedToilet, toiletTimer);
            break;
        case TaskCoffee:
            finished = handleTaskUse(dt, task, NeedCoffee, coffeeTimer);
            break;
        case TaskPickUp:
            finished = handleTaskPickUp(task);
            break;
        case TaskDeliver:
            finished = handleTaskDeliver(task);
            break;
        case TaskResearch:
            finished = handleTaskResearch(dt, task);
            break;
        default:
            std::cout << "Employee::handleCurrentTask() - Unbekannter Task: "
                      << static_cast<int>(task.getTask()) << std::endl;
            // Dropped, so that the list cannot stall on it.
            finished = true;
            break;
        }
        if (!finished) {
            continue;
        }
        if (level != nullptr) {
            level->cancelTask(task, mapPos.x, mapPos.y);
        }
        // The idle handler may have put a new task in front of the finished one.
        for (auto it = tasks.begin(); it != tasks.end(); ++it) {
            if (it->getId() == task.getId() && it->getTask() == task.getTask()) {
                tasks.erase(it);
                break;
            }
        }
    }
}

bool Employee::handleTaskIdle(float& dt) {
    if (!idlingTimer.running()) {
        if (occupyingTile && level != nullptr) {
            level->releaseTile(mapPos.x, mapPos.y);
        }
        tasks.emplace_front(texture, TaskIdle, NeedNone, ObjectNone, ItemNone, 0, 0, 0, 0);
        idlingTimer.time = 0.f;
        return false;
    }
    idlingTimer.time += dt;
    dt = 0.f;
    if (idlingTimer.time < idlingTimer.duration) {
        return false;
    }
    dt = idlingTimer.time - idlingTimer.duration;
    const int column = mapPos.x + GameParams::Random() % 3 - 1;
    const int row = mapPos.y + GameParams::Random() % 3 - 1;
    if (level != nullptr && level->isWalkableCell(column, row)) {
        tasks.emplace_back(texture, TaskWalk, NeedNone, ObjectNone, ItemNone, column, row, 0, 0);
    }
    idlingTimer.time = -1.f;
    return true;
}

void Employee::abandonTasks() {
    if (level != nullptr) {
        level->cancelTasks(tasks);
    }
    // Their bookings are undone: carrying them out would undo them twice.
    if (!tasks.empty()) {
        tasks.erase(std::next(tasks.begin()), tasks.end());
    }
}

bool Employee::handleTaskPickUp(const Task& task) {
    if (level == nullptr) {
        return true;
    }
    if (carriedItem) {
        // Two loads at once cannot be carried: this job is given up, and the
        // unit in hand is taken where it belongs first.
        abandonTasks();
        return true;
    }
    const sf::Vector2i at = task.getObjectPos();
    std::unique_ptr<Item> item =
        level->pickUpItem(task.getObjectType(), task.getCorrespondingItem(), at.x, at.y);
    if (!item) {
        abandonTasks();
        return true;
    }
    carrying = true;
    carriedItem = std::move(item);
    carriedAmount = 1;
    // The driver loads everything a goods-out place holds at once; one item
    // stands for all units. At the truck it takes one unit a trip: a place in
    // goods-in takes one item per delivery.
    if (kind == KindTruckDriver && task.getObjectType() != TruckMarker) {
        while (level->pickUpFurtherItem(task.getObjectType(), task.getCorrespondingItem(), at.x,
                                        at.y)) {
            ++carriedAmount;
        }
    }
    return true;
}

bool Employee::handleTaskDeliver(const Task& task) {
    if (level == nullptr) {
        return true;
    }
    if (carrying && carriedAmount > 0 && carriedItem) {
        const sf::Vector2i at = task.getObjectPos();
        // The item stands for every unit carried; read before it changes hands.
        const ItemType carriedType = carriedItem->getType();
        const bool toTruck = task.getObjectType() == TruckMarker;
        if (!level->deliverCarriedItem(task.getObjectType(), carriedItem, at.x, at.y)) {
            std::cout << "Employee::handleTaskDeliver() - Schwerer Fehler! Deliver Item To "
                         "Storage fehlgeschlagen! Darf hier nur in Ausnahmefällen passieren!!!"
                      << std::endl;
            giveUpChain();
            return true;
        }
        // Only units loaded onto the truck are sold: reporting units set down
        // anywhere else would credit goods that never left.
        unsigned unshipped = 0;
        if (kind == KindTruckDriver && toTruck) {
            for (unsigned unit = 1; unit < carriedAmount; ++unit) {
                if (!level->getTruckLogistics().shipUnit(carriedType)) {
                    unshipped = carriedAmount - unit;
                    break;
                }
            }
        }
        carriedItem.reset();
        carrying = false;
        carriedAmount = 0;
        if (unshipped > 0) {
            // More units than were sold: the rest goes back, unsold.
            level->returnUnsoldUnits(carriedType, unshipped);
        }
        return true;
    }
    carriedItem.reset();
    carrying = false;
    carriedAmount = 0;
    abandonTasks();
    return true;
}

void Employee::giveUpChain() {
    GameObjectType destination = ObjectNone;
    for (const Task& task : tasks) {
        if (task.getTask() == TaskDeliver) {
            destination = task.getObjectType();
            break;
        }
    }
    if (level != nullptr) {
        level->cancelTasks(tasks);
    }
    tasks.clear();
    waitingForDoor = false;
    // Back onto the cell it stands on, should it be half-way through a step.
    placeOnCell(mapPos.x, mapPos.y);
    stepProgress = {0.f, 0.f};
    if (!carrying || !carriedItem || level == nullptr) {
        return;
    }
    if (kind == KindTruckDriver) {
        // A driver's units came from the truck (bound for goods-in) or from
        // goods-out (bound for the truck); each goes back where it came from.
        level->returnDriverUnits(carriedItem->getType(), carriedAmount, destination == TruckMarker);
        carriedItem.reset();
        carrying = false;
        carriedAmount = 0;
        return;
    }
    // A worker sets the unit down in storage if it can, else keeps it in
    // hand and asks the dispatch where to take it.
    if (level->putDownItem(carriedItem)) {
        carrying = false;
        carriedAmount = 0;
    }
}

void Employee::leaveLevel() {
    if (level == nullptr) {
        return;
    }
    // A driver's units go back by where they were bound; a worker's to
    // storage, and the level lets no worker go whose unit finds no place.
    giveUpChain();
    if (occupyingTile) {
        level->releaseTile(mapPos.x, mapPos.y);
        occupyingTile = false;
    }
    // Nothing is left in hand: the level lets no worker go whose unit finds
    // no place, and a driver's units went back with its job.
    carriedItem.reset();
    carrying = false;
    carriedAmount = 0;
    currentObjectUsed = nullptr;
    lastObjectUsed = nullptr;
}

void Employee::forgetObject(const GameObject* object) {
    if (object == nullptr) {
        return;
    }
    if (currentObjectUsed == object) {
        currentObjectUsed = nullptr;
        eatingTimer.time = toiletTimer.time = coffeeTimer.time = workingTimer.time = -1.f;
    }
    if (lastObjectUsed == object) {
        lastObjectUsed = nullptr;
    }
}
