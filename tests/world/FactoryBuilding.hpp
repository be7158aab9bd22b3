#pragma once

#include "actors/GameObject.hpp"
#include "world/Level.hpp"

// Building a factory as the player's tools do, a rectangle at a time; each
// cell is bought, and refusals (a cell that already has what is asked for)
// are passed over, so a layout can be built again over a changed factory.
namespace FactoryBuilding {

inline float Px(int cell) {
    return static_cast<float>(cell * 128);
}

inline void Tiles(Level& level, TileType type, int c1, int r1, int c2, int r2) {
    for (int row = r1; row <= r2; ++row) {
        for (int column = c1; column <= c2; ++column) {
            level.buyTile(type, Px(column), Px(row));
        }
    }
}

inline void Zones(Level& level, ZoneType type, int c1, int r1, int c2, int r2) {
    for (int row = r1; row <= r2; ++row) {
        for (int column = c1; column <= c2; ++column) {
            level.buyZone(type, Px(column), Px(row));
        }
    }
}

inline void Door(Level& level, int column, int row) {
    level.buyTile(TileFloor, Px(column), Px(row));
    level.buyObject(0.f, ObjectDoor, Px(column), Px(row));
}

inline void Bench(Level& level, int column, int row, ItemType recipe) {
    level.buyObject(0.f, ObjectWorkbench, Px(column), Px(row));
    if (GameObject* object = level.findObjectOnCell(ObjectWorkbench, column, row)) {
        object->setRecipe(recipe);
    }
}

// Storage, goods-out and goods-in, one room each below the other, with
// doors between them and to the street; two staff to carry.
// A floor with a workshop, a bench making steel at (21, 21) and a storage
// room beside it.
inline void SmallWorkshop(Level& level) {
    Tiles(level, TileFloor, 20, 20, 26, 24);
    Zones(level, ZoneWorkshop, 20, 20, 23, 24);
    Zones(level, ZoneStorage, 24, 20, 26, 24);
    Bench(level, 21, 21, ItemSteel);
}

inline void GoodsRooms(Level& level) {
    Tiles(level, TileFloor, 34, 44, 41, 52);
    Tiles(level, TileWall, 33, 43, 42, 43);
    Tiles(level, TileWall, 33, 53, 42, 53);
    Tiles(level, TileWall, 33, 44, 33, 52);
    Tiles(level, TileWall, 42, 44, 42, 52);
    Tiles(level, TileWall, 34, 47, 41, 47);
    Tiles(level, TileWall, 34, 49, 41, 49);
    Door(level, 37, 47);
    Door(level, 38, 49);
    Door(level, 37, 53);
    Zones(level, ZoneStorage, 34, 44, 41, 46);
    Zones(level, ZoneGoodsOut, 34, 48, 41, 48);
    Zones(level, ZoneGoodsIn, 34, 50, 41, 52);
    level.hireApplicant(0);
    level.hireApplicant(0);
}

} // namespace FactoryBuilding
