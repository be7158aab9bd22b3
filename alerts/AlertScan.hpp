#pragma once

#include "alerts/Alert.hpp"

#include <vector>

class Level;

// Every alert that holds for the level now, one per kind in the order of
// AlertKind. Reads the level only: no random numbers, no change, so the
// simulation runs the same with or without it. One flood fill over the map
// and a few passes over the rooms, objects and employees; the shell calls
// it a few times per game hour, not every frame.
std::vector<Alert> FindAlerts(const Level& level);
