#pragma once

#include "params/Enums.hpp"
#include "world/TileRenderer.hpp"

// The ground of one cell. An employee standing on it for a task occupies it,
// so that nobody else is sent there meanwhile.
class Tile : public TileRenderer {
public:
    // Draws rand() for the tile types that have rare variants, as it always
    // did; the variant itself follows from the cell.
    void set(sf::Texture* atlas, TileType tileType, int column, int row, float rotation);

    bool occupy();
    bool release();
    bool isOccupied() const { return occupied; }
    TileType getType() const { return type; }

private:
    bool occupied = false; // not saved
    TileType type = TileInvalid;
};
