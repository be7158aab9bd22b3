// The staff: hiring, dismissal, wages, the employees' turn in the frame, and
// what the level does for an employee carrying out its tasks.

#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/Task.hpp"
#include "actors/Truck.hpp"
#include "params/Random.hpp"
#include "params/Rules.hpp"
#include "world/DrawOrder.hpp"
#include "world/Zone.hpp"

#include <algorithm>
#include <iostream>

bool Level::addEmployee(std::unique_ptr<Employee> employee) {
    if (employeesMapEntryPoints.empty()) {
        return false;
    }
    const sf::Vector2i entry =
        employeesMapEntryPoints[static_cast<std::size_t>(GameParams::Random()) %
                                employeesMapEntryPoints.size()];
    if (employee) {
        employee->attachToLevel(this, entry.x, entry.y);
    } else {
        employee = std::make_unique<Employee>(this, Employee::KindWorker, entry.x, entry.y);
    }
    const int column = std::clamp(entry.x, 0, width - 1);
    const int row = std::clamp(entry.y, 0, height - 1);
    employee->receiveTasks(
        {Task(texture, TaskWalk, NeedNone, ObjectNone, ItemNone, column, row, 0, 0)});
    employees.push_back(std::move(employee));
    sortEmployees();
    return true;
}

bool Level::hireApplicant(std::size_t index) {
    std::unique_ptr<Employee> applicant = applicantPool.take(index);
    return applicant && addEmployee(std::move(applicant));
}

bool Level::removeEmployee(std::size_t index) {
    if (index >= employees.size()) {
        return false;
    }
    Employee* employee = employees[index].get();
    const Item* carried = employee->getCarriedItem();
    if (employee->isCarrying() && carried != nullptr && !canPutDown(carried->getType())) {
        // Letting the employee go would throw the unit away.
        std::cout << "Level::removeEmployee() - Mitarbeiter traegt Ware, fuer die kein Platz frei "
                     "ist!"
                  << std::endl;
        return false;
    }
    dropPathRequestsOf(employee);
    employee->leaveLevel();
    employees.erase(employees.begin() + static_cast<std::ptrdiff_t>(index));
    sortEmployees();
    return true;
}

void Level::payWages() {
    double paid = 0.0;
    for (const auto& employee : employees) {
        if (employee->getSalary() >= 0.f) {
            bankAccount.bookExpense(employee->getSalary());
            paid += employee->getSalary();
        }
    }
    // Paid when the next day begins, for the day that has ended.
    statistics.recordWages(paid, std::max(0, statisticsDay() - 1));
}

unsigned Level::carriedUnits() const {
    unsigned units = 0;
    for (const auto& employee : employees) {
        if (employee->isCarrying()) {
            units += employee->getCarriedAmount();
        }
    }
    return units;
}

void Level::updateEmployees(float dt) {
    // By index: an employee's request may reach back into the level.
    for (std::size_t i = 0; i < employees.size(); ++i) {
        Employee& employee = *employees[i];
        if (employee.getKind() == Employee::KindWorker) {
            employee.updateNeeds(dt);
        }
        employee.requestWorkIfIdle(dt);
        employee.handleCurrentTask(dt);
    }
}

void Level::sortEmployees() {
    std::stable_sort(employees.begin(), employees.end(), DrawnBefore<Employee>);
}

std::string Level::employeeInfoAt(float x, float y) const {
    const float halfX = tileSizeX / 2.f;
    const float halfY = tileSizeY / 2.f;
    for (const auto& employee : employees) {
        const sf::Vector2f at = employee->getPosition();
        if (x >= at.x - halfX && x < at.x + halfX && y >= at.y - halfY && y < at.y + halfY) {
            return employee->getInfo();
        }
    }
    return "";
}

std::unique_ptr<Item> Level::pickUpItem(GameObjectType placeMarker, ItemType itemType, int column,
                                        int row) {
    if (placeMarker == ZoneMarker) {
        Zone* zone = getZoneAt(column, row);
        unsigned amount = 1;
        return zone == nullptr ? nullptr : zone->retrieveItem(itemType, amount);
    }
    if (IsObjectMarker(placeMarker)) {
        GameObject* object = findObjectOnCell(placeMarker, column, row);
        unsigned amount = 1;
        return object == nullptr ? nullptr : object->takeOutput(itemType, amount);
    }
    // Goods arriving by truck come into being as they are unloaded, one
    // ordered unit each, so the driver cannot take more than was bought.
    if (placeMarker == TruckMarker && activeTruck != nullptr && itemType != ItemNone &&
        truckLogistics.takeDeliveryItem(itemType)) {
        auto item = std::make_unique<Item>(texture, itemType);
        item->setPosition(activeTruck->getPosition());
        return item;
    }
    return nullptr;
}

bool Level::deliverCarriedItem(GameObjectType placeMarker, std::unique_ptr<Item>& item, int column,
                               int row) {
    if (!item) {
        return false;
    }
    if (placeMarker == ZoneMarker) {
        Zone* zone = getZoneAt(column, row);
        unsigned amount = 1;
        const ItemType type = item->getType();
        if (zone == nullptr || !zone->deliverItem(std::move(item), amount)) {
            return false;
        }
        if (zone->getType() == ZoneGoodsIn) {
            events.push({LevelEvent::UnitsDelivered, type, 1, 0.0, {column, row}});
        }
        return true;
    }
    if (IsObjectMarker(placeMarker)) {
        GameObject* object = findObjectOnCell(placeMarker, column, row);
        return object != nullptr && object->deliverIngredient(std::move(item));
    }
    // Loaded goods are credited as sold; a unit nobody bought stays with
    // the carrier instead of vanishing unpaid.
    if (placeMarker == TruckMarker && activeTruck != nullptr &&
        truckLogistics.shipUnit(item->getType())) {
        item.reset();
        return true;
    }
    return false;
}

void Level::cancelTask(const Task& task, int column, int row) {
    // Idling and waiting hold no object: their cell may be someone else's.
    if (!GameParams::IsObjectUseTask(task.getTask())) {
        return;
    }
    const sf::Vector2i at = task.getObjectPos();
    if (GameObject* object = findObjectOnCell(task.getObjectType(), at.x, at.y)) {
        object->clearUsageFlag();
    }
    releaseTile(column, row);
}

void Level::cancelTasks(const std::list<Task>& tasks) {
    for (const Task& task : tasks) {
        const TaskType type = task.getTask();
        const GameObjectType marker = task.getObjectType();
        const ItemType item = task.getCorrespondingItem();
        const sf::Vector2i at = task.getObjectPos();
        if (type == TaskPickUp) {
            if (marker == ZoneMarker) {
                if (Zone* zone = getZoneAt(at.x, at.y)) {
                    zone->cancelRetrieval(item);
                }
            } else if (IsObjectMarker(marker)) {
                if (GameObject* object = findObjectOnCell(marker, at.x, at.y)) {
                    object->cancelPickUp(item);
                }
            }
        } else if (type == TaskDeliver) {
            if (marker == ZoneMarker) {
                if (Zone* zone = getZoneAt(at.x, at.y)) {
                    zone->cancelDelivery(item);
                }
            } else if (IsObjectMarker(marker)) {
                if (GameObject* object = findObjectOnCell(marker, at.x, at.y)) {
                    object->cancelDelivery(item);
                }
            }
        } else if (GameParams::IsObjectUseTask(type) || type == TaskTransport) {
            if (GameObject* object = findObjectOnCell(marker, at.x, at.y)) {
                object->clearUsageFlag();
            }
            if (GameParams::IsObjectUseTask(type)) {
                const sf::Vector2i cell = task.getDestination();
                releaseTile(cell.x, cell.y);
            }
        }
    }
}
