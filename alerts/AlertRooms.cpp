// Alerts about the way in: rooms that are open or out of reach, furniture
// nobody can stand at, and needs no reachable furniture serves.

#include "alerts/AlertChecks.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "alerts/ReachMap.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

#include <algorithm>

namespace AlertChecks {

namespace {

struct ServedNeed {
    NeedType need;
    TaskType task;
    const char* name;
};

// The needs furniture can serve, and how the alert names what is missing.
constexpr ServedNeed ServedNeeds[] = {
    {NeedToilet, TaskToilet, "Toilette"},
    {NeedFood, TaskEat, "Essen"},
    {NeedCoffee, TaskCoffee, "Kaffee"},
};

template <class Visit> void ForEachObject(const Level& level, Visit visit) {
    for (const auto* objects : {&level.getGameObjects(), &level.getSurfaceObjects()})
        for (const auto& object : *objects)
            visit(*object);
}

bool CanBeUsedFromStreet(const Level& level, const ReachMap& reach, const GameObject& object) {
    const sf::Vector2i at = object.getMapPos();
    // The dispatch sends nobody into a room whose walls are open.
    if (!IsEnclosedRoomAt(level, at.x, at.y))
        return false;
    for (const Vec2i& cell : object.getUsagePos())
        if (level.isPassable(cell.x, cell.y) && reach.reached(cell.x, cell.y))
            return true;
    return false;
}

} // namespace

void Rooms(const Level& level, const ReachMap& reach, Alerts& alerts) {
    std::vector<sf::Vector2i> open;
    std::vector<sf::Vector2i> cutOff;
    for (const auto& room : level.getMetaZones()) {
        if (room->getCellCount() == 0)
            continue;
        if (!room->wasEnclosed())
            open.push_back(RoomPlace(*room));
        if (!reach.anyReached(room->zonePositions()))
            cutOff.push_back(RoomPlace(*room));
    }
    if (!open.empty())
        Add(alerts, AlertKind::RoomOpen, "Raum nicht geschlossen", open);
    if (!cutOff.empty())
        Add(alerts, AlertKind::RoomNoAccess, "Raum nicht erreichbar", cutOff);
}

void UnusableObjects(const Level& level, Alerts& alerts) {
    std::vector<sf::Vector2i> places;
    std::vector<std::string> names;
    ForEachObject(level, [&](const GameObject& object) {
        // The same cells Level::usagePositions answers, without looking the
        // object up again. A door is walked through, not used.
        const std::vector<Vec2i>& usage = object.getUsagePos();
        if (object.getObjType() == ObjectDoor || usage.empty())
            return;
        for (const Vec2i& cell : usage)
            if (level.isPassable(cell.x, cell.y))
                return;
        // A coffee machine on a blocked counter is the same place.
        if (std::find(places.begin(), places.end(), object.getMapPos()) == places.end())
            places.push_back(object.getMapPos());
        names.push_back(GameParams::Texts::GetObjectTypeName(object.getObjType()));
    });
    if (!places.empty())
        Add(alerts, AlertKind::ObjectUnusable, "Zugang verstellt: " + JoinNames(names), places);
}

void UnservedNeeds(const Level& level, const ReachMap& reach, Alerts& alerts) {
    std::vector<const ServedNeed*> unserved;
    for (const ServedNeed& served : ServedNeeds) {
        bool found = false;
        ForEachObject(level, [&](const GameObject& object) {
            found = found || (object.getUsageTaskType() == served.task &&
                              CanBeUsedFromStreet(level, reach, object));
        });
        if (!found)
            unserved.push_back(&served);
    }
    if (unserved.empty())
        return;
    std::vector<sf::Vector2i> places;
    std::vector<std::string> names;
    for (const auto& employee : level.getEmployees()) {
        if (employee->getKind() != Employee::KindWorker)
            continue;
        bool affected = false;
        for (const ServedNeed* served : unserved) {
            if (employee->getNeeds().count(served->need) == 0)
                continue;
            affected = true;
            names.push_back(served->name);
        }
        // Each employee is a place, even two who pass on one cell.
        if (affected)
            places.push_back(employee->getMapPosition());
    }
    if (!places.empty())
        Add(alerts, AlertKind::NeedUnserved, "Personal ohne " + JoinNames(names), places);
}

} // namespace AlertChecks
