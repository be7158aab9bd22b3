// Save and load times and file sizes of the level file, for a new map and for
// a busy factory. Run from the build folder: `bench/savefile`.

#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

#include <SFML/System/Clock.hpp>

#include <algorithm>
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

// As much as the market has of each, up to 40: steel for the benches, glass
// and wood that nothing uses and that fill the storage rooms.
void BuyMaterials(Level& level) {
    for (ItemType type : {ItemSteel, ItemGlass, ItemWood}) {
        const auto supply = level.getStockMarket().getItemAvailability();
        const auto available = supply.find(type);
        if (available == supply.end()) {
            continue;
        }
        const auto units = static_cast<unsigned>(std::min<std::size_t>(available->second, 40));
        level.buyItems(level.getStockMarket().getItemBuyPrices().at(type), type, units);
    }
}

void BuyWallWithDoor(Level& level, int column, int row, bool door) {
    level.buyTile(door ? TileFloor : TileWall, Px(column), Px(row));
    if (door) {
        level.buyObject(0.f, ObjectDoor, Px(column), Px(row));
    }
}

// Four walled halls side by side. Inner walls with doors make each hall four
// closed rooms: a workshop of benches and a storage room at the back, a
// kitchen and a goods-in room at the front, each with a door to the street.
// Building costs far more than a new game's balance, so the account is topped
// up first: without that the money ran out after the first object.
void BuildFactory(Level& level) {
    level.getBankAccount().bookIncome(1e8);
    constexpr int Top = 4;
    constexpr int Bottom = 50;
    constexpr int Middle = 40;
    for (int hall = 0; hall < 4; ++hall) {
        const int left = 2 + hall * 19;
        const int right = left + 17;
        const int split = left + 9;
        for (int row = Top; row <= Bottom; ++row) {
            for (int column = left; column <= right; ++column) {
                const bool wall = row == Top || row == Bottom || row == Middle || column == left ||
                                  column == right || column == split;
                if (wall) {
                    const bool door = ((row == Bottom || row == Middle) &&
                                       (column == left + 4 || column == split + 4)) ||
                                      (column == split && row == 20);
                    BuyWallWithDoor(level, column, row, door);
                    continue;
                }
                level.buyTile(TileFloor, Px(column), Px(row));
                ZoneType zone = column < split ? ZoneWorkshop : ZoneStorage;
                if (row > Middle) {
                    zone = column < split ? ZoneKitchen : ZoneGoodsIn;
                }
                level.buyZone(zone, Px(column), Px(row));
            }
        }
        for (int row = 7; row <= 35; row += 4) {
            level.buyObject(0.f, ObjectWorkbench, Px(left + 3), Px(row));
            if (GameObject* bench = level.getObjectAtMapPosition(left + 3, row)) {
                bench->setRecipe(ItemSheetMetal);
            }
        }
        level.buyObject(0.f, ObjectKitchenCounter, Px(left + 2), Px(43));
        level.buyObject(0.f, ObjectCoffeeMachine, Px(left + 2), Px(43));
        level.buyObject(0.f, ObjectFridge, Px(left + 7), Px(46));
    }
    level.update(0.f);
    for (int i = 0; i < 20 && level.getEmployees().size() < 40; ++i) {
        level.getApplicantPool().fill();
        while (level.getEmployees().size() < 40 && level.hireApplicant(0)) {
        }
    }
    BuyMaterials(level);
}

std::size_t StoredUnits(const Level& level) {
    std::size_t units = 0;
    for (const auto& entry : level.getStoredItems()) {
        if (entry.first != ItemNone) {
            units += entry.second;
        }
    }
    return units;
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
    // Measured with a truck at the site, bringing the next order.
    BuyMaterials(level);
    for (int frame = 0; frame < 3000 && level.getActiveTruck() == nullptr; ++frame) {
        level.update(0.3f);
    }
    std::cout << "busy factory: " << level.getEmployees().size() << " employees, "
              << level.getGameObjects().size() << " objects, " << level.getSurfaceObjects().size()
              << " on surfaces, " << level.getMetaZones().size() << " rooms, " << StoredUnits(level)
              << " units stored, " << (level.getActiveTruck() != nullptr ? "a" : "no") << " truck, "
              << level.getPathFindingQueue().size() << " path requests" << std::endl;
    Measure("busy_factory", level);
    return 0;
}
