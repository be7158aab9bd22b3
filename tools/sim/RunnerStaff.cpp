// Hiring, dismissing, work priorities and the choice of a recipe: what the
// labour-market, dismissal, staff and production dialogs do.

#include "Runner.hpp"

#include "TypeNames.hpp"
#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"

int Runner::commandHire(const Line& line) {
    int times = 1;
    if (!hasWords(line, 1, 2) || (line.words.size() == 2 && !readInt(line, 1, times)) || times < 0)
        return fail(line, "usage: hire [N]");
    for (int i = 0; i < times; ++i)
        // The dialog hires the first applicant, the one selected by default.
        if (!level->hireApplicant(0))
            refuse(line);
    return SimOk;
}

int Runner::commandDismiss(const Line& line) {
    int index = 0;
    if (!hasWords(line, 2, 2) || !readInt(line, 1, index))
        return fail(line, "usage: dismiss INDEX");
    if (index < 0 || !level->removeEmployee(static_cast<std::size_t>(index)))
        refuse(line);
    return SimOk;
}

int Runner::commandPriorities(const Line& line) {
    int index = 0;
    if (line.words.size() < 3 || !readInt(line, 1, index))
        return fail(line, "usage: priorities INDEX KIND...");
    std::vector<TaskType> priorities;
    for (std::size_t word = 2; word < line.words.size(); ++word) {
        int kind = 0;
        if (!readInt(line, word, kind))
            return fail(line, "a task kind is a number: '" + line.words[word] + "'");
        priorities.push_back(static_cast<TaskType>(kind));
    }
    const auto& employees = level->getEmployees();
    if (index < 0 || static_cast<std::size_t>(index) >= employees.size()) {
        refuse(line);
        return SimOk;
    }
    employees[static_cast<std::size_t>(index)]->setTaskPriorities(std::move(priorities));
    return SimOk;
}

int Runner::commandRecipe(const Line& line) {
    int column = 0, row = 0;
    if (!hasWords(line, 4, 4) || !readInt(line, 1, column) || !readInt(line, 2, row))
        return fail(line, "usage: recipe C R ITEM");
    const auto item = SimNames::ParseItem(line.words[3]);
    if (!item)
        return fail(line, "unknown item '" + line.words[3] + "'");
    GameObject* object = level->getObjectAtMapPosition(column, row);
    if (object == nullptr || !object->isProducer() || !object->setRecipe(*item))
        refuse(line);
    return SimOk;
}
