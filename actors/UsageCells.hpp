#pragma once

#include "params/Vec2i.hpp"

#include <vector>

// Where an object is used from follows from its type's usage rule, its cell
// and its rotation alone, so the cells are known before the object stands.
namespace UsageCells {

// Directions 1 up, 2 right, 3 down, 4 left, turned clockwise.
int TurnClockwise(int direction, int quarterTurns);
int QuarterTurnsOf(float rotation);
Vec2i Neighbour(int column, int row, int direction);
// Rules 1-4: the neighbour in that direction, turned; 5: the object's own
// cell; 6: the four neighbours. Rule 7 (from the partner's cells) and any
// other give none.
std::vector<Vec2i> ForRule(int rule, int column, int row, float rotation);

} // namespace UsageCells
