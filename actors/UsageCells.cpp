#include "actors/UsageCells.hpp"

#include "actors/GameObject.hpp"

#include <cmath>

namespace UsageCells {

int TurnClockwise(int direction, int quarterTurns) {
    // Left -> up -> right -> down -> left.
    for (int i = 0; i < quarterTurns; ++i) {
        direction = direction % 4 + 1;
    }
    return direction;
}

int QuarterTurnsOf(float rotation) {
    // Whole turns change nothing, and subtracting 90 from a huge angle one
    // step at a time would never end.
    if (rotation > 360.f) {
        rotation = std::fmod(rotation, 360.f);
    }
    int turns = 0;
    while (rotation > 45.f) {
        rotation -= 90.f;
        ++turns;
    }
    return turns;
}

Vec2i Neighbour(int column, int row, int direction) {
    switch (direction) {
    case GameObject::FacingUp:
        return {column, row - 1};
    case GameObject::FacingRight:
        return {column + 1, row};
    case GameObject::FacingDown:
        return {column, row + 1};
    default:
        return {column - 1, row};
    }
}

std::vector<Vec2i> ForRule(int rule, int column, int row, float rotation) {
    std::vector<Vec2i> cells;
    if (rule >= 1 && rule <= 4) {
        cells.push_back(Neighbour(column, row, TurnClockwise(rule, QuarterTurnsOf(rotation))));
    } else if (rule == 5) {
        cells.emplace_back(column, row);
    } else if (rule == 6) {
        for (int direction : {GameObject::FacingLeft, GameObject::FacingUp, GameObject::FacingRight,
                              GameObject::FacingDown}) {
            cells.push_back(Neighbour(column, row, direction));
        }
    }
    return cells;
}

} // namespace UsageCells
