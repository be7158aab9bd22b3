#include "world/Level.hpp"

#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <algorithm>
#include <utility>

namespace {

using MetaZoneContainer = std::vector<std::unique_ptr<MetaZone>>;
using MetaZoneMap = std::vector<MetaZone*>;

// Nothing may keep pointing at a room once it is gone.
void DestroyMetaZone(MetaZoneContainer& container, MetaZoneMap& map, const MetaZone* metaZone) {
    std::replace(map.begin(), map.end(), const_cast<MetaZone*>(metaZone),
                 static_cast<MetaZone*>(nullptr));
    container.erase(std::remove_if(container.begin(), container.end(),
                                   [metaZone](const std::unique_ptr<MetaZone>& owned) {
                                       return owned.get() == metaZone;
                                   }),
                    container.end());
}

// Takes the cell out of the room recorded for it; a room left without cells is
// destroyed.
bool LeaveMetaZone(MetaZoneContainer& container, MetaZoneMap& map, int index, int column, int row) {
    MetaZone* metaZone = map[index];
    if (metaZone == nullptr) {
        return false;
    }
    const bool removed = metaZone->removeZone(column, row);
    map[index] = nullptr;
    if (metaZone->getCellCount() == 0) {
        DestroyMetaZone(container, map, metaZone);
    }
    return removed;
}

} // namespace

bool Level::setZone(ZoneType type, int column, int row) {
    if (!isInMap(column, row)) {
        return false;
    }
    mapChanged();
    const int index = cellIndex(column, row);
    if (zoneMap[index] != type &&
        (!objectsAllowZone(type, column, row) || !moveGoodsOff(column, row))) {
        return false;
    }
    if (type != ZoneNone) {
        // A cell that changes straight to another zone must not stay in its old room.
        LeaveMetaZone(metaZoneContainer, metaZoneMap, index, column, row);
    }
    zoneMap[index] = type;
    refreshZone(column, row);

    bool placed = false;
    for (int r = row - 1; r <= row + 1 && !placed; ++r) {
        for (int c = column - 1; c <= column + 1 && !placed; ++c) {
            if (!isInMap(c, r)) {
                continue;
            }
            if (type == ZoneNone) {
                placed = LeaveMetaZone(metaZoneContainer, metaZoneMap, index, column, row);
            } else if (MetaZone* near = metaZoneMap[cellIndex(c, r)];
                       near != nullptr && near->addZone(type, column, row)) {
                metaZoneMap[index] = near;
                placed = true;
            }
            if (MetaZone* near = metaZoneMap[cellIndex(c, r)]) {
                near->neighbourChanged(column, row);
            }
        }
    }
    if (type == ZoneNone) {
        if (!placed) {
            LeaveMetaZone(metaZoneContainer, metaZoneMap, index, column, row);
        }
        return true;
    }
    if (!placed) {
        metaZoneContainer.push_back(std::make_unique<MetaZone>(this, type));
        metaZoneContainer.back()->addZone(type, column, row);
        metaZoneMap[index] = metaZoneContainer.back().get();
    }

    // The new cell may join rooms that were apart: the one found last takes the others in.
    std::vector<MetaZone*> rooms;
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            MetaZone* near = getMetaZoneAt(c, r);
            if (near != nullptr && near->getType() == type &&
                std::find(rooms.begin(), rooms.end(), near) == rooms.end()) {
                rooms.push_back(near);
            }
        }
    }
    if (rooms.size() < 2) {
        return true;
    }
    MetaZone* survivor = rooms.back();
    rooms.pop_back();
    for (MetaZone* merged : rooms) {
        for (const sf::Vector2i& cell : merged->zonePositions()) {
            survivor->addZone(type, cell.x, cell.y);
            metaZoneMap[cellIndex(cell.x, cell.y)] = survivor;
        }
        DestroyMetaZone(metaZoneContainer, metaZoneMap, merged);
    }
    return true;
}

void Level::updateMetaZones() {
    std::size_t i = 0;
    while (i < metaZoneContainer.size()) {
        MetaZone& metaZone = *metaZoneContainer[i];
        if (metaZone.getNeedsRefresh()) {
            metaZone.refresh();
        }
        std::unique_ptr<MetaZone> piece = metaZone.splitOff();
        if (!piece) {
            ++i;
            continue;
        }
        if (piece->getNeedsRefresh()) {
            piece->refresh();
        }
        for (const sf::Vector2i& cell : piece->zonePositions()) {
            if (isInMap(cell.x, cell.y)) {
                metaZoneMap[cellIndex(cell.x, cell.y)] = piece.get();
            }
        }
        metaZoneContainer.push_back(std::move(piece));
        // A room may have fallen into more than two pieces: look at all of them again.
        i = 0;
    }
}
