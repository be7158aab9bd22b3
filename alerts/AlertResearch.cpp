// Alerts about research: an office nobody can research in, and desks that
// wait for the player to choose a project.

#include "alerts/AlertChecks.hpp"

#include "actors/GameObject.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

namespace AlertChecks {

void Research(const Level& level, Alerts& alerts) {
    const ResearchState& research = level.getResearch();
    if (research.isComplete())
        return;
    std::vector<sf::Vector2i> bareOffices;
    for (const MetaZone* office : level.officesWithoutDesk())
        bareOffices.push_back(RoomPlace(*office));
    if (!bareOffices.empty())
        Add(alerts, AlertKind::ResearchNoDesk, "Büro ohne Schreibtisch", bareOffices);
    if (research.hasActive() || !level.hasResearchDesk())
        return;
    std::vector<sf::Vector2i> desks;
    for (const auto& object : level.getGameObjects())
        if (level.isResearchDesk(*object))
            desks.push_back(object->getMapPos());
    Add(alerts, AlertKind::ResearchNoProject, "Kein Forschungsprojekt gewählt", desks);
}

} // namespace AlertChecks
