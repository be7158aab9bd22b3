#pragma once

#include "actors/Employee.hpp"
#include "actors/Task.hpp"
#include "params/Texts.hpp"

#include "../world/LevelTestSupport.hpp"

#include <memory>
#include <vector>

// A new level with a floor patch, and an employee standing on it who is not
// one of the level's own employees: the tests drive its calls themselves.
class EmployeeTest : public LevelTest {
protected:
    static constexpr int Column = 10;
    static constexpr int Row = 10;

    void SetUp() override {
        GameParams::Texts::SetMaleFirstNames({"Karl", "Otto"});
        GameParams::Texts::SetFemaleFirstNames({"Erna", "Hilde"});
        GameParams::Texts::SetLastNames({"Novak", "Schulz", "Berger"});
        LevelTest::SetUp();
        for (int row = Row - 3; row <= Row + 3; ++row) {
            for (int column = Column - 3; column <= Column + 3; ++column) {
                level->setTile(TileFloor, column, row);
            }
        }
        employee = std::make_unique<Employee>(level.get(), Employee::KindWorker, Column, Row);
    }

    static Task MakeTask(TaskType type, int destinationColumn = 0, int destinationRow = 0,
                         GameObjectType objectType = ObjectNone, int objectColumn = 0,
                         int objectRow = 0, ItemType item = ItemNone) {
        return Task(nullptr, type, NeedNone, objectType, item, destinationColumn, destinationRow,
                    objectColumn, objectRow);
    }

    static std::vector<TaskType> TypesOf(const Employee& someone) {
        std::vector<TaskType> types;
        for (const Task& task : someone.getTasks()) {
            types.push_back(task.getTask());
        }
        return types;
    }

    // Runs the task loop in small frames until the list is empty or the time
    // is up; answers the game minutes it took.
    float RunUntilIdle(float limit, float frame = 0.01f) {
        float spent = 0.f;
        while (!employee->getTasks().empty() && spent < limit) {
            employee->handleCurrentTask(frame);
            spent += frame;
        }
        return spent;
    }

    sf::Vector2f CellPixel(int column, int row) const {
        return {static_cast<float>(column * Tile), static_cast<float>(row * Tile)};
    }

    std::unique_ptr<Employee> employee;
};
