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
    const Level* world = level();
    const auto category = static_cast<ToolCategory>(getToolCategory());
    const auto element = static_cast<GuiElemType>(getToolElement());
    const sf::Vector2i end = cellUnderCursor();
    dragCost = world != nullptr ? world->areaCost(category, element, dragStartCell(), end) : 0.0;
    // An area the account cannot pay is laid not at all: all of it shows red,
    // else the cells the tool would leave as they are.
    const bool unaffordable =
        world != nullptr && dragCost > 0.0 && !world->getBankAccount().canAfford(dragCost);
    for (float y = fromY; y <= toY; y += t)
        for (float x = fromX; x <= toX; x += t) {
            const bool refused =
                unaffordable || (world != nullptr &&
                                 world->cellRefusal(category, element, end.x + cellOf(x, t),
                                                    end.y + cellOf(y, t)) != BuildRefusal::None);
            const sf::Color colour = refused ? sf::Color(255, 110, 110) : sf::Color::White;
            dragQuads.append(sf::Vertex({x, y}, colour, tex));
            dragQuads.append(sf::Vertex({x + t, y}, colour, {tex.x + t, tex.y}));
            dragQuads.append(sf::Vertex({x + t, y + t}, colour, {tex.x + t, tex.y + t}));
            dragQuads.append(sf::Vertex({x, y + t}, colour, {tex.x, tex.y + t}));
        }
}

void Cursor::cancelDrag() {
    if (!dragging)
        return;
    if (isZoneDemolition())
        setDragZonesVisible(true);
    dragQuads.clear();
    dragStart = dragEnd = sf::Vector2f(0.f, 0.f);
    dragCost = 0.0;
    dragging = false;
}

void Cursor::finishDrag() {
    if (!dragging)
        return;
    dragEnd = getPosition();
    Level* world = level();
    if (world != nullptr && tool != nullptr) {
        const auto category = static_cast<ToolCategory>(getToolCategory());
        const auto element = static_cast<GuiElemType>(getToolElement());
        const sf::Vector2i end = cellUnderCursor();
        areaShortfall = world->buildArea(category, element, dragStartCell(), end).missing;
    }
    cancelDrag();
}

void Cursor::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(preview, states);
    if (dragging)
        target.draw(dragQuads, states);
    states.texture = nullptr;
    target.draw(useMarkers, states);
}
