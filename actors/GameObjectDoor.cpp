#include "actors/GameObjectDoor.hpp"

namespace {

float dot(const sf::Vector2f& a, const sf::Vector2f& b) {
    return a.x * b.x + a.y * b.y;
}

} // namespace

void GameObjectDoor::requestOpening() {
    if (!open && !opening) {
        closedPosition = getPosition();
        opening = true;
    }
    holdTimer = holdTime;
}

void GameObjectDoor::update(float dt) {
    // One phase per update, so a frame's time is never spent twice.
    if (opening) {
        slideOpen(dt);
    } else if (open && !closing) {
        holdTimer -= dt;
        if (holdTimer <= 0.f) {
            holdTimer = 0.f;
            closing = true;
        }
    } else if (closing) {
        slideClosed(dt);
    }
}

sf::Vector2f GameObjectDoor::slideDirection() const {
    const float rotation = getRotation();
    if (rotation > 315.f || rotation <= 45.f) {
        return {1.f, 0.f};
    }
    if (rotation <= 135.f) {
        return {0.f, 1.f};
    }
    if (rotation <= 225.f) {
        return {-1.f, 0.f};
    }
    return {0.f, -1.f};
}

float GameObjectDoor::slideStep(float dt) const {
    return static_cast<float>(size.x) / 128.f * slideSpeed * dt;
}

void GameObjectDoor::slideOpen(float dt) {
    const sf::Vector2f direction = slideDirection();
    const float tile = static_cast<float>(size.x);
    const float travelled = dot(getPosition() - closedPosition, direction) + slideStep(dt);
    if (travelled >= tile) {
        setPosition(closedPosition + direction * tile);
        open = true;
        opening = false;
    } else {
        setPosition(closedPosition + direction * travelled);
    }
}

void GameObjectDoor::slideClosed(float dt) {
    const sf::Vector2f direction = slideDirection();
    const float remaining = dot(getPosition() - closedPosition, direction) - slideStep(dt);
    if (remaining <= 0.f) {
        setPosition(closedPosition);
        open = false;
        closing = false;
    } else {
        setPosition(closedPosition + direction * remaining);
    }
}
