#include "world/Level.hpp"

#include "actors/GameObject.hpp"
#include "params/PhraseTexts.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace {

template <typename Container> GameObject* objectAt(const Container& objects, int column, int row) {
    for (const auto& object : objects) {
        if (object->getMapPos() == sf::Vector2i(column, row)) {
            return object.get();
        }
    }
    return nullptr;
}

} // namespace

bool Level::isInMap(int column, int row) const {
    return column >= 0 && row >= 0 && column < width && row < height &&
           cellIndex(column, row) < static_cast<int>(tileMap.size());
}

sf::Vector2i Level::cellAt(float x, float y) const {
    return {static_cast<int>(std::trunc(x / tileSizeX)),
            static_cast<int>(std::trunc(y / tileSizeY))};
}

bool Level::isBlocked(int column, int row) const {
    return isInMap(column, row) && blockedMap[cellIndex(column, row)];
}

TileType Level::getTileType(int column, int row) const {
    return isInMap(column, row) ? tileMap[cellIndex(column, row)] : TileInvalid;
}

ZoneType Level::getZoneType(int column, int row) const {
    return isInMap(column, row) ? zoneMap[cellIndex(column, row)] : ZoneNone;
}

GameObjectType Level::getObjectType(int column, int row) const {
    return isInMap(column, row) ? gameObjectMap[cellIndex(column, row)] : ObjectNone;
}

GameObjectType Level::getSurfaceObjectType(int column, int row) const {
    return isInMap(column, row) ? gameObjectSurfacesMap[cellIndex(column, row)] : ObjectNone;
}

MetaZone* Level::getMetaZoneAt(int column, int row) const {
    return isInMap(column, row) ? metaZoneMap[cellIndex(column, row)] : nullptr;
}

Zone* Level::getZoneAt(int column, int row) const {
    if (!isInMap(column, row) || !zoneContainer) {
        return nullptr;
    }
    return &zoneContainer[cellIndex(column, row)];
}

Tile* Level::getTileAt(int column, int row) const {
    if (!isInMap(column, row) || !tileContainer) {
        return nullptr;
    }
    return &tileContainer[cellIndex(column, row)];
}

std::string Level::tooltipText(float x, float y, int column, int row) const {
    if (!isInMap(column, row)) {
        return "";
    }
    std::vector<std::string> parts;
    std::string employee = employeeInfoAt(x, y);
    if (!employee.empty()) {
        parts.push_back(std::move(employee));
    }
    if (getSurfaceObjectType(column, row) != ObjectNone) {
        if (GameObject* object = objectAt(gameObjectSurfacesContainer, column, row)) {
            parts.push_back(object->getInfo());
        }
    }
    if (getObjectType(column, row) != ObjectNone) {
        if (GameObject* object = objectAt(gameObjectContainer, column, row)) {
            parts.push_back(object->getInfo());
        }
    }
    // The room speaks up on its own cells, and under other things only when
    // something keeps it from working.
    if (const MetaZone* room = getMetaZoneAt(column, row)) {
        const std::string researchNote = researchNoteAt(column, row);
        if (parts.empty() || !room->shortcomings().empty() || !researchNote.empty()) {
            parts.push_back(researchNote.empty() ? room->getInfo()
                                                 : room->getInfo() + "\n" + researchNote);
        }
    }
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += "\n";
            text += GameParams::Phrases::TooltipRule;
            text += "\n";
        }
        text += part;
    }
    return text;
}

bool Level::isWalkableCell(int column, int row) const {
    if (!isInMap(column, row)) {
        return false;
    }
    const TileType tile = getTileType(column, row);
    if (tile != TileGrass && tile != TileFloor) {
        return false;
    }
    const GameObjectType object = getObjectType(column, row);
    return object == ObjectNone || object == ObjectToilet;
}

GameObject* Level::getObjectAtMapPosition(int column, int row) const {
    if (!isInMap(column, row)) {
        return nullptr;
    }
    if (getObjectType(column, row) != ObjectNone) {
        if (GameObject* object = objectAt(gameObjectContainer, column, row)) {
            return object;
        }
    }
    if (getSurfaceObjectType(column, row) != ObjectNone) {
        return objectAt(gameObjectSurfacesContainer, column, row);
    }
    return nullptr;
}

GameObject* Level::findObjectOnCell(GameObjectType type, int column, int row) const {
    if (!isInMap(column, row)) {
        return nullptr;
    }
    const GameObjectType floorType = getObjectType(column, row);
    const GameObjectType surfaceType = getSurfaceObjectType(column, row);
    if (type == ObjectNone) {
        type = surfaceType != ObjectNone ? surfaceType : floorType;
    }
    if (type == ObjectNone) {
        return nullptr;
    }
    if (type == floorType) {
        return objectAt(gameObjectContainer, column, row);
    }
    if (type == surfaceType) {
        return objectAt(gameObjectSurfacesContainer, column, row);
    }
    return nullptr;
}

bool Level::releaseTile(int column, int row) {
    Tile* tile = getTileAt(column, row);
    return tile != nullptr && tile->release();
}
