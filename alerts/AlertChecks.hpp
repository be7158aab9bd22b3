#pragma once

// The conditions behind each kind of alert, shared by the files that find
// them (AlertPlaces.cpp, AlertRooms.cpp, AlertBenches.cpp, AlertGoods.cpp).
// Every check reads the level and adds at most one alert per kind.

#include "alerts/Alert.hpp"
#include "params/Enums.hpp"

#include <set>
#include <string>
#include <vector>

class GameObject;
class Level;
class MetaZone;
class ReachMap;

namespace AlertChecks {

using Alerts = std::vector<Alert>;

// The checks call it only when the condition holds somewhere.
void Add(Alerts& alerts, AlertKind kind, std::string text, std::vector<sf::Vector2i> places);
// "Stahl, Glas": the names in the given order, each once.
std::string JoinItemNames(const std::vector<ItemType>& items);
std::string JoinNames(const std::vector<std::string>& names);
// The cell the view goes to for a room: the one nearest its middle.
sf::Vector2i RoomPlace(const MetaZone& room);
// Whether the room's walls were found closed at its last refresh.
bool IsEnclosedRoomAt(const Level& level, int column, int row);

// Whether finished units wait at the bench with no free storage for them;
// adds their types.
bool HoldsStuckOutput(const Level& level, const GameObject& bench, std::vector<ItemType>& types);

void Rooms(const Level& level, const ReachMap& reach, Alerts& alerts);
void UnusableObjects(const Level& level, Alerts& alerts);
void UnservedNeeds(const Level& level, const ReachMap& reach, Alerts& alerts);
void Benches(const Level& level, Alerts& alerts);
void Staff(const Level& level, Alerts& alerts);
// An office without a desk; desks in enclosed offices while no project is chosen.
void Research(const Level& level, Alerts& alerts);
void Storage(const Level& level, Alerts& alerts);
void Deliveries(const Level& level, const ReachMap& reach, Alerts& alerts);
void PickUps(const Level& level, const ReachMap& reach, Alerts& alerts);

} // namespace AlertChecks
