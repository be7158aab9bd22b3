// Building asked about before it happens: the cursor's preview, the price of
// a dragged area, and the area built whole or not at all.

#include "world/Level.hpp"

#include "actors/UsageCells.hpp"
#include "params/Prices.hpp"
#include "params/Rules.hpp"
#include "params/ToolMappings.hpp"
#include "world/BuildRules.hpp"

#include <algorithm>

namespace {

// Calls visit(column, row) for the rectangle's cells, row by row.
template <class Visit> void forEachCellOf(sf::Vector2i first, sf::Vector2i last, Visit visit) {
    for (int row = std::min(first.y, last.y); row <= std::max(first.y, last.y); ++row)
        for (int column = std::min(first.x, last.x); column <= std::max(first.x, last.x); ++column)
            visit(column, row);
}

} // namespace

BuildRefusal Level::cellRefusal(ToolCategory category, GuiElemType toolId, int column,
                                int row) const {
    switch (category) {
    case CategoryTile:
        return BuildRules::ForTile(*this, GameParams::GetTileTypeForTool(toolId), column, row);
    case CategoryZone:
        return BuildRules::ForZone(*this, GameParams::GetZoneTypeForTool(toolId), column, row);
    case CategoryObject:
        return BuildRules::ForObject(*this, GameParams::GetObjectTypeForTool(toolId), column, row);
    default:
        return BuildRefusal::None;
    }
}

BuildRefusal Level::buildRefusal(ToolCategory category, GuiElemType toolId, int column,
                                 int row) const {
    const BuildRefusal reason = cellRefusal(category, toolId, column, row);
    if (reason != BuildRefusal::None)
        return reason;
    return bankAccount.canAfford(buildPrice(category, toolId)) ? BuildRefusal::None
                                                               : BuildRefusal::NoMoney;
}

float Level::buildPrice(ToolCategory category, GuiElemType toolId) {
    switch (category) {
    case CategoryTile:
        return GameParams::GetTilePrice(GameParams::GetTileTypeForTool(toolId));
    case CategoryZone:
        return GameParams::GetZonePrice(GameParams::GetZoneTypeForTool(toolId));
    case CategoryObject:
        return GameParams::GetObjectPrice(GameParams::GetObjectTypeForTool(toolId));
    default:
        return 0.f;
    }
}

double Level::areaCost(ToolCategory category, GuiElemType toolId, sf::Vector2i first,
                       sf::Vector2i last) const {
    const double price = buildPrice(category, toolId);
    double cost = 0.0;
    forEachCellOf(first, last, [&](int column, int row) {
        if (cellRefusal(category, toolId, column, row) == BuildRefusal::None)
            cost += price;
    });
    return cost;
}

Level::AreaBuild Level::buildArea(ToolCategory category, GuiElemType toolId, sf::Vector2i first,
                                  sf::Vector2i last, const std::function<void(bool)>& eachCell) {
    AreaBuild result;
    result.cost = areaCost(category, toolId, first, last);
    // Half an area is worse than none: walls with a gap, a room half floored.
    if (result.cost > 0.0 && !bankAccount.canAfford(result.cost)) {
        result.missing = result.cost - bankAccount.getBalance();
        refuse(BuildRefusal::AreaTooExpensive);
        return result;
    }
    forEachCellOf(first, last, [&](int column, int row) {
        const bool built = build(category, toolId, 0.f, static_cast<float>(column * tileSizeX),
                                 static_cast<float>(row * tileSizeY));
        if (eachCell)
            eachCell(built);
    });
    return result;
}

std::vector<Vec2i> Level::plannedUsagePositions(GameObjectType type, int column, int row,
                                                float rotation) const {
    if (!isInMap(column, row))
        return {};
    const GameParams::ObjectTypeParams params = GameParams::GetObjectTypeParams(type);
    // Something standing on a counter is used from where the counter is.
    if (params.needsSurface)
        return usagePositions(getObjectType(column, row), column, row);
    return UsageCells::ForRule(params.usagePositionRule, column, row, rotation);
}

bool Level::isObjectUnusable(GameObjectType type, int column, int row) const {
    const std::vector<Vec2i> cells = usagePositions(type, column, row);
    return !cells.empty() && std::none_of(cells.begin(), cells.end(), [this](const Vec2i& cell) {
        return isPassable(cell.x, cell.y);
    });
}
