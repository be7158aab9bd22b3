// Research at an office desk: a session as long as one at a workbench, in
// which the employee gathers points for the level's active project.

#include "actors/Employee.hpp"

#include "world/Level.hpp"

#include <algorithm>

bool Employee::handleTaskResearch(float& dt, const Task& task) {
    if (!workingTimer.running() || currentObjectUsed == nullptr) {
        // The desk serves the work need; without it the task is over.
        return !startUsing(task, NeedWork, workingTimer);
    }
    const bool projectChosen = level != nullptr && level->getResearch().hasActive();
    if (projectChosen) {
        const float spent = std::min(dt, workingTimer.duration - workingTimer.time);
        workingTimer.time += spent;
        dt -= spent;
        // In proportion to the skill: a researcher without any adds nothing.
        level->addResearchPoints(spent * moodFactor() * skill(SkillResearchSpeed) / 100.f);
        if (workingTimer.time < workingTimer.duration && level->getResearch().hasActive()) {
            return false;
        }
    }
    leaveWorkplace(task);
    return true;
}
