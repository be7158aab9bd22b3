#include "actors/GameObject.hpp"

#include "actors/RecipeTable.hpp"
#include "actors/UsageCells.hpp"
#include "params/Graphics.hpp"
#include "params/Rules.hpp"
#include "world/Level.hpp"

#include <cmath>

int GameObject::maxId = 0;
std::map<int, GameObject*> GameObject::registry;

namespace {

TaskType usageTaskFor(GameObjectType type) {
    switch (type) {
    case ObjectFridge:
        return TaskEat;
    case ObjectToilet:
        return TaskToilet;
    case ObjectDesk:
    case ObjectWorkbench:
        return TaskWork;
    case ObjectCoffeeMachine:
        return TaskCoffee;
    default:
        return TaskNone;
    }
}

} // namespace

GameObject::GameObject() : id(maxId++) {
    registerId();
}

GameObject::~GameObject() {
    unregisterId();
}

void GameObject::registerId() {
    registry[id] = this;
}

void GameObject::unregisterId() {
    // A loaded object may have taken over the id of another; only our own entry goes.
    auto entry = registry.find(id);
    if (entry != registry.end() && entry->second == this) {
        registry.erase(entry);
    }
}

GameObject* GameObject::GetById(int objectId) {
    auto entry = registry.find(objectId);
    return entry == registry.end() ? nullptr : entry->second;
}

void GameObject::ResetIds() {
    registry.clear();
    maxId = 0;
}

void GameObject::KeepIdsAboveRegistered() {
    if (!registry.empty() && registry.rbegin()->first >= maxId) {
        maxId = registry.rbegin()->first + 1;
    }
}

void GameObject::init(sf::Texture* atlas, Level* owner, GameObject* partnerObject,
                      GameObjectType type, int column, int row, float rotation) {
    level = owner;
    partner = partnerObject;
    objType = type == ObjectInvalid ? ObjectNone : type;
    const GameParams::ObjectTypeParams params = GameParams::GetObjectTypeParams(objType);
    surface = params.isSurface;
    needsSurfaceToStand = params.needsSurface;
    usagePositionRule = params.usagePositionRule;
    usageFacingRule = params.usageFacingRule;
    producer = params.isProducer;
    usageTaskType = usageTaskFor(objType);
    placeOnCell(atlas, GameParams::Graphics::GetTexture(objType), column, row, rotation);
    computeUsage(column, row, rotation);
    availableRecipes.clear();
    if (producer) {
        availableRecipes = GameParams::GetRecipeNumbers();
    }
    rebuildProductIcon();
    rebuildProgressBar();
}

void GameObject::computeUsage(int column, int row, float rotation) {
    usagePos.clear();
    userFacing = FacingNone;
    if (level == nullptr || !level->isInMap(column, row)) {
        return;
    }
    const int turns = UsageCells::QuarterTurnsOf(rotation);
    if (usagePositionRule == 7 && needsSurfaceToStand && partner != nullptr) {
        usagePos = partner->usagePos;
    } else {
        usagePos = UsageCells::ForRule(usagePositionRule, column, row, rotation);
    }

    if (usageFacingRule >= 1 && usageFacingRule <= 4) {
        userFacing = UsageCells::TurnClockwise(usageFacingRule, turns);
    } else if (usageFacingRule == 5) {
        userFacing = FacingObject;
    } else if (usageFacingRule == 6 && partner != nullptr) {
        userFacing = partner->userFacing;
    }
}

void GameObject::restorePartner(GameObject* partnerObject) {
    partner = partnerObject;
    if (partner != nullptr && usageFacingRule == 6) {
        userFacing = partner->userFacing;
    }
}
