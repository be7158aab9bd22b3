#pragma once

#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <gtest/gtest.h>

#include <SFML/System/Time.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

namespace SaveFileTest {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The level's part of a save file: everything after the header line, whose
// time of saving differs from save to save.
inline std::string LevelContent(const std::string& path) {
    const std::string file = ReadFile(path);
    const std::size_t lineEnd = file.find('\n');
    const bool hasHeader = file.rfind("OSTRAVEL-SPIELSTAND ", 0) == 0;
    return hasHeader && lineEnd != std::string::npos ? file.substr(lineEnd + 1) : file;
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// A level without a game, with its own clock, advanced frame by frame the way
// the headless runner advances it.
struct TestGame {
    TestGame() {
        GameParams::SetTileSizeType(SIZE128PX);
        level = std::make_unique<Level>(nullptr, nullptr, "");
        level->attachClock(&clock);
    }

    bool load(const std::string& path) { return level->load(path); }

    void advance(int frames, float minutesPerFrame = 0.3f) {
        for (int i = 0; i < frames; ++i) {
            const double perSecond = clock.getMinutesPerSecond() * clock.getSpeedFactor();
            const sf::Time elapsed = sf::microseconds(
                static_cast<sf::Int64>(std::llround(minutesPerFrame / perSecond * 1e6)));
            clock.advance(elapsed);
            level->update(static_cast<float>(elapsed.asSeconds() * perSecond));
            if (clock.dayPassed()) {
                level->payWages();
            }
        }
    }

    std::string content() const {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        EXPECT_TRUE(level->writeTo(out));
        return out.str();
    }

    GameTime clock;
    std::unique_ptr<Level> level;
};

inline float Px(int cell) {
    return static_cast<float>(cell * 128);
}

// A walled workshop with a storage room, a kitchen with a counter and a coffee
// machine on it, a door, three hired employees and bought steel on its way.
inline void BuildBusyFactory(Level& level) {
    for (int row = 9; row <= 17; ++row) {
        for (int column = 9; column <= 27; ++column) {
            const bool edge = row == 9 || row == 17 || column == 9 || column == 27;
            level.buyTile(edge ? TileWall : TileFloor, Px(column), Px(row));
        }
    }
    for (int row = 10; row <= 16; ++row) {
        level.buyTile(TileWall, Px(21), Px(row));
    }
    level.buyTile(TileFloor, Px(21), Px(13));
    level.buyObject(0.f, ObjectDoor, Px(21), Px(13));
    level.buyTile(TileFloor, Px(15), Px(17));
    level.buyObject(0.f, ObjectDoor, Px(15), Px(17));
    for (int row = 10; row <= 16; ++row) {
        for (int column = 10; column <= 20; ++column) {
            level.buyZone(column <= 14 ? ZoneWorkshop : ZoneStorage, Px(column), Px(row));
        }
        for (int column = 22; column <= 26; ++column) {
            level.buyZone(ZoneKitchen, Px(column), Px(row));
        }
    }
    level.buyObject(0.f, ObjectWorkbench, Px(12), Px(13));
    level.buyObject(0.f, ObjectKitchenCounter, Px(24), Px(11));
    level.buyObject(0.f, ObjectCoffeeMachine, Px(24), Px(11));
    level.buyObject(0.f, ObjectFridge, Px(26), Px(15));
    if (GameObject* bench = level.getObjectAtMapPosition(12, 13)) {
        bench->setRecipe(ItemSheetMetal);
    }
    level.update(0.f);
    for (int i = 0; i < 3; ++i) {
        level.hireApplicant(0);
    }
    const float steelPrice = level.getStockMarket().getItemBuyPrices().at(ItemSteel);
    level.buyItems(steelPrice, ItemSteel, 6);
}

} // namespace SaveFileTest
