// Where an idle employee asks for work. The dispatch that finds needs'
// targets and queues path searches replaces this: until then there is no
// work, and employees wander.

#include "world/Level.hpp"

bool Level::requestWork(Employee* employee, bool& noWork) {
    noWork = employee != nullptr;
    return false;
}
