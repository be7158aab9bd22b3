#pragma once

#include "params/Enums.hpp"
#include "params/Vec2i.hpp"

#include <istream>
#include <ostream>
#include <vector>

class Employee;
class GameObject;

// One pending request for a route: who asks, for which need, and the cells
// that would serve it. The four lists are parallel, as the save record keeps
// them: entry i of each tells what target i is (the task there, its object or
// null, the item handled). Code that builds or reads targets goes through
// Target, so the lists cannot drift apart.
// Neither the employee nor the objects are owned; whoever removes one of them
// first drops or trims the requests that name it.
struct PathFindingItem {
    // One target cell with what it means.
    struct Target {
        Vec2i cell;
        TaskType task = TaskError;
        GameObject* object = nullptr;
        ItemType item = ItemNone;
    };

    PathFindingItem() = default;
    // The lists are moved in: a request is built once and never copied.
    PathFindingItem(Employee* employee, NeedType need, std::vector<Vec2i>&& targets,
                    std::vector<TaskType>&& correspondingTasks,
                    std::vector<GameObject*>&& correspondingGameObjects,
                    std::vector<ItemType>&& correspondingItems);

    // True when the four lists have one entry per target.
    bool isConsistent() const;
    // Appends the target to all four lists.
    void addTarget(const Target& target);
    // Target i, gathered from the four lists; the lists must be consistent.
    Target targetAt(std::size_t index) const;
    // The index of the first target on the cell, or targets.size().
    std::size_t findTarget(Vec2i cell) const;
    void clearTargets();
    // Replaces this request's targets with the other's, which are moved out.
    void takeTargetsOf(PathFindingItem&& other);
    // Erases every target that names the object, with its entries in the
    // other lists; the object is about to be destroyed.
    void forgetObject(const GameObject* object);

    bool save(std::ostream& out) const;
    // Leaves the item unchanged unless the whole record was read and is sound.
    bool load(std::istream& in);

    Employee* employee = nullptr;
    NeedType need = NeedUnset;
    std::vector<Vec2i> targets;
    std::vector<TaskType> correspondingTasks;
    std::vector<GameObject*> correspondingGameObjects;
    std::vector<ItemType> correspondingItems;
};
