#include "world/MetaZone.hpp"

#include "persist/RecordStart.hpp"
#include "persist/ValueCodecs.hpp"
#include "world/Level.hpp"

#include <cstdint>
#include <iostream>
#include <string>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "METAZONE";

const char* const Owner = "MetaZone::load()";

void Report(const char* message) {
    std::cout << Owner << " - " << message << std::endl;
}

std::size_t CountCells(const MetaZone::CellMap& cells) {
    std::size_t count = 0;
    for (const auto& row : cells) {
        count += row.second.size();
    }
    return count;
}

// An empty row or a cell off the map would break the overlay's bounding box.
bool CellsLieOnMap(const MetaZone::CellMap& cells, const Level& level) {
    for (const auto& [row, columns] : cells) {
        if (columns.empty()) {
            return false;
        }
        for (const auto& entry : columns) {
            if (!level.isInMap(entry.first, row)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool MetaZone::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << maxId << ' ' << id << ' '
        << static_cast<std::int32_t>(type) << ' ' << cellCount << ' ';
    if (!GameParams::Save::MapOfIntAndMapOfIntAndBool(containedZones, out)) {
        return false;
    }
    return !out.fail();
}

bool MetaZone::load(std::istream& in) {
    containedZones.clear();
    int loadedMaxId = 0;
    if (!GameParams::Load::RecordStart(in, Owner, RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::ReadOn) ||
        !GameParams::Load::ClassCounter(in, Owner, loadedMaxId)) {
        return false;
    }
    int loadedId = 0;
    if (!(in >> loadedId)) {
        return false;
    }
    // References to rooms are resolved by id, so two rooms must not share one.
    const MetaZone* holder = GetById(loadedId);
    if (loadedId < 0 || loadedId >= loadedMaxId || (holder != nullptr && holder != this)) {
        Report("id ungueltig!");
        return false;
    }
    std::int32_t loadedType = 0;
    if (!(in >> loadedType)) {
        return false;
    }
    if (loadedType == -1 || loadedType == 0) {
        Report("type ungueltig!");
        return false;
    }
    int loadedCount = 0;
    if (!(in >> loadedCount)) {
        return false;
    }
    CellMap loadedCells;
    if (!GameParams::Load::MapOfIntAndMapOfIntAndBool(in, loadedCells) ||
        !CellsLieOnMap(loadedCells, *level)) {
        Report("Laden von containedZones fehlgeschlagen!");
        return false;
    }
    // Splitting and destruction go by the count; it must match the cells.
    if (loadedCount < 0 || static_cast<std::size_t>(loadedCount) != CountCells(loadedCells)) {
        Report("cellCount ungueltig!");
        return false;
    }

    maxId = loadedMaxId;
    unregisterId();
    id = loadedId;
    registerId();
    type = static_cast<ZoneType>(loadedType);
    cellCount = loadedCount;
    containedZones = std::move(loadedCells);
    enclosed = false;
    needsRefresh = true;
    needsSplitCheck = true;
    overlay.clear();
    mask = sf::Image();
    maskUploaded = false;
    return true;
}
