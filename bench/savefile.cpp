// Save and load times and file sizes of the level file, for a new map and for
// a busy factory. Run from the build folder: `bench/savefile`.

#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <SFML/System/Clock.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr int Repeats = 10;

float Px(int cell) {
    return static_cast<float>(cell * 128);
}

// Four walled halls side by side, each a workshop with benches beside a
// storage room, with a door to the street, and every hall staffed.
void BuildFactory(Level& level) {
    for (int hall = 0; hall < 4; ++hall) {
        const int left = 2 + hall * 19;
        for (int row = 4; row <= 50; ++row) {
            for (int column = left; column <= left + 17; ++column) {
                const bool edge = row == 4 || row == 50 || column == left || column == left + 17;
                level.buyTile(edge ? TileWall : TileFloor, Px(column), Px(row));
            }
        }
        level.buyTile(TileFloor, Px(left + 8), Px(50));
        level.buyObject(0.f, ObjectDoor, Px(left + 8), Px(50));
        for (int row = 5; row <= 49; ++row) {
            for (int column = left + 1; column <= left + 16; ++column) {
                level.buyZone(column <= left + 8 ? ZoneWorkshop : ZoneStorage, Px(column), Px(row));
            }
        }
        for (int row = 7; row <= 47; row += 4) {
            level.buyObject(0.f, ObjectWorkbench, Px(left + 4), Px(row));
            if (GameObject* bench = level.getObjectAtMapPosition(left + 4, row)) {
                bench->setRecipe(ItemSheetMetal);
            }
        }
    }
    level.update(0.f);
    for (int i = 0; i < 20; ++i) {
        level.getApplicantPool().fill();
        while (level.hireApplicant(0)) {
        }
        if (level.getEmployees().size() >= 40) {
            break;
        }
    }
    const auto prices = level.getStockMarket().getItemBuyPrices();
    level.buyItems(prices.at(ItemSteel), ItemSteel, 40);
}

void Measure(const char* name, Level& level) {
    const std::string path = std::string("bench_savefile_") + name;
    sf::Clock clock;
    for (int i = 0; i < Repeats; ++i) {
        level.save(path);
    }
    const double saveMs = clock.restart().asMicroseconds() / 1000.0 / Repeats;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const auto bytes = static_cast<long long>(file.tellg());
    // Rooms and objects are found in registries every level shares, so the
    // file is loaded back into the level that wrote it.
    clock.restart();
    bool ok = true;
    for (int i = 0; i < Repeats; ++i) {
        ok = level.load(path) && ok;
    }
    const double loadMs = clock.restart().asMicroseconds() / 1000.0 / Repeats;
    std::cout << name << ": save " << saveMs << " ms, load " << loadMs << " ms"
              << (ok ? "" : " (FAILED)") << ", file " << bytes << " bytes" << std::endl;
    std::remove(path.c_str());
}

} // namespace

int main() {
    std::srand(1);
    GameParams::SetTileSizeType(SIZE128PX);
    GameParams::Texts::Init();
    GameTime clock;
    {
        Level level(nullptr, nullptr, "");
        level.attachClock(&clock);
        Measure("new_map", level);
    }
    Level level(nullptr, nullptr, "");
    level.attachClock(&clock);
    BuildFactory(level);
    for (int frame = 0; frame < 3000; ++frame) {
        level.update(0.3f);
    }
    std::cout << "busy factory: " << level.getEmployees().size() << " employees, "
              << level.getGameObjects().size() << " objects, " << level.getPathFindingQueue().size()
              << " path requests" << std::endl;
    Measure("busy_factory", level);
    return 0;
}
