// What an employee is doing, read from its task chain, and why it waits,
// read from what the dispatch noted when it could not serve a need. Only
// reads: the tooltip asks while the game runs.

#include "actors/Employee.hpp"

#include "actors/GameObject.hpp"
#include "params/PhraseTexts.hpp"
#include "params/Rules.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

#include <memory>
#include <sstream>
#include <vector>

namespace {

using GameParams::Texts::GetItemTypeName;
namespace Phrases = GameParams::Phrases;

// The first task that does something at its end, past the walks there.
const Task* actionOf(const std::list<Task>& tasks) {
    for (const Task& task : tasks) {
        const TaskType type = task.getTask();
        if (type != TaskWalk && type != TaskWait && type != TaskIdle) {
            return &task;
        }
    }
    return nullptr;
}

const Task* deliveryAfter(const std::list<Task>& tasks, const Task* pickUp) {
    bool past = false;
    for (const Task& task : tasks) {
        if (&task == pickUp) {
            past = true;
        } else if (past && task.getTask() == TaskDeliver) {
            return &task;
        }
    }
    return nullptr;
}

// " (Motorblock)" for a bench with a recipe; "" for anything else.
std::string productOf(const GameObject* object) {
    if (object == nullptr || !object->isProducer()) {
        return "";
    }
    const Recipe& recipe = object->getCurrentRecipe();
    if (!recipe.isValid()) {
        return " (keine Produktion)";
    }
    return " (" + GetItemTypeName(recipe.resultingItems.begin()->first) + ")";
}

const GameObject* objectOf(const Level* level, const Task& task) {
    if (level == nullptr) {
        return nullptr;
    }
    const sf::Vector2i at = task.getObjectPos();
    return level->findObjectOnCell(task.getObjectType(), at.x, at.y);
}

// Where a pick-up takes from or a delivery brings to.
std::string placeOf(const Level* level, const Task& task, bool into) {
    const GameObjectType marker = task.getObjectType();
    if (marker == TruckMarker) {
        return into ? "zum Lkw" : "vom Lkw";
    }
    if (marker == ZoneMarker) {
        const sf::Vector2i at = task.getDestination();
        const ZoneType zone = level != nullptr ? level->getZoneType(at.x, at.y) : ZoneNone;
        return into ? Phrases::IntoZone(zone) : Phrases::FromZone(zone);
    }
    const std::string product = productOf(objectOf(level, task));
    return (into ? Phrases::ToObject(marker) : Phrases::FromObject(marker)) + product;
}

std::string usingText(TaskType type, bool there) {
    switch (type) {
    case TaskEat:
        return there ? "isst" : "geht essen";
    case TaskCoffee:
        return there ? "trinkt Kaffee" : "geht Kaffee trinken";
    case TaskToilet:
        return there ? "ist auf der Toilette" : "geht zur Toilette";
    default:
        return GameParams::Texts::GetTaskTypeName(type);
    }
}

bool anyObjectOf(const Level& level, GameObjectType type, bool inClosedRoom) {
    for (const auto* objects : {&level.getGameObjects(), &level.getSurfaceObjects()}) {
        for (const auto& object : *objects) {
            if (object->getObjType() != type) {
                continue;
            }
            const sf::Vector2i at = object->getMapPos();
            const MetaZone* room = level.getMetaZoneAt(at.x, at.y);
            if (!inClosedRoom || (room != nullptr && room->wasEnclosed())) {
                return true;
            }
        }
    }
    return false;
}

// The object a need is served by, for naming it: a toilet for the toilet.
GameObjectType servingObject(NeedType need) {
    const std::vector<GameObjectType> types = GameParams::GetObjectTypesForNeed(need);
    return types.empty() ? ObjectNone : types.front();
}

std::string workReason(UnservedReason reason) {
    switch (reason) {
    case UnservedReason::NothingServes:
        return "keine Arbeit (nichts zu fertigen oder zu tragen)";
    case UnservedReason::Unreachable:
        return "Arbeit nicht erreichbar";
    case UnservedReason::Taken:
        return "Arbeit schon vergeben";
    case UnservedReason::NoPlaceForUnit:
        return "kein Platz für die getragene Ware";
    }
    return "";
}

} // namespace

std::string Employee::getActivityText() const {
    if (tasks.empty()) {
        return carriedItem ? "hält " + GetItemTypeName(carriedItem->getType()) : "wartet";
    }
    const Task& front = tasks.front();
    if (front.getTask() == TaskWait) {
        return "sucht einen Weg";
    }
    const Task* action = actionOf(tasks);
    if (action == nullptr) {
        if (front.getTask() == TaskWalk && front.getSatisfiesNeedType() != NeedNone) {
            return "läuft";
        }
        return waitsForWork() ? "wartet auf Arbeit" : "ruht sich aus";
    }
    const bool there = &front == action;
    const TaskType kind = action->getTask();
    if (kind == TaskWork) {
        const std::string product = productOf(objectOf(level, *action));
        if (there) {
            return "arbeitet " + Phrases::AtObject(action->getObjectType()) + product;
        }
        return "geht " + Phrases::ToObject(action->getObjectType()) + product;
    }
    if (kind == TaskPickUp) {
        std::string text = "holt " + GetItemTypeName(action->getCorrespondingItem()) + " " +
                           placeOf(level, *action, false);
        if (const Task* delivery = deliveryAfter(tasks, action)) {
            text += ", bringt es " + placeOf(level, *delivery, true);
        }
        return text;
    }
    if (kind == TaskDeliver) {
        const ItemType type = carriedItem ? carriedItem->getType() : action->getCorrespondingItem();
        const std::string amount =
            carriedAmount > 1 ? std::to_string(carriedAmount) + "x " : std::string();
        return "bringt " + amount + GetItemTypeName(type) + " " + placeOf(level, *action, true);
    }
    return usingText(kind, there);
}

bool Employee::waitsForWork() const {
    const auto work = needs.find(NeedWork);
    if (work != needs.end() && work->second.isLocked()) {
        return true;
    }
    // Idling goes on for a while after the lock ran out; the dispatch's
    // last word on work holds until a chain for work comes.
    const bool idling = !tasks.empty() && tasks.front().getTask() == TaskIdle;
    return idling && unservedNeeds.count(NeedWork) > 0;
}

std::string Employee::getWaitingText() const {
    std::ostringstream text;
    const char* separator = "";
    for (const auto& [type, reason] : unservedNeeds) {
        const auto need = needs.find(type);
        if (need == needs.end()) {
            continue;
        }
        // A need that is not urgent any more is no reason to wait.
        const bool pressing = type == NeedWork
                                  ? waitsForWork()
                                  : need->second.isLocked() ||
                                        need->second.getValue() >= need->second.getTriggerLow();
        if (!pressing) {
            continue;
        }
        std::string why;
        const GameObjectType object = servingObject(type);
        if (type == NeedWork) {
            why = workReason(reason);
            if (reason == UnservedReason::NoPlaceForUnit && carriedItem) {
                why = "kein Platz für " + GetItemTypeName(carriedItem->getType()) + " im Lager";
            }
        } else if (reason == UnservedReason::Unreachable) {
            why = Phrases::NoObject(object) + " erreichbar";
        } else if (reason == UnservedReason::Taken) {
            why = GameParams::Texts::GetObjectTypeName(object) + " besetzt";
        } else if (level == nullptr || !anyObjectOf(*level, object, false)) {
            why = Phrases::NoObject(object) + " vorhanden";
        } else if (!anyObjectOf(*level, object, true)) {
            why = Phrases::NoObject(object) + " in einem geschlossenen Raum";
        } else {
            why = Phrases::NoObject(object) + " frei";
        }
        text << separator << "Wartet (" << GameParams::Texts::GetNeedTypeName(type) << "): " << why;
        separator = "\n";
    }
    return text.str();
}
