#pragma once

// A map cell: x is the column, y the row. The third field carries a path
// node's total cost while searching; it never takes part in comparisons.
struct Vec2i {
    int x = 0;
    int y = 0;
    int z = -1;

    Vec2i() = default;
    Vec2i(int x, int y, int z = -1) : x(x), y(y), z(z) {}

    bool operator==(const Vec2i& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Vec2i& other) const { return !(*this == other); }
};
