#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/Truck.hpp"
#include "world/LevelShell.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/View.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

void Level::setViewSize(int viewWidthPixels, int viewHeightPixels) {
    viewWidth = viewWidthPixels;
    viewHeight = viewHeightPixels;
}

Level::CellRange Level::getVisibleCellRange(const sf::View* view) const {
    CellRange range;
    if (view == nullptr) {
        range.endColumn = width;
        range.endRow = height;
        return range;
    }
    const sf::Vector2f centre = view->getCenter();
    const sf::Vector2f size = view->getSize();
    const float left = viewWidth / 2 - size.x + centre.x;
    const float top = viewHeight / 2 - size.y + centre.y;
    // Two more columns and rows than the view shows, so nothing pops in at the far edges.
    range.firstColumn = std::max(0, static_cast<int>(std::trunc(left / tileSizeX)));
    range.endColumn =
        std::min(width, static_cast<int>(std::trunc((left + size.x) / tileSizeX)) + 2);
    range.firstRow = std::max(0, static_cast<int>(std::trunc(top / tileSizeY)));
    range.endRow = std::min(height, static_cast<int>(std::trunc((top + size.y) / tileSizeY)) + 2);
    return range;
}

void Level::forEachInDrawOrder(const std::function<void(const sf::Drawable&)>& visit) const {
    // A merge of the three containers, each already sorted by y; at equal y the
    // floor object goes first so that what stands on it is drawn over it, and
    // an employee last, in front of both.
    auto floor = gameObjectContainer.begin();
    auto surface = gameObjectSurfacesContainer.begin();
    auto employee = employees.begin();
    const auto floorEnd = gameObjectContainer.end();
    const auto surfaceEnd = gameObjectSurfacesContainer.end();
    const auto employeeEnd = employees.end();
    constexpr float Last = std::numeric_limits<float>::infinity();
    while (floor != floorEnd || surface != surfaceEnd || employee != employeeEnd) {
        const float floorY = floor != floorEnd ? (*floor)->getPosition().y : Last;
        const float surfaceY = surface != surfaceEnd ? (*surface)->getPosition().y : Last;
        const float employeeY = employee != employeeEnd ? (*employee)->getPosition().y : Last;
        if (floor != floorEnd && floorY <= surfaceY && floorY <= employeeY) {
            visit(**floor++);
        } else if (surface != surfaceEnd && surfaceY <= employeeY) {
            visit(**surface++);
        } else {
            visit(**employee++);
        }
    }
}

void Level::drawCells(sf::RenderTarget& target, sf::RenderStates states,
                      const CellRange& range) const {
    // One draw call for the ground and one for the zones: a call per cell
    // cost more than everything else in a frame.
    const CellBatch::Key key{range.firstColumn, range.endColumn, range.firstRow, range.endRow,
                             cellRevision};
    if (!cellBatch.isCurrent(key)) {
        cellBatch.begin(key);
        for (int row = range.firstRow; row < range.endRow; ++row) {
            for (int column = range.firstColumn; column < range.endColumn; ++column) {
                cellBatch.addTile(tileContainer[cellIndex(column, row)]);
                // The empty zone's sprite is fully transparent.
                const Zone& zone = zoneContainer[cellIndex(column, row)];
                if (zone.getType() != ZoneNone)
                    cellBatch.addZone(zone);
            }
        }
    }
    target.draw(cellBatch.getTiles(), states);
    target.draw(cellBatch.getZones(), states);
    for (int row = range.firstRow; row < range.endRow; ++row) {
        for (int column = range.firstColumn; column < range.endColumn; ++column) {
            const Zone& zone = zoneContainer[cellIndex(column, row)];
            if (zone.isStorageZone())
                zone.drawContents(target, states);
        }
    }
}

void Level::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform *= getTransform();
    states.texture = texture;

    if (tileContainer && zoneContainer) {
        const CellRange range =
            getVisibleCellRange(shell == nullptr ? nullptr : &shell->getWorldView());
        drawCells(target, states, range);
    }
    for (const auto& metaZone : metaZoneContainer) {
        target.draw(*metaZone, states);
    }
    forEachInDrawOrder([&](const sf::Drawable& drawable) { target.draw(drawable, states); });
    if (activeTruck != nullptr) {
        activeTruck->drawCargoDisplay(target, states);
        target.draw(*activeTruck, states);
    }
    for (const sf::RectangleShape& border : borderShapes) {
        target.draw(border, states);
    }
}
