#include "world/Level.hpp"

#include "actors/GameObject.hpp"

#include <algorithm>

void Level::addToTransportList(GameObject* object) {
    if (object == nullptr) {
        return;
    }
    // Listed once: an object that finishes again before it was served is the same job.
    if (std::find(gameObjectsNeedingTransport.begin(), gameObjectsNeedingTransport.end(), object) ==
        gameObjectsNeedingTransport.end()) {
        gameObjectsNeedingTransport.push_back(object);
    }
}

void Level::removeFromTransportList(GameObject* object) {
    if (object == nullptr) {
        return;
    }
    const int id = object->getId();
    gameObjectsNeedingTransport.erase(
        std::remove_if(gameObjectsNeedingTransport.begin(), gameObjectsNeedingTransport.end(),
                       [&](const GameObject* entry) { return entry->getId() == id; }),
        gameObjectsNeedingTransport.end());
}
