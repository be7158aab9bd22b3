// The drag rectangle of tile, zone and zone-demolition tools.

#include "app/Cursor.hpp"

#include "ui/MenuImageButton.hpp"
#include "world/Level.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

int cellOf(float pixel, float tile) {
    return static_cast<int>(std::lround(pixel / tile));
}

} // namespace

void Cursor::setDragZonesVisible(bool visible) {
    Level* world = level();
    if (world == nullptr)
        return;
    const float t = tileSize();
    const int firstColumn = cellOf(std::min(dragStart.x, dragEnd.x), t);
    const int lastColumn = cellOf(std::max(dragStart.x, dragEnd.x), t);
    const int firstRow = cellOf(std::min(dragStart.y, dragEnd.y), t);
    const int lastRow = cellOf(std::max(dragStart.y, dragEnd.y), t);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            if (Zone* zone = world->getZoneAt(column, row))
                zone->setVisible(visible);
    world->cellsChanged();
}

void Cursor::updateDrag() {
    if (getPosition() == dragEnd)
        return;
    if (isZoneDemolition())
        setDragZonesVisible(true);
    dragEnd = getPosition();
    const int category = getToolCategory();
    if (category == CategoryTile || category == CategoryZone)
        rebuildDragQuads();
    // The zones about to go disappear while the player drags over them.
    if (isZoneDemolition())
        setDragZonesVisible(false);
}

void Cursor::rebuildDragQuads() {
    dragQuads.clear();
    const float t = tileSize();
    const float dx = std::fabs(std::floor(dragEnd.x) - std::floor(dragStart.x));
    const float dy = std::fabs(std::floor(dragEnd.y) - std::floor(dragStart.y));
    // Offsets in the cursor's own space, from the cursor back to the start.
    const float fromX = dragEnd.x > dragStart.x ? -dx : 0.f;
    const float toX = dragEnd.x > dragStart.x ? 0.f : dx;
    const float fromY = dragEnd.y > dragStart.y ? -dy : 0.f;
    const float toY = dragEnd.y > dragStart.y ? 0.f : dy;
    const sf::VertexArray& icon = tool->getQuad();
    const sf::Vector2f tex = icon.getVertexCount() > 0 ? icon[0].texCoords : sf::Vector2f();
    for (float y = fromY; y <= toY; y += t)
        for (float x = fromX; x <= toX; x += t) {
            dragQuads.append(sf::Vertex({x, y}, tex));
            dragQuads.append(sf::Vertex({x + t, y}, {tex.x + t, tex.y}));
            dragQuads.append(sf::Vertex({x + t, y + t}, {tex.x + t, tex.y + t}));
            dragQuads.append(sf::Vertex({x, y + t}, {tex.x, tex.y + t}));
        }
}

void Cursor::cancelDrag() {
    if (!dragging)
        return;
    if (isZoneDemolition())
        setDragZonesVisible(true);
    dragQuads.clear();
    dragStart = dragEnd = sf::Vector2f(0.f, 0.f);
    dragging = false;
}

void Cursor::finishDrag() {
    if (!dragging)
        return;
    dragEnd = getPosition();
    Level* world = level();
    if (world != nullptr && tool != nullptr) {
        const float t = tileSize();
        const auto category = static_cast<ToolCategory>(getToolCategory());
        const auto element = static_cast<GuiElemType>(getToolElement());
        const float left = std::min(dragStart.x, dragEnd.x);
        const float right = std::max(dragStart.x, dragEnd.x);
        const float top = std::min(dragStart.y, dragEnd.y);
        const float bottom = std::max(dragStart.y, dragEnd.y);
        // Each tile is priced and validated on its own, row by row.
        for (float y = top; y <= bottom; y += t)
            for (float x = left; x <= right; x += t) {
                setPosition(x, y);
                world->build(category, element, getRotation(), x, y);
            }
    }
    setPosition(dragEnd);
    cancelDrag();
}

void Cursor::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(preview, states);
    if (dragging)
        target.draw(dragQuads, states);
}
