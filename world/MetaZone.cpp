#include "world/MetaZone.hpp"

#include "params/Shaders.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <set>
#include <utility>

int MetaZone::maxId = 0;
std::map<int, MetaZone*> MetaZone::registry;

MetaZone::MetaZone(Level* owner, ZoneType zoneType)
    : id(maxId++), type(zoneType), overlay(sf::Quads), level(owner) {
    registerId();
}

MetaZone::~MetaZone() {
    unregisterId();
}

MetaZone* MetaZone::GetById(int id) {
    auto entry = registry.find(id);
    return entry == registry.end() ? nullptr : entry->second;
}

void MetaZone::ResetIds() {
    registry.clear();
    maxId = 0;
}

void MetaZone::KeepIdsAboveRegistered() {
    if (!registry.empty() && registry.rbegin()->first >= maxId) {
        maxId = registry.rbegin()->first + 1;
    }
}

void MetaZone::registerId() {
    registry[id] = this;
}

void MetaZone::unregisterId() {
    auto entry = registry.find(id);
    if (entry != registry.end() && entry->second == this) {
        registry.erase(entry);
    }
}

bool MetaZone::contains(int column, int row) const {
    auto rowEntry = containedZones.find(row);
    return rowEntry != containedZones.end() && rowEntry->second.count(column) != 0;
}

bool MetaZone::addZone(ZoneType zoneType, int column, int row) {
    if (zoneType != type || !level->isInMap(column, row)) {
        return false;
    }
    auto [rowEntry, newRow] = containedZones.try_emplace(row);
    if (newRow) {
        needsRefresh = true;
    }
    auto cell = rowEntry->second.find(column);
    if (cell != rowEntry->second.end()) {
        if (cell->second) {
            needsRefresh = true;
        }
        cell->second = false;
        return false;
    }
    rowEntry->second.emplace(column, false);
    ++cellCount;
    needsRefresh = true;
    return true;
}

bool MetaZone::removeZone(int column, int row) {
    if (!level->isInMap(column, row) || !contains(column, row)) {
        return false;
    }
    auto rowEntry = containedZones.find(row);
    rowEntry->second.erase(column);
    --cellCount;
    if (rowEntry->second.empty()) {
        containedZones.erase(rowEntry);
    }
    needsRefresh = true;
    needsSplitCheck = true;
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if (contains(c, r)) {
                containedZones[r][c] = false;
            }
        }
    }
    return true;
}

bool MetaZone::neighbourChanged(int column, int row) {
    if (!level->isInMap(column, row)) {
        return false;
    }
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if (contains(c, r)) {
                containedZones[r][c] = false;
                needsRefresh = true;
            }
        }
    }
    return true;
}

bool MetaZone::isEnclosed() {
    if (needsRefresh) {
        refresh();
    }
    return enclosed;
}

bool MetaZone::neighbourEncloses(int column, int row) const {
    if (!level->isInMap(column, row)) {
        return true;
    }
    const TileType tile = level->getTileType(column, row);
    if (tile != TileGrass && tile != TileFloor) {
        return true;
    }
    if (level->getObjectType(column, row) == ObjectDoor) {
        return true;
    }
    return level->getZoneType(column, row) == type;
}

bool MetaZone::cellIsWalled(int column, int row) const {
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if ((r != row || c != column) && !neighbourEncloses(c, r)) {
                return false;
            }
        }
    }
    return true;
}

void MetaZone::refresh() {
    if (!needsRefresh) {
        return;
    }
    enclosed = true;
    needsRefresh = false;
    for (const auto& [row, columns] : containedZones) {
        for (const auto& [column, upToDate] : columns) {
            if (!upToDate && !cellIsWalled(column, row)) {
                enclosed = false;
            }
        }
    }
    rebuildOverlay();
}

void MetaZone::rebuildOverlay() {
    overlay.clear();
    maskUploaded = false;
    if (enclosed || containedZones.empty()) {
        mask = sf::Image();
        return;
    }
    const int minRow = containedZones.begin()->first;
    const int maxRow = containedZones.rbegin()->first;
    int minColumn = containedZones.begin()->second.begin()->first;
    int maxColumn = containedZones.begin()->second.rbegin()->first;
    for (const auto& [row, columns] : containedZones) {
        minColumn = std::min(minColumn, columns.begin()->first);
        maxColumn = std::max(maxColumn, columns.rbegin()->first);
    }
    const unsigned maskWidth = static_cast<unsigned>(maxColumn - minColumn + 1);
    const unsigned maskHeight = static_cast<unsigned>(maxRow - minRow + 1);
    mask.create(maskWidth, maskHeight, sf::Color::Transparent);
    for (const auto& [row, columns] : containedZones) {
        for (const auto& entry : columns) {
            mask.setPixel(static_cast<unsigned>(entry.first - minColumn),
                          static_cast<unsigned>(row - minRow), sf::Color::White);
        }
    }

    const float ts = static_cast<float>(level->getTileSizeX());
    const float left = minColumn * ts;
    const float top = minRow * ts;
    const float right = (maxColumn + 1) * ts;
    const float bottom = (maxRow + 1) * ts;
    const float w = static_cast<float>(maskWidth);
    const float h = static_cast<float>(maskHeight);
    overlay.append(sf::Vertex({left, top}, {0.f, 0.f}));
    overlay.append(sf::Vertex({right, top}, {w, 0.f}));
    overlay.append(sf::Vertex({right, bottom}, {w, h}));
    overlay.append(sf::Vertex({left, bottom}, {0.f, h}));
    // Cells are drawn around their centres; the quad starts at a cell's corner.
    setPosition(-ts / 2.f, -ts / 2.f);
}

std::vector<sf::Vector2i> MetaZone::zonePositions() const {
    std::vector<sf::Vector2i> positions;
    for (const auto& [row, columns] : containedZones) {
        for (const auto& entry : columns) {
            positions.emplace_back(entry.first, row);
        }
    }
    return positions;
}

std::unique_ptr<MetaZone> MetaZone::splitOff() {
    if (!needsSplitCheck || cellCount < 2) {
        return nullptr;
    }
    needsSplitCheck = false;

    // (row, column), so that the reached cells come out in row order.
    std::set<std::pair<int, int>> reached;
    std::vector<std::pair<int, int>> open;
    const int firstRow = containedZones.begin()->first;
    const int firstColumn = containedZones.begin()->second.begin()->first;
    open.emplace_back(firstRow, firstColumn);
    reached.emplace(firstRow, firstColumn);
    while (!open.empty()) {
        const auto [row, column] = open.back();
        open.pop_back();
        for (int r = row - 1; r <= row + 1; ++r) {
            for (int c = column - 1; c <= column + 1; ++c) {
                if (contains(c, r) && reached.emplace(r, c).second) {
                    open.emplace_back(r, c);
                }
            }
        }
    }
    if (reached.size() == zonePositions().size()) {
        return nullptr;
    }

    needsSplitCheck = true;
    auto piece = std::make_unique<MetaZone>(level, type);
    for (const auto& [row, column] : reached) {
        piece->addZone(type, column, row);
        removeZone(column, row);
    }
    return piece;
}

void MetaZone::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (overlay.getVertexCount() == 0) {
        return;
    }
    if (!shader) {
        shader.reset(GameParams::Graphics::Shaders::GetGlowingEdgesShader());
        shaderUsable = shader->getNativeHandle() != 0;
    }
    if (!shaderUsable) {
        // Without the shader the mask would cover the room in plain white.
        return;
    }
    if (!maskTexture) {
        maskTexture = std::make_unique<sf::Texture>();
    }
    if (!maskUploaded) {
        maskTexture->loadFromImage(mask);
        maskUploaded = true;
    }
    const float ts = static_cast<float>(level->getTileSizeX());
    const sf::Vector2u maskSize = mask.getSize();
    shader->setUniform("texture", sf::Shader::CurrentTexture);
    shader->setUniform("textureSize", sf::Glsl::Vec2(static_cast<float>(maskSize.x),
                                                     static_cast<float>(maskSize.y)));
    shader->setUniform("tileSize", sf::Glsl::Vec2(ts, ts));
    states.transform *= getTransform();
    states.texture = maskTexture.get();
    states.shader = shader.get();
    target.draw(overlay, states);
}
