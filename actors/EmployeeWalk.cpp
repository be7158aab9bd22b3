// One step from the employee's cell to a neighbouring cell.

#include "actors/Employee.hpp"

#include "actors/GameObjectDoor.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <cmath>

namespace {

// How fast one walks onto a tile type; 0 where nobody can walk.
struct FloorFactor {
    TileType tile;
    float factor;
};
constexpr FloorFactor FloorFactors[] = {{TileGrass, 0.5f}, {TileFloor, 1.f}};

float floorFactorOf(TileType tile) {
    for (const FloorFactor& entry : FloorFactors) {
        if (entry.tile == tile) {
            return entry.factor;
        }
    }
    return 0.f;
}

// Facing of a step (dx, dy) in degrees; x to the right, y downwards, 0 is up.
float facingOf(int dx, int dy) {
    return std::atan2(static_cast<float>(dx), static_cast<float>(-dy)) * 180.f / 3.14159265f;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

constexpr float FullTurn = 2.f * 3.14159265358979f;

} // namespace

bool Employee::handleTaskWalk(float& dt, const Task& task) {
    const float T = tileSize();
    const sf::Vector2i from = mapPos;
    const sf::Vector2i to = task.getDestination();
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if ((dx != 0 || dy != 0) && level != nullptr && !level->isPassable(to.x, to.y)) {
        // Built over since the path was planned: the way is cut. The chain
        // is given up and the employee asks for work again from where it
        // stands, so a way around is found as usual.
        giveUpChain();
        return true;
    }
    if (dx != 0 || dy != 0) {
        // The eight directions come out exact: 45-degree multiples.
        setFacing(std::round(facingOf(sign(dx), sign(dy))));
    }

    GameObjectDoor* door = nullptr;
    if (level != nullptr) {
        door = dynamic_cast<GameObjectDoor*>(level->findObjectOnCell(ObjectDoor, to.x, to.y));
    }
    sf::Vector2f position = getPosition();
    const bool atStart =
        std::fabs(position.x - T * to.x) == T || std::fabs(position.y - T * to.y) == T;
    if (atStart) {
        stepProgress = {0.f, 0.f};
        if (door != nullptr) {
            door->requestOpening();
            waitingForDoor = true;
        }
    } else {
        waitingForDoor = false;
    }
    if (waitingForDoor) {
        if (door == nullptr || !door->isOpen()) {
            dt = 0.f;
            return false;
        }
        waitingForDoor = false;
    }

    const TileType tile = level != nullptr ? level->getTileType(to.x, to.y) : TileInvalid;
    // Research can make drivers carry faster.
    const double speedFactor = level != nullptr && kind == KindTruckDriver
                                   ? level->getResearchEffects().driverWalkSpeed
                                   : 1.0;
    const float increment = Research::Scaled(walkSpeed, speedFactor) * dt *
                            (0.7f + 0.3f * skill(SkillWalkingSpeed) / 100.f) * floorFactorOf(tile) *
                            moodFactor();
    stepProgress.x += increment;
    stepProgress.y += increment;

    // Snapping at exactly 1 too spares a step that would end a float's breadth short.
    if (stepProgress.x >= 1.f) {
        position.x = T * to.x;
    } else if (dx != 0) {
        position.x = T * from.x + dx * stepProgress.x * T;
    }
    if (stepProgress.y >= 1.f) {
        position.y = T * to.y;
    } else {
        float offset = 0.f;
        if (dy != 0) {
            offset = std::fabs(std::sin(dy * stepProgress.y * FullTurn) * T / 8.f) +
                     T * dy * stepProgress.y;
        } else if (dx != 0) {
            // A little hop on the way sideways.
            offset = -std::fabs(std::sin(dx * stepProgress.x * FullTurn)) * T / 8.f;
        }
        position.y = T * from.y + offset;
    }
    // Only the time past the end of the step is left for the next task:
    // handing on the whole frame would let a long frame count twice.
    const float beyond = std::max(stepProgress.x, stepProgress.y) - 1.f;
    dt = beyond >= 0.f && increment > 0.f ? dt * std::min(1.f, beyond / increment) : 0.f;
    setPosition(position);
    if (position.x == T * to.x && position.y == T * to.y) {
        mapPos = to;
        return true;
    }
    return false;
}
