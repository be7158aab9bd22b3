// What a loaded level rebuilds itself because the save file does not carry
// it: references between objects, drawables, path weights, doors, tiles in
// use, and the checks that keep hostile files from reaching the simulation.
#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "actors/Item.hpp"
#include "params/Rules.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <algorithm>
#include <iostream>

namespace {

void Report(const std::string& message) {
    std::cout << "Level::load() - " << message << std::endl;
}

} // namespace

bool Level::objectsAreOnMap() const {
    auto onMap = [this](const std::unique_ptr<GameObject>& object) {
        const sf::Vector2i cell = object->getMapPos();
        return isInMap(cell.x, cell.y);
    };
    return std::all_of(gameObjectContainer.begin(), gameObjectContainer.end(), onMap) &&
           std::all_of(gameObjectSurfacesContainer.begin(), gameObjectSurfacesContainer.end(),
                       onMap);
}

bool Level::restoreSurfacePartners() {
    for (const auto& surfaceObject : gameObjectSurfacesContainer) {
        const sf::Vector2i cell = surfaceObject->getMapPos();
        auto standsBelow = [&cell](const std::unique_ptr<GameObject>& object) {
            return object->getMapPos() == cell;
        };
        auto base =
            std::find_if(gameObjectContainer.begin(), gameObjectContainer.end(), standsBelow);
        if (base == gameObjectContainer.end()) {
            return false;
        }
        surfaceObject->restorePartner(base->get());
    }
    return true;
}

bool Level::pathRequestsAreSound() const {
    for (const PathFindingItem& item : pathFindingQueue) {
        // The search starts at the employee and ends on the targets: all of
        // them must lie on the map, and the four lists must agree.
        if (item.employee == nullptr || !item.isConsistent()) {
            return false;
        }
        for (const Vec2i& target : item.targets) {
            if (!isInMap(target.x, target.y)) {
                return false;
            }
        }
    }
    return true;
}

void Level::rebuildAfterLoad() {
    // The grid and the borders follow the size, which a file may change.
    if (pathFinder.getWorldSize().x != width || pathFinder.getWorldSize().y != height) {
        setUpPathFinder();
    }
    resetBorderShapes();
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            refreshTile(column, row);
            refreshZone(column, row);
        }
    }
    // Files written before goods cells stopped counting as free slots hold
    // too many; the cells say how many there are.
    recountStoreable();
    // A room's enclosure and overlay follow from the cells around it.
    for (const auto& room : metaZoneContainer) {
        room->refresh();
    }
    // Tiles in use are not saved: every chain handed over for the use of an
    // object holds the cell it ends on.
    for (const auto& employee : employees) {
        const std::list<Task>& tasks = employee->getTasks();
        if (tasks.empty() || !GameParams::IsTileOccupyingTask(tasks.back().getTask())) {
            continue;
        }
        const sf::Vector2i cell = tasks.back().getDestination();
        if (isInMap(cell.x, cell.y)) {
            tileContainer[cellIndex(cell.x, cell.y)].occupy();
        }
    }
    activeTruck = truckLogistics.getCurrentTruck();
    // Each record carries its class's counter and the last one read sets it;
    // a file whose counters disagree must not make a new id collide with a
    // loaded one.
    Employee::KeepIdsAboveRegistered();
    GameObject::KeepIdsAboveRegistered();
    MetaZone::KeepIdsAboveRegistered();
}

bool Level::restoreDoors() {
    for (const auto& object : gameObjectContainer) {
        if (object->getObjType() != ObjectDoor) {
            continue;
        }
        auto* door = dynamic_cast<GameObjectDoor*>(object.get());
        if (door == nullptr) {
            Report("Wiederherstellen von gameObjectDoorContainer fehlgeschlagen!");
            return false;
        }
        const sf::Vector2i cell = door->getMapPos();
        const bool someoneInside =
            std::any_of(employees.begin(), employees.end(), [&cell](const auto& employee) {
                return employee->getMapPosition() == cell;
            });
        if (someoneInside) {
            door->requestOpening();
        }
        gameObjectDoorContainer.push_back(door);
    }
    return true;
}
