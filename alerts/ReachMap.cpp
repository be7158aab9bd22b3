#include "alerts/ReachMap.hpp"

#include "world/Level.hpp"

#include <algorithm>

ReachMap::ReachMap(const Level& level)
    : width(level.getWidth()), height(level.getHeight()),
      cells(static_cast<std::size_t>(std::max(0, width * height)), 0) {
    if (width <= 0 || height <= 0)
        return;
    std::vector<int> open;
    const auto visit = [&](int column, int row) {
        if (column < 0 || row < 0 || column >= width || row >= height)
            return;
        const int index = column + row * width;
        if (cells[static_cast<std::size_t>(index)] != 0 || !level.isPassable(column, row))
            return;
        cells[static_cast<std::size_t>(index)] = 1;
        open.push_back(index);
    };
    // The entry points lie just off the map; staff step in from there.
    for (const sf::Vector2i& entry : level.getEntryPoints())
        visit(std::clamp(entry.x, 0, width - 1), std::clamp(entry.y, 0, height - 1));
    while (!open.empty()) {
        const int index = open.back();
        open.pop_back();
        const int column = index % width;
        const int row = index / width;
        visit(column - 1, row);
        visit(column + 1, row);
        visit(column, row - 1);
        visit(column, row + 1);
    }
}

bool ReachMap::reached(int column, int row) const {
    if (column < 0 || row < 0 || column >= width || row >= height)
        return false;
    return cells[static_cast<std::size_t>(column + row * width)] != 0;
}
