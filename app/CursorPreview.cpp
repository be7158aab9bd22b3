// What the cursor tells before and after a build: the preview turned red
// with the reason, the cells an object is used from, the price of a dragged
// area, and the warning when a placed object cannot be used.

#include "app/Cursor.hpp"

#include "economy/MoneyText.hpp"
#include "params/BuildRefusal.hpp"
#include "params/ToolMappings.hpp"
#include "world/Level.hpp"

#include <cmath>

namespace {

const sf::Color RefusedTint(255, 110, 110);
const sf::Color FreeUseCell(40, 190, 70, 200);
const sf::Color BlockedUseCell(220, 30, 30, 220);
// The use cell's marker: a square of this share of the tile in its middle.
constexpr float MarkerShare = 0.3f;

int cellOf(float pixel, float tile) {
    return static_cast<int>(std::lround(pixel / tile));
}

void appendSquare(sf::VertexArray& quads, sf::Vector2f centre, float side, sf::Color colour) {
    const float h = side / 2.f;
    quads.append(sf::Vertex({centre.x - h, centre.y - h}, colour));
    quads.append(sf::Vertex({centre.x + h, centre.y - h}, colour));
    quads.append(sf::Vertex({centre.x + h, centre.y + h}, colour));
    quads.append(sf::Vertex({centre.x - h, centre.y + h}, colour));
}

} // namespace

sf::Vector2i Cursor::cellUnderCursor() const {
    const float t = tileSize();
    return {cellOf(getPosition().x, t), cellOf(getPosition().y, t)};
}

sf::Vector2i Cursor::dragStartCell() const {
    const float t = tileSize();
    return {cellOf(dragStart.x, t), cellOf(dragStart.y, t)};
}

void Cursor::refreshPreview() {
    previewNote.clear();
    useMarkers.clear();
    const bool wasRefused = previewRefused;
    previewRefused = false;
    Level* world = level();
    const int category = getToolCategory();
    const bool builds =
        category == CategoryTile || category == CategoryZone || category == CategoryObject;
    if (world == nullptr || state != StateBuild || !builds) {
        if (wasRefused)
            paintPreview(false);
        return;
    }
    const auto element = static_cast<GuiElemType>(getToolElement());
    const auto toolCategory = static_cast<ToolCategory>(category);
    const sf::Vector2i cell = cellUnderCursor();
    const BuildRefusal reason = world->buildRefusal(toolCategory, element, cell.x, cell.y);
    previewRefused = reason != BuildRefusal::None;
    paintPreview(previewRefused);
    if (reason == BuildRefusal::WrongZone)
        previewNote =
            GameParams::Texts::GetObjectZoneHint(GameParams::GetObjectTypeForTool(element));
    else if (reason == BuildRefusal::NoMoney)
        previewNote = GameParams::Texts::GetBuildRefusalText(reason) + " (kostet " +
                      MoneyText(Level::buildPrice(toolCategory, element)) + ")";
    else
        previewNote = GameParams::Texts::GetBuildRefusalText(reason);
    if (category == CategoryObject && !dragging)
        markUseCells(*world, cell);
}

void Cursor::paintPreview(bool refused) {
    if (frames.getVertexCount() < 12 || preview.getVertexCount() < 4)
        return;
    const int frame = refused ? FrameRed : FrameBlack;
    for (std::size_t k = 0; k < 4; ++k)
        preview[k].texCoords = frames[frame * 4 + k].texCoords;
    for (std::size_t k = 4; k < preview.getVertexCount(); ++k)
        preview[k].color = refused ? RefusedTint : sf::Color::White;
}

void Cursor::markUseCells(const Level& world, sf::Vector2i cell) {
    const auto type = GameParams::GetObjectTypeForTool(static_cast<GuiElemType>(getToolElement()));
    const float t = tileSize();
    bool anyFree = false;
    const auto cells = world.plannedUsagePositions(type, cell.x, cell.y, getRotation());
    for (const Vec2i& use : cells) {
        // A toilet is used standing on its own cell, which it leaves free.
        const bool free = world.isPassable(use.x, use.y);
        anyFree = anyFree || free;
        // Drawn with the cursor, in its own turned space.
        const sf::Vector2f centre = getInverseTransform().transformPoint(use.x * t, use.y * t);
        appendSquare(useMarkers, centre, MarkerShare * t, free ? FreeUseCell : BlockedUseCell);
    }
    if (!cells.empty() && !anyFree && previewNote.empty())
        previewNote = GameParams::Texts::GetPlannedUnusableText();
}

std::string Cursor::dragNote() const {
    const Level* world = level();
    if (world == nullptr || dragCost <= 0.0)
        return "";
    std::string note = "Kosten der Fläche: " + MoneyText(dragCost);
    const double balance = world->getBankAccount().getBalance();
    if (dragCost > balance)
        note += "\nEs fehlen " + MoneyText(dragCost - balance);
    return note;
}

std::vector<Cursor::PlacedObject> Cursor::usableNeighbours(const Level& world,
                                                           sf::Vector2i cell) const {
    std::vector<PlacedObject> usable;
    for (const sf::Vector2i step :
         {sf::Vector2i(-1, 0), sf::Vector2i(1, 0), sf::Vector2i(0, -1), sf::Vector2i(0, 1)}) {
        const sf::Vector2i at = cell + step;
        const GameObjectType type = world.getObjectType(at.x, at.y);
        if (type != ObjectNone && !world.isObjectUnusable(type, at.x, at.y))
            usable.push_back({at, type});
    }
    return usable;
}

std::string Cursor::unusableWarning(const Level& world, sf::Vector2i cell,
                                    const std::vector<PlacedObject>& usableBefore) const {
    const auto type = GameParams::GetObjectTypeForTool(static_cast<GuiElemType>(getToolElement()));
    if (world.isObjectUnusable(type, cell.x, cell.y))
        return GameParams::Texts::GetObjectUnusableText(type);
    for (const PlacedObject& neighbour : usableBefore)
        if (world.isObjectUnusable(neighbour.type, neighbour.cell.x, neighbour.cell.y))
            return GameParams::Texts::GetNeighbourUnusableText(neighbour.type);
    return "";
}
