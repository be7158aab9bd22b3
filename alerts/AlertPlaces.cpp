// What the checks share: adding an alert with its places, and naming things.

#include "alerts/AlertChecks.hpp"

#include "params/Texts.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

#include <algorithm>

namespace AlertChecks {

void Add(Alerts& alerts, AlertKind kind, std::string text, std::vector<sf::Vector2i> places) {
    alerts.push_back({kind, std::move(text), std::move(places)});
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    std::vector<std::string> seen;
    for (const std::string& name : names) {
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            continue;
        seen.push_back(name);
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined;
}

std::string JoinItemNames(const std::vector<ItemType>& items) {
    std::vector<std::string> names;
    for (ItemType item : items)
        names.push_back(GameParams::Texts::GetItemTypeName(item));
    return JoinNames(names);
}

sf::Vector2i RoomPlace(const MetaZone& room) {
    const std::vector<sf::Vector2i> cells = room.zonePositions();
    if (cells.empty())
        return {-1, -1};
    // The cell nearest the middle of the room, which for an L-shaped room
    // still lies in it.
    sf::Vector2f middle;
    for (const sf::Vector2i& cell : cells)
        middle += sf::Vector2f(cell);
    middle /= static_cast<float>(cells.size());
    const auto distance = [&](const sf::Vector2i& cell) {
        const float dx = static_cast<float>(cell.x) - middle.x;
        const float dy = static_cast<float>(cell.y) - middle.y;
        return dx * dx + dy * dy;
    };
    return *std::min_element(
        cells.begin(), cells.end(),
        [&](const sf::Vector2i& a, const sf::Vector2i& b) { return distance(a) < distance(b); });
}

bool IsEnclosedRoomAt(const Level& level, int column, int row) {
    const MetaZone* room = level.getMetaZoneAt(column, row);
    return room != nullptr && room->wasEnclosed();
}

} // namespace AlertChecks
