#pragma once

#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <gtest/gtest.h>

#include <memory>

// A new 80 x 60 level without a game or an atlas, as the headless runner builds it.
class LevelTest : public ::testing::Test {
protected:
    static constexpr int Tile = 128;

    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        level = std::make_unique<Level>(nullptr, nullptr, "");
    }

    // The cursor's snapped position over a cell: its centre.
    static float px(int cell) { return static_cast<float>(cell * Tile); }

    bool buyTile(TileType type, int column, int row) {
        return level->buyTile(type, px(column), px(row));
    }
    bool buyZone(ZoneType type, int column, int row) {
        return level->buyZone(type, px(column), px(row));
    }
    bool buyObject(GameObjectType type, int column, int row, float rotation = 0.f) {
        return level->buyObject(rotation, type, px(column), px(row));
    }
    bool sellObject(int column, int row) { return level->sellObject(px(column), px(row)); }
    bool sellZone(int column, int row) { return level->sellZone(px(column), px(row)); }
    double balance() const { return level->getBankAccount().getBalance(); }
    float weight(int column, int row) const {
        return level->getPathFinder().getWeight(column, row);
    }

    // Leaves the account with exactly the given amount.
    void setBalance(double amount) { level->getBankAccount() = BankAccount(amount); }

    std::unique_ptr<Level> level;
};
