#include "world/Tile.hpp"

#include "params/Graphics.hpp"

void Tile::set(sf::Texture* atlas, TileType tileType, int column, int row, float rotation) {
    type = tileType;
    placeOnCell(atlas, GameParams::Graphics::GetTexture(tileType, column, row), column, row,
                rotation);
    occupied = false;
}

bool Tile::occupy() {
    if (occupied) {
        return false;
    }
    occupied = true;
    return true;
}

bool Tile::release() {
    if (!occupied) {
        return false;
    }
    occupied = false;
    return true;
}
