#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "actors/Item.hpp"
#include "actors/Task.hpp"
#include "actors/Truck.hpp"
#include "economy/GameTime.hpp"
#include "params/TileSize.hpp"
#include "world/LevelShell.hpp"
#include "world/MetaZone.hpp"
#include "world/DrawOrder.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/Color.hpp>

#include <algorithm>
#include <iostream>

namespace {

// Without any clock the game is taken to be at its first minute.
float minutesOn(const GameTime* clock) {
    return clock == nullptr ? 0.f : clock->getTotal();
}

} // namespace

Level::Level(LevelShell* owner, sf::Texture* atlas, const std::string& fileName)
    : texture(atlas), shell(owner) {
    const int tileSize = GameParams::GetTileSizeType() == SIZE128PX ? 128 : 32;
    tileSizeX = tileSize;
    tileSizeY = tileSize;

    bool loaded = false;
    if (!fileName.empty()) {
        loaded = load(fileName);
        if (!loaded) {
            std::cout << "Level::Level - load() failed - Falling back to empty tileMap."
                      << std::endl;
        }
    }
    if (!loaded) {
        buildNewMap();
    }

    applicantPool.fill();
    applicantsAfterLoad = false;
    centreWorldView();
    resetBorderShapes();
    setUpPathFinder();
}

// Members go in reverse order of declaration: the lists that only point at
// objects before the containers that own them.
Level::~Level() = default;

void Level::buildNewMap() {
    clear();
    width = NewGameWidth;
    height = NewGameHeight;
    cellCount = width * height;
    const std::size_t cells = static_cast<std::size_t>(cellCount);
    blockedMap.assign(cells, false);
    tileMap.assign(cells, TileGrass);
    zoneMap.assign(cells, ZoneNone);
    metaZoneMap.assign(cells, nullptr);
    gameObjectMap.assign(cells, ObjectNone);
    gameObjectSurfacesMap.assign(cells, ObjectNone);
    tileContainer = std::make_unique<Tile[]>(cells);
    zoneContainer = std::make_unique<Zone[]>(cells);
    layStreet();
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            refreshTile(column, row);
            refreshZone(column, row);
        }
    }
    const int sidewalkRow = height - 2 * streetLanes - sidewalkRows - 1;
    employeesMapEntryPoints.emplace_back(-1, sidewalkRow);
    employeesMapEntryPoints.emplace_back(width, sidewalkRow);
    // Draws the market's first targets without letting time pass.
    stockMarket.update(0.f, minutesOn(getGameTime()));
}

void Level::layStreet() {
    // Sidewalk, two lanes, the marked middle row, two lanes: six rows that are
    // never built on.
    const int streetRows = 2 * streetLanes + sidewalkRows + 1;
    const int firstStreetRow = height - streetRows;
    for (int row = std::max(0, firstStreetRow); row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int index = cellIndex(column, row);
            const int fromBottom = height - row;
            TileType type = TileRoad;
            if (row == firstStreetRow) {
                type = TileFloor;
            } else if (fromBottom == 3 && column % 3 == 1) {
                type = TileRoadMarking;
            }
            tileMap[index] = type;
            blockedMap[index] = true;
        }
    }
}

void Level::refreshTile(int column, int row) {
    if (!isInMap(column, row) || !tileContainer) {
        return;
    }
    tileContainer[cellIndex(column, row)].set(texture, tileMap[cellIndex(column, row)], column, row,
                                              0.f);
    cellsChanged();
    updatePathWeight(column, row);
}

void Level::refreshZone(int column, int row) {
    if (!isInMap(column, row) || !zoneContainer) {
        return;
    }
    zoneContainer[cellIndex(column, row)].set(texture, this, getFont(),
                                              zoneMap[cellIndex(column, row)], 0.f, column, row);
    cellsChanged();
    updatePathWeight(column, row);
}

void Level::centreWorldView() {
    if (shell == nullptr) {
        return;
    }
    shell->getWorldView().setCenter(tileSizeX * width * 0.5f,
                                    tileSizeY * height - tileSizeY * 360.f / 32.f);
}

void Level::resetBorderShapes() {
    const float tx = static_cast<float>(tileSizeX);
    const float ty = static_cast<float>(tileSizeY);
    const sf::Vector2f horizontal((width + 10) * tx, 10 * ty);
    const sf::Vector2f vertical(10 * tx, (height + 10) * ty);
    const struct {
        sf::Vector2f size;
        sf::Vector2f position;
    } borders[] = {
        {horizontal, {-5.5f * tx, -10.5f * ty}},
        {horizontal, {-5.5f * tx, (height - 0.5f) * ty}},
        {vertical, {-10.5f * tx, -5.5f * ty}},
        {vertical, {(width - 0.5f) * tx, -5.5f * ty}},
    };
    borderShapes.clear();
    for (const auto& border : borders) {
        sf::RectangleShape shape(border.size);
        shape.setPosition(border.position);
        shape.setFillColor(sf::Color::Black);
        shape.setOutlineThickness(0.f);
        borderShapes.push_back(shape);
    }
}

void Level::setUpPathFinder() {
    pathFinder.setWorldSize(Vec2i(width, height));
    pathFinder.setHeuristic(diagonalHeuristic);
    pathFinder.setDirectionCount(PathGrid::MaxDirections);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            updatePathWeight(column, row);
        }
    }
}

void Level::clear() {
    blockedMap.clear();
    tileMap.clear();
    zoneMap.clear();
    metaZoneMap.clear();
    gameObjectMap.clear();
    gameObjectSurfacesMap.clear();
    // Nothing outlives the level's objects that could still point at them.
    employees.clear();
    // Applicants hold ids too: they go with the registry they are in.
    applicantPool.clear();
    tileContainer.reset();
    zoneContainer.reset();
    metaZoneContainer.clear();
    // The lists only point into the containers: empty them before destroying.
    gameObjectDoorContainer.clear();
    gameObjectsNeedingTransport.clear();
    gameObjectsNeedingSupply.clear();
    gameObjectSurfacesContainer.clear();
    gameObjectContainer.clear();
    employeesMapEntryPoints.clear();
    // A running search belongs to the old queue's front request.
    pathFinder.cancelSearch();
    pathFindingQueue.clear();
    currentEmployeeTasks.clear();
    unreachableTargets.forgetAll();
    dispatchMinutes = 0.f;
    storeableItemAmounts.clear();
    storedItems.clear();
    itemsNeedingShippingPreparation.clear();
    itemsReadyForShipping.clear();
    // The driver is an employee: it goes before the employee ids restart.
    activeTruck = nullptr;
    truckLogistics.clear();
    statistics.clear();
    research.clear();
    // Everything numbered is gone: a new map or a loaded one numbers afresh,
    // whatever levels came before it in this process.
    GameObject::ResetIds();
    Employee::ResetIds();
    MetaZone::ResetIds();
    Item::ResetIds();
    Task::ResetIds();
}

void Level::update(float dt) {
    // Unless whoever loaded the file has filled the pool already, as the
    // constructor does.
    if (applicantsAfterLoad) {
        applicantsAfterLoad = false;
        if (applicantPool.size() == 0) {
            applicantPool.fill();
        }
    }
    updateMetaZones();
    if (dt <= 0.f) {
        return;
    }
    dispatchMinutes += dt;
    stockMarket.update(dt, minutesOn(getGameTime()));
    applicantPool.update(dt);
    truckLogistics.update(dt);
    for (GameObjectDoor* door : gameObjectDoorContainer) {
        door->update(dt);
    }
    updateEmployees(dt);
    processPathFindingQueue(dt);
    sampleBenchStatistics(dt);
    sortObjects();
}

void Level::sortObjects() {
    sortGameObjects();
    sortEmployees();
}

void Level::sortGameObjects() {
    std::stable_sort(gameObjectContainer.begin(), gameObjectContainer.end(),
                     DrawnBefore<GameObject>);
    std::stable_sort(gameObjectSurfacesContainer.begin(), gameObjectSurfacesContainer.end(),
                     DrawnBefore<GameObject>);
}

const sf::Font* Level::getFont() const {
    return shell == nullptr ? nullptr : &shell->getFont();
}

const GameTime* Level::getGameTime() const {
    return writableClock();
}

GameTime* Level::writableClock() const {
    return shell == nullptr ? attachedClock : &shell->getGameTime();
}
