#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "world/PathFindingBudget.hpp"

#include <algorithm>

void Level::processPathFindingQueue(float gameMinutes) {
    WorkOffPathFindingQueue(
        pathFinder, pathFindingQueue,
        [this](const PathFindingItem& item, Vec2i& goal) { return pathSearchGoal(item, goal); },
        [this](PathFindingItem& item, const std::vector<Vec2i>& path) {
            handlePathFound(item, path);
        },
        PathFindingBudgetFor(gameMinutes));
}

void Level::queuePathFinding(PathFindingItem item) {
    pathFindingQueue.push_back(std::move(item));
}

void Level::dropPathRequestsOf(const Employee* employee) {
    if (pathFindingQueue.empty()) {
        return;
    }
    // The running search and the chain being assembled belong to the front request.
    if (pathFindingQueue.front().employee == employee) {
        pathFinder.cancelSearch();
        currentEmployeeTasks.clear();
    }
    pathFindingQueue.erase(std::remove_if(pathFindingQueue.begin(), pathFindingQueue.end(),
                                          [employee](const PathFindingItem& item) {
                                              return item.employee == employee;
                                          }),
                           pathFindingQueue.end());
}

void Level::forgetObjectInPathRequests(const GameObject* object) {
    // A running search keeps its own copy of the cells; a route to a cell
    // whose target is gone matches no target and is discarded by the dispatch.
    for (PathFindingItem& item : pathFindingQueue) {
        item.forgetObject(object);
    }
}

bool Level::pathSearchGoal(const PathFindingItem& item, Vec2i& goal) const {
    if (item.employee == nullptr) {
        return false;
    }
    // A second leg starts where the chain assembled so far ends.
    if (!currentEmployeeTasks.empty() && &item == &pathFindingQueue.front()) {
        const sf::Vector2i cell = currentEmployeeTasks.back().getDestination();
        goal = Vec2i(cell.x, cell.y);
        return true;
    }
    const sf::Vector2i cell = item.employee->getMapPosition();
    goal = Vec2i(cell.x, cell.y);
    return true;
}
