#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "params/Rules.hpp"
#include "world/MetaZone.hpp"

#include <algorithm>

bool Level::setTile(TileType type, int column, int row) {
    if (!isInMap(column, row)) {
        return false;
    }
    mapChanged();
    tileMap[cellIndex(column, row)] = type;
    pathFinder.setWeight(column, row, GameParams::GetWalkFactor(type));
    refreshTile(column, row);
    notifyMetaZonesAround(column, row);
    return true;
}

bool Level::placeObject(GameObjectType type, int column, int row, float rotation) {
    if (!isInMap(column, row)) {
        return false;
    }
    mapChanged();
    gameObjectMap[cellIndex(column, row)] = type;
    std::unique_ptr<GameObject> object;
    if (type == ObjectDoor) {
        auto door = std::make_unique<GameObjectDoor>();
        gameObjectDoorContainer.push_back(door.get());
        object = std::move(door);
    } else {
        object = std::make_unique<GameObject>();
    }
    GameObject* placed = object.get();
    gameObjectContainer.push_back(std::move(object));
    placed->init(texture, this, nullptr, type, column, row, rotation);
    updatePathWeight(column, row);
    sortObjects();
    notifyMetaZonesAround(column, row);
    return true;
}

bool Level::placeSurfaceObject(GameObjectType type, int column, int row, float rotation) {
    if (!isInMap(column, row)) {
        return false;
    }
    mapChanged();
    gameObjectSurfacesMap[cellIndex(column, row)] = type;
    GameObject* base = findLastFloorObjectAt(column, row);
    if (base == nullptr) {
        // The entry stays without an object; at least nobody walks through it.
        updatePathWeight(column, row);
        return false;
    }
    auto object = std::make_unique<GameObject>();
    GameObject* placed = object.get();
    gameObjectSurfacesContainer.push_back(std::move(object));
    placed->init(texture, this, base, type, column, row, rotation);
    updatePathWeight(column, row);
    sortObjects();
    notifyMetaZonesAround(column, row);
    return true;
}

bool Level::removeObject(int column, int row) {
    if (!isInMap(column, row) || gameObjectMap[cellIndex(column, row)] == ObjectNone) {
        return false;
    }
    mapChanged();
    gameObjectMap[cellIndex(column, row)] = ObjectNone;
    const sf::Vector2i cell(column, row);
    for (auto it = gameObjectContainer.begin(); it != gameObjectContainer.end();) {
        if ((*it)->getMapPos() != cell) {
            ++it;
            continue;
        }
        // What stands on it goes first, since it refers to it as its partner.
        removeSurfaceObject(column, row);
        forgetObject(it->get());
        it = gameObjectContainer.erase(it);
    }
    updatePathWeight(column, row);
    sortObjects();
    notifyMetaZonesAround(column, row);
    return true;
}

bool Level::removeSurfaceObject(int column, int row) {
    if (!isInMap(column, row) || gameObjectSurfacesMap[cellIndex(column, row)] == ObjectNone) {
        return false;
    }
    mapChanged();
    gameObjectSurfacesMap[cellIndex(column, row)] = ObjectNone;
    const sf::Vector2i cell(column, row);
    for (auto it = gameObjectSurfacesContainer.begin(); it != gameObjectSurfacesContainer.end();) {
        if ((*it)->getMapPos() != cell) {
            ++it;
            continue;
        }
        forgetObject(it->get());
        it = gameObjectSurfacesContainer.erase(it);
    }
    updatePathWeight(column, row);
    sortObjects();
    notifyMetaZonesAround(column, row);
    return true;
}

void Level::updatePathWeight(int column, int row) {
    if (!isInMap(column, row)) {
        return;
    }
    const int index = cellIndex(column, row);
    const TileType tile = tileMap[index];
    const GameObjectType object = gameObjectMap[index];
    const bool blockedByObject =
        object != ObjectNone && object != ObjectToilet && object != ObjectDoor;
    if (tile == TileWall || blockedByObject || gameObjectSurfacesMap[index] != ObjectNone) {
        pathFinder.setWeight(column, row, 0.f);
        return;
    }
    pathFinder.setWeight(column, row, GameParams::GetWalkFactor(tile));
}

void Level::notifyMetaZonesAround(int column, int row) {
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if (MetaZone* metaZone = getMetaZoneAt(c, r)) {
                metaZone->neighbourChanged(column, row);
            }
        }
    }
}

GameObject* Level::findLastFloorObjectAt(int column, int row) const {
    const sf::Vector2i cell(column, row);
    for (auto it = gameObjectContainer.rbegin(); it != gameObjectContainer.rend(); ++it) {
        if ((*it)->getMapPos() == cell) {
            return it->get();
        }
    }
    return nullptr;
}

void Level::forgetObject(const GameObject* object) {
    // Nothing may keep pointing at an object that is about to be destroyed.
    auto drop = [object](auto& list) {
        list.erase(std::remove(list.begin(), list.end(), object), list.end());
    };
    drop(gameObjectDoorContainer);
    drop(gameObjectsNeedingTransport);
    drop(gameObjectsNeedingSupply);
    for (const auto& employee : employees) {
        employee->forgetObject(object);
    }
    forgetObjectInPathRequests(object);
}
