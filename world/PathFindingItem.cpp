#include "world/PathFindingItem.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "params/ItemTypes.hpp"
#include "persist/Codecs.hpp"
#include "persist/RecordStart.hpp"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>
#include <utility>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "PATHFINDINGITEM";

void Report(const char* message) {
    std::cout << "PathFindingItem::load() - " << message << std::endl;
}

// The list failures carry this prefix in the save file's own wording.
void ReportList(const char* message) {
    std::cout << "PathfindingItem() - " << message << std::endl;
}

bool IsNeed(std::int32_t value) {
    return value >= NeedSmoke && value <= NeedWork;
}

bool AreTaskTypes(const std::vector<TaskType>& tasks) {
    for (TaskType task : tasks) {
        if (task < TaskError || task > TaskResearch) {
            return false;
        }
    }
    return true;
}

// A target that is not a place for goods names no item.
bool AreItemTypes(const std::vector<ItemType>& items) {
    for (ItemType item : items) {
        if (item != ItemNone && !GameParams::IsItemType(item)) {
            return false;
        }
    }
    return true;
}

} // namespace

PathFindingItem::PathFindingItem(Employee* employee, NeedType need, std::vector<Vec2i>&& targets,
                                 std::vector<TaskType>&& correspondingTasks,
                                 std::vector<GameObject*>&& correspondingGameObjects,
                                 std::vector<ItemType>&& correspondingItems)
    : employee(employee), need(need), targets(std::move(targets)),
      correspondingTasks(std::move(correspondingTasks)),
      correspondingGameObjects(std::move(correspondingGameObjects)),
      correspondingItems(std::move(correspondingItems)) {}

bool PathFindingItem::isConsistent() const {
    const std::size_t count = targets.size();
    return correspondingTasks.size() == count && correspondingGameObjects.size() == count &&
           correspondingItems.size() == count;
}

void PathFindingItem::addTarget(const Target& target) {
    targets.push_back(target.cell);
    correspondingTasks.push_back(target.task);
    correspondingGameObjects.push_back(target.object);
    correspondingItems.push_back(target.item);
}

PathFindingItem::Target PathFindingItem::targetAt(std::size_t index) const {
    return {targets[index], correspondingTasks[index], correspondingGameObjects[index],
            correspondingItems[index]};
}

std::size_t PathFindingItem::findTarget(Vec2i cell) const {
    return static_cast<std::size_t>(std::find(targets.begin(), targets.end(), cell) -
                                    targets.begin());
}

void PathFindingItem::clearTargets() {
    targets.clear();
    correspondingTasks.clear();
    correspondingGameObjects.clear();
    correspondingItems.clear();
}

void PathFindingItem::takeTargetsOf(PathFindingItem&& other) {
    targets = std::move(other.targets);
    correspondingTasks = std::move(other.correspondingTasks);
    correspondingGameObjects = std::move(other.correspondingGameObjects);
    correspondingItems = std::move(other.correspondingItems);
    other.clearTargets();
}

void PathFindingItem::forgetObject(const GameObject* object) {
    if (object == nullptr || !isConsistent()) {
        return;
    }
    PathFindingItem kept;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (correspondingGameObjects[i] != object) {
            kept.addTarget(targetAt(i));
        }
    }
    takeTargetsOf(std::move(kept));
}

bool PathFindingItem::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' '
        << (employee != nullptr ? employee->getId() : -1) << ' ' << static_cast<std::int32_t>(need)
        << ' ';
    if (!GameParams::Save::VectorOfVec2i(targets, out)) {
        return false;
    }
    out << ' ';
    if (!GameParams::Save::VectorOfTaskType(correspondingTasks, out)) {
        return false;
    }
    out << ' ';
    if (!GameParams::Save::Objects::WriteIds(correspondingGameObjects, out)) {
        return false;
    }
    out << ' ';
    if (!GameParams::Save::VectorOfItemType(correspondingItems, out)) {
        return false;
    }
    return !out.fail();
}

bool PathFindingItem::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "PathFindingItem::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::ReadOn)) {
        return false;
    }
    int employeeId = -1;
    if (!(in >> employeeId)) {
        return false;
    }
    Employee* loadedEmployee = Employee::GetById(employeeId);
    if (loadedEmployee == nullptr) {
        Report("Employee::GetById() fehlgeschlagen!");
        return false;
    }
    std::int32_t loadedNeed = -1;
    if (!(in >> loadedNeed)) {
        return false;
    }
    // The dispatch locks this need when the search fails, so it must be one.
    if (!IsNeed(loadedNeed)) {
        Report("need ungueltig!");
        return false;
    }
    std::vector<Vec2i> loadedTargets;
    if (!GameParams::Load::VectorOfVec2i(in, loadedTargets)) {
        ReportList("Laden von targets fehlgeschlagen!");
        return false;
    }
    std::vector<TaskType> loadedTasks;
    if (!GameParams::Load::VectorOfTaskType(in, loadedTasks) || !AreTaskTypes(loadedTasks)) {
        ReportList("Laden von correspondingTasks fehlgeschlagen!");
        return false;
    }
    std::vector<GameObject*> loadedObjects;
    if (!GameParams::Load::VectorOfGameObjectPtr(in, loadedObjects)) {
        ReportList("Laden von correspondingGameObjects fehlgeschlagen!");
        return false;
    }
    std::vector<ItemType> loadedItems;
    if (!GameParams::Load::VectorOfItemType(in, loadedItems) || !AreItemTypes(loadedItems)) {
        ReportList("Laden von correspondingItems fehlgeschlagen!");
        return false;
    }
    PathFindingItem loaded(loadedEmployee, static_cast<NeedType>(loadedNeed),
                           std::move(loadedTargets), std::move(loadedTasks),
                           std::move(loadedObjects), std::move(loadedItems));
    // Entry i of each list describes target i; the dispatch reads them so.
    if (!loaded.isConsistent()) {
        Report("Listen ungleich lang!");
        return false;
    }
    *this = std::move(loaded);
    return true;
}
