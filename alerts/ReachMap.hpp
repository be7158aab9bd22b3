#pragma once

#include <SFML/System/Vector2.hpp>

#include <vector>

class Level;

// The cells an employee coming from the street can walk to, found by one
// flood fill over the passable cells from the level's entry points. A
// diagonal step needs both cells beside it passable, so the four straight
// neighbours reach exactly what the path search reaches.
class ReachMap {
public:
    explicit ReachMap(const Level& level);

    bool reached(int column, int row) const;
    bool reached(const sf::Vector2i& cell) const { return reached(cell.x, cell.y); }
    template <class Cells> bool anyReached(const Cells& cells) const {
        for (const auto& cell : cells)
            if (reached(cell.x, cell.y))
                return true;
        return false;
    }

private:
    int width = 0;
    int height = 0;
    std::vector<char> cells;
};
