// The big factory at top speed and at normal speed: 300 employees, about a
// hundred steel benches in three workshops, three storage rooms, two kitchens
// and two bathrooms, every room closed behind a door onto one corridor.
// For each speed the same factory is built afresh with the same seed, staffed,
// run for a warm-up and then for one game day, in frames of 0.3 game minutes
// (top speed at 60 frames per second) and of 1/30 (normal speed).
// Prints the cost of the level's update per frame (median, 99th percentile,
// maximum), the steel made per employee and game day, and the path requests
// waiting. Run from build/ as
//   bench/factory_speed [employees [warm-up minutes [top|normal]]]
// The update is timed in the thread's processor time, so that other programs
// on a shared machine do not show up as slow frames; valgrind's callgrind
// counts the instructions of one speed's run exactly:
//   valgrind --tool=callgrind bench/factory_speed 300 360 top

#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/Random.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"

#include <SFML/System/Time.hpp>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Left = 2;
constexpr int Right = 77;
constexpr int Top = 2;
constexpr int Bottom = 51;
// The corridor's two rows, between the upper and the lower rooms.
constexpr int CorridorTop = 26;
constexpr int CorridorBottom = 27;
constexpr float MinutesPerDay = 1440.f;

struct Room {
    ZoneType zone;
    int left, top, right, bottom; // inside the walls
};

// Upper rooms between rows 3 and 24, lower rooms between 29 and 50; each one
// has its door in the corridor wall.
const Room Rooms[] = {
    {ZoneWorkshop, 3, 3, 24, 24},   {ZoneStorage, 26, 3, 37, 24},  {ZoneWorkshop, 39, 3, 60, 24},
    {ZoneKitchen, 62, 3, 76, 24},   {ZoneBathroom, 3, 29, 14, 50}, {ZoneStorage, 16, 29, 27, 50},
    {ZoneWorkshop, 29, 29, 50, 50}, {ZoneStorage, 52, 29, 63, 50}, {ZoneKitchen, 65, 29, 70, 50},
    {ZoneBathroom, 72, 29, 76, 50},
};

float Px(int cell) {
    return static_cast<float>(cell * 128);
}

void Wall(Level& level, int column, int row) {
    level.buyTile(TileWall, Px(column), Px(row));
}

void Door(Level& level, int column, int row) {
    level.buyTile(TileFloor, Px(column), Px(row));
    level.buyObject(0.f, ObjectDoor, Px(column), Px(row));
}

void Place(Level& level, GameObjectType type, int column, int row) {
    level.buyObject(0.f, type, Px(column), Px(row));
}

// Benches four rows apart and three columns apart: each keeps all four sides
// free, and the rows between them are the aisles.
void FurnishWorkshop(Level& level, const Room& room) {
    for (int row = room.top + 2; row <= room.bottom - 2; row += 4) {
        for (int column = room.left + 1; column < room.right; column += 3) {
            Place(level, ObjectWorkbench, column, row);
            if (GameObject* bench = level.getObjectAtMapPosition(column, row)) {
                bench->setRecipe(ItemSteel);
            }
        }
    }
}

// Fridges and counters with coffee machines in columns, used from their left;
// the top and bottom rows stay free to walk round them.
void FurnishKitchen(Level& level, const Room& room) {
    for (int column = room.left + 1; column <= room.right; column += 2) {
        for (int row = room.top + 1; row <= room.top + 6; ++row) {
            const bool fridge = (column - room.left) % 4 == 1;
            Place(level, fridge ? ObjectFridge : ObjectKitchenCounter, column, row);
            if (!fridge) {
                Place(level, ObjectCoffeeMachine, column, row);
            }
        }
    }
}

// Toilets are used standing on them: every other cell of every other row.
void FurnishBathroom(Level& level, const Room& room) {
    for (int row = room.top + 1; row <= room.top + 9; row += 2) {
        for (int column = room.left + 1; column < room.right; column += 2) {
            Place(level, ObjectToilet, column, row);
        }
    }
}

void BuildFactory(Level& level) {
    level.getBankAccount().bookIncome(1e9);
    for (int row = Top; row <= Bottom; ++row) {
        for (int column = Left; column <= Right; ++column) {
            const bool outer = row == Top || row == Bottom || column == Left || column == Right;
            const bool corridorWall = row == CorridorTop - 1 || row == CorridorBottom + 1;
            if (outer || corridorWall) {
                Wall(level, column, row);
            } else {
                level.buyTile(TileFloor, Px(column), Px(row));
            }
        }
    }
    Door(level, Left, CorridorTop);
    Door(level, Right, CorridorTop);
    for (const Room& room : Rooms) {
        const bool upper = room.bottom < CorridorTop;
        for (int row = room.top; row <= room.bottom; ++row) {
            if (room.left - 1 > Left) {
                Wall(level, room.left - 1, row);
            }
            for (int column = room.left; column <= room.right; ++column) {
                level.buyZone(room.zone, Px(column), Px(row));
            }
        }
        Door(level, (room.left + room.right) / 2, upper ? CorridorTop - 1 : CorridorBottom + 1);
        switch (room.zone) {
        case ZoneWorkshop:
            FurnishWorkshop(level, room);
            break;
        case ZoneKitchen:
            FurnishKitchen(level, room);
            break;
        case ZoneBathroom:
            FurnishBathroom(level, room);
            break;
        default:
            break;
        }
    }
    level.update(0.f);
}

void Hire(Level& level, std::size_t employees) {
    while (level.getEmployees().size() < employees) {
        level.getApplicantPool().fill();
        while (level.getEmployees().size() < employees && level.hireApplicant(0)) {
        }
    }
}

// Steel in storage, in the employees' hands and waiting at the benches: the
// benches make it from nothing and nothing uses it up.
std::size_t SteelMade(const Level& level) {
    std::size_t units = level.carriedUnits();
    const auto stored = level.getStoredItems().find(ItemSteel);
    if (stored != level.getStoredItems().end()) {
        units += stored->second;
    }
    for (const auto& object : level.getGameObjects()) {
        const auto output = object->getProducedItemOutput().find(ItemSteel);
        if (output != object->getProducedItemOutput().end()) {
            units += output->second.size();
        }
    }
    return units;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

double ThreadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

struct Run {
    std::vector<double> updateMicroseconds;
    double steelPerEmployeeAndDay = 0.0;
    double meanQueue = 0.0;
    std::size_t maxQueue = 0;
    std::size_t endQueue = 0;
};

// Advances clock and level as the game's frame does at normal speed level.
void Frame(GameTime& clock, Level& level, double minutes, std::vector<double>* timings) {
    const double minutesPerSecond = clock.getMinutesPerSecond() * clock.getSpeedFactor();
    const sf::Time elapsed = sf::microseconds(std::llround(minutes / minutesPerSecond * 1e6));
    clock.advance(elapsed);
    const double start = ThreadMicroseconds();
    level.update(static_cast<float>(elapsed.asSeconds() * minutesPerSecond));
    if (timings != nullptr) {
        timings->push_back(ThreadMicroseconds() - start);
    }
    if (clock.dayPassed()) {
        level.payWages();
    }
}

Run RunFactory(double frameMinutes, std::size_t employees, double warmUpMinutes) {
    GameParams::SeedRandom(1);
    GameTime clock;
    Level level(nullptr, nullptr, "");
    level.attachClock(&clock);
    BuildFactory(level);
    Hire(level, employees);
    const auto frames = [&](double minutes) {
        return static_cast<long>(std::floor(minutes / frameMinutes + 1e-9));
    };
    for (long i = frames(warmUpMinutes); i > 0; --i) {
        Frame(clock, level, frameMinutes, nullptr);
    }
    Run run;
    const std::size_t steelBefore = SteelMade(level);
    double queueSum = 0.0;
    const long dayFrames = frames(MinutesPerDay);
    for (long i = 0; i < dayFrames; ++i) {
        Frame(clock, level, frameMinutes, &run.updateMicroseconds);
        const std::size_t queue = level.getPathFindingQueue().size();
        queueSum += static_cast<double>(queue);
        run.maxQueue = std::max(run.maxQueue, queue);
    }
    run.steelPerEmployeeAndDay =
        static_cast<double>(SteelMade(level) - steelBefore) / static_cast<double>(employees);
    run.meanQueue = queueSum / static_cast<double>(dayFrames);
    run.endQueue = level.getPathFindingQueue().size();
    static bool described = false;
    if (!described) {
        described = true;
        std::size_t benches = 0;
        for (const auto& object : level.getGameObjects()) {
            benches += object->isProducer() ? 1 : 0;
        }
        const auto& rooms = level.getMetaZones();
        const auto enclosed = std::count_if(rooms.begin(), rooms.end(),
                                            [](const auto& room) { return room->wasEnclosed(); });
        std::cout << level.getEmployees().size() << " employees, " << benches << " benches, "
                  << level.getGameObjects().size() << " objects, " << enclosed << " of "
                  << rooms.size() << " rooms enclosed" << std::endl;
    }
    return run;
}

void Report(const char* name, const Run& run) {
    std::cout << name << ": update p50 " << Percentile(run.updateMicroseconds, 0.5) / 1000.0
              << " ms, p99 " << Percentile(run.updateMicroseconds, 0.99) / 1000.0 << " ms, max "
              << Percentile(run.updateMicroseconds, 1.0) / 1000.0 << " ms; steel "
              << run.steelPerEmployeeAndDay << " per employee and day; path requests waiting: mean "
              << run.meanQueue << ", max " << run.maxQueue << ", at the end " << run.endQueue
              << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t employees = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 300;
    const double warmUp = argc > 2 ? std::atof(argv[2]) : 360.0;
    GameParams::SetTileSizeType(SIZE128PX);
    GameParams::Texts::Init();
    const std::string only = argc > 3 ? argv[3] : "";
    if (only != "normal") {
        Report("top speed (0.3 game minutes per frame)", RunFactory(0.3, employees, warmUp));
    }
    if (only != "top") {
        Report("normal speed (1/30 game minute per frame)",
               RunFactory(1.0 / 30.0, employees, warmUp));
    }
    return 0;
}
