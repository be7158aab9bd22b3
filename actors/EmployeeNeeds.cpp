// Needs, mood and the use of objects: eating, the toilet, coffee and work.

#include "actors/Employee.hpp"

#include "actors/GameObject.hpp"
#include "params/Rules.hpp"
#include "world/Level.hpp"

#include <algorithm>

namespace {

// The object that serves a need on a cell, standing on the floor or on a surface.
GameObject* objectServing(const Level& level, NeedType need, sf::Vector2i cell) {
    for (GameObjectType type : GameParams::GetObjectTypesForNeed(need)) {
        if (GameObject* object = level.findObjectOnCell(type, cell.x, cell.y)) {
            return object;
        }
    }
    return nullptr;
}

bool isUsedFrom(const GameObject& object, sf::Vector2i cell) {
    const std::vector<Vec2i>& cells = object.getUsagePos();
    return std::any_of(cells.begin(), cells.end(),
                       [&](const Vec2i& usage) { return usage.x == cell.x && usage.y == cell.y; });
}

} // namespace

void Employee::updateNeeds(float dt) {
    mood =
        Need::UpdateAll(needs, dt, level != nullptr ? level->getResearchEffects().needRise : 1.0);
}

void Employee::faceObject(const GameObject& object) {
    const sf::Vector2i at = object.getMapPos();
    switch (object.getUserFacing()) {
    case GameObject::FacingUp:
        setFacing(0.f);
        break;
    case GameObject::FacingRight:
        setFacing(90.f);
        break;
    case GameObject::FacingDown:
        setFacing(180.f);
        break;
    case GameObject::FacingLeft:
        setFacing(270.f);
        break;
    case GameObject::FacingObject:
        if (at.x > mapPos.x) {
            setFacing(90.f);
        } else if (at.x < mapPos.x) {
            setFacing(270.f);
        } else if (at.y > mapPos.y) {
            setFacing(180.f);
        } else if (at.y < mapPos.y) {
            setFacing(0.f);
        }
        break;
    default:
        break;
    }
}

bool Employee::startUsing(const Task& task, NeedType need, Timer& timer) {
    GameObject* object =
        level == nullptr ? nullptr : objectServing(*level, need, task.getObjectPos());
    if (object == nullptr || !isUsedFrom(*object, mapPos) || !occupyingTile) {
        return false;
    }
    currentObjectUsed = object;
    timer.time = 0.f;
    faceObject(*object);
    return true;
}

void Employee::stopUsing(const Task& task, Timer& timer) {
    lastObjectUsed = currentObjectUsed;
    mapPosLastObjectUsed = task.getObjectPos();
    timer.time = -1.f;
    currentObjectUsed = nullptr;
}

void Employee::lowerNeed(NeedType type, float& dt) {
    auto entry = needs.find(type);
    if (entry == needs.end()) {
        return;
    }
    dt = entry->second.satisfy(dt);
}

bool Employee::handleTaskUse(float& dt, const Task& task, NeedType need, Timer& timer) {
    if (!timer.running()) {
        // Not found: the task is over, and the level lets go of what it held.
        return !startUsing(task, need, timer);
    }
    const float surplus = std::max(0.f, timer.time + dt - timer.duration);
    dt -= surplus;
    timer.time += dt;
    lowerNeed(need, dt);
    dt += surplus;
    auto entry = needs.find(need);
    const bool stillNeeded =
        entry != needs.end() && entry->second.getValue() > entry->second.getMin();
    if (stillNeeded && timer.time < timer.duration) {
        return false;
    }
    stopUsing(task, timer);
    return true;
}

bool Employee::handleTaskWork(float& dt, const Task& task) {
    if (!workingTimer.running() || currentObjectUsed == nullptr) {
        return !startUsing(task, NeedWork, workingTimer);
    }
    const float speed = moodFactor() * (0.7f + 0.3f * skill(SkillWorkingSpeed) / 100.f);
    float effective = dt * speed;
    const float surplus = std::max(0.f, workingTimer.time + effective - workingTimer.duration);
    effective -= surplus;
    workingTimer.time += effective;
    bool productionFinished = false;
    const bool producing = currentObjectUsed->work(effective, productionFinished);
    // The session counts the effort the object took, not what it handed back
    // (a run that only just started takes none and is worked on at once).
    workingTimer.time -= effective;
    // Work is never satisfied by time (its fall is 0); the call keeps the rule uniform.
    float workTime = effective;
    lowerNeed(NeedWork, workTime);
    dt = (effective + surplus) / speed;
    auto entry = needs.find(NeedWork);
    const bool stillNeeded =
        entry != needs.end() && entry->second.getValue() > entry->second.getMin();
    if (producing && !productionFinished && stillNeeded &&
        workingTimer.time < workingTimer.duration) {
        return false;
    }
    leaveWorkplace(task);
    return true;
}

void Employee::leaveWorkplace(const Task& task) {
    if (level != nullptr) {
        level->releaseTile(mapPos.x, mapPos.y);
    }
    occupyingTile = false;
    stopUsing(task, workingTimer);
}
