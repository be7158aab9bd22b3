// Writes the fuzzer's small seed saves into the folder given. A new game's map
// is 80 x 60 cells and its save about 200 KB, which the fuzzer reads about 50
// times a second; the same game on a 20 x 14 map saves in a few KB and is
// read a hundred times as often. The small map is a new game's map cut down:
// its top rows of grass and its street. On it a small factory is built, staffed
// and run, and saved at stages, so that every part of the file is filled in.
// Everything is seeded, so the files come out the same on every run.
#include "actors/GameObject.hpp"
#include "economy/GameTime.hpp"
#include "params/Random.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <SFML/System/Time.hpp>

#include <cmath>
#include <fstream>
#include <iostream>
#include <locale>
#include <sstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Width = 20;
constexpr int Height = 14;
// The street: the sidewalk and five rows of road at the bottom of every map.
constexpr int StreetRows = 6;

using Tokens = std::vector<std::string>;

Tokens Split(const std::string& text) {
    std::istringstream in(text);
    Tokens tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(token);
    }
    return tokens;
}

// Reads a container header "Ver 0.1 count" at pos; false if there is none.
bool ReadHeader(const Tokens& tokens, std::size_t& pos, std::size_t& count) {
    if (pos + 3 > tokens.size() || tokens[pos] != "Ver") {
        return false;
    }
    count = std::stoul(tokens[pos + 2]);
    pos += 3;
    return true;
}

// The cells of the cut-down map, as indices into the full map's cells.
std::vector<std::size_t> KeptCells(int fullWidth, int fullHeight) {
    std::vector<std::size_t> cells;
    for (int row = 0; row < Height; ++row) {
        const int fullRow = row < Height - StreetRows ? row : fullHeight - (Height - row);
        for (int column = 0; column < Width; ++column) {
            cells.push_back(static_cast<std::size_t>(fullRow * fullWidth + column));
        }
    }
    return cells;
}

// Copies one per-cell container whose elements are `span` tokens each,
// keeping the cells of the cut-down map.
bool CutCells(const Tokens& tokens, std::size_t& pos, std::size_t span,
              const std::vector<std::size_t>& kept, std::size_t fullCells,
              std::ostringstream& out) {
    std::size_t count = 0;
    if (!ReadHeader(tokens, pos, count) || count != fullCells ||
        pos + count * span > tokens.size()) {
        return false;
    }
    out << "Ver 0.1 " << kept.size();
    for (std::size_t cell : kept) {
        for (std::size_t i = 0; i < span; ++i) {
            out << ' ' << tokens[pos + cell * span + i];
        }
    }
    pos += count * span;
    out << ' ';
    return true;
}

// A new game's save text with the map cut down to Width x Height. The new
// game has no objects, rooms or staff, so only the per-cell containers and
// the entry points depend on the map's size.
bool CutDown(const std::string& fullText, std::string& cut) {
    const Tokens tokens = Split(fullText);
    if (tokens.size() < 4 || tokens[0] != "LEVEL") {
        return false;
    }
    const int fullWidth = std::stoi(tokens[2]);
    const int fullHeight = std::stoi(tokens[3]);
    const std::size_t fullCells = static_cast<std::size_t>(fullWidth * fullHeight);
    const auto kept = KeptCells(fullWidth, fullHeight);
    std::ostringstream out;
    out << "LEVEL " << tokens[1] << ' ' << Width << ' ' << Height << ' ';
    std::size_t pos = 4;
    // Blocked, tile, zone, object and surface maps.
    for (int map = 0; map < 5; ++map) {
        if (!CutCells(tokens, pos, 1, kept, fullCells, out)) {
            return false;
        }
    }
    out << tokens[pos++] << ' '; // zoom
    // The zones: empty records of ten tokens each.
    if (!CutCells(tokens, pos, 10, kept, fullCells, out)) {
        return false;
    }
    std::size_t rooms = 0;
    if (!ReadHeader(tokens, pos, rooms) || rooms != 0) {
        return false;
    }
    out << "Ver 0.1 0 ";
    if (!CutCells(tokens, pos, 1, kept, fullCells, out)) { // room of each cell
        return false;
    }
    // Objects, surface objects and staff: all empty.
    for (int list = 0; list < 3; ++list) {
        std::size_t count = 0;
        if (!ReadHeader(tokens, pos, count) || count != 0) {
            return false;
        }
        out << "Ver 0.1 0 ";
    }
    // The two entry points at either end of the sidewalk.
    std::size_t entries = 0;
    if (!ReadHeader(tokens, pos, entries) || entries != 2) {
        return false;
    }
    pos += 4;
    const int sidewalk = Height - StreetRows;
    out << "Ver 0.1 2 -1 " << sidewalk << ' ' << Width << ' ' << sidewalk;
    for (; pos < tokens.size(); ++pos) {
        out << ' ' << tokens[pos];
    }
    cut = out.str();
    return true;
}

class SeedWriter {
public:
    explicit SeedWriter(std::string folder) : folder(std::move(folder)) {}

    // Writes the cut-down new game as the first seed and starts the level
    // from that file, as the game starts a saved one (with its applicants).
    bool start(const std::string& name) {
        std::ostringstream full;
        full.imbue(std::locale::classic());
        std::string cut;
        {
            Level newGame(nullptr, nullptr, "");
            if (!newGame.writeTo(full) || !CutDown(full.str(), cut)) {
                std::cerr << "make_seed_saves: a new game's save is not as expected" << std::endl;
                return false;
            }
        }
        const std::string path = folder + "/" + name;
        std::ofstream(path, std::ios::out | std::ios::trunc) << cut;
        level = std::make_unique<Level>(nullptr, nullptr, path);
        if (level->getWidth() != Width || level->getHeight() != Height) {
            std::cerr << "make_seed_saves: the cut-down map does not load" << std::endl;
            return false;
        }
        level->attachClock(&clock);
        return true;
    }

    Level& get() { return *level; }

    float px(int cell) const { return static_cast<float>(cell * 128 + 64); }

    void tiles(TileType type, int c1, int r1, int c2, int r2) {
        for (int row = r1; row <= r2; ++row) {
            for (int column = c1; column <= c2; ++column) {
                level->buyTile(type, px(column), px(row));
            }
        }
    }
    void zones(ZoneType type, int c1, int r1, int c2, int r2) {
        for (int row = r1; row <= r2; ++row) {
            for (int column = c1; column <= c2; ++column) {
                level->buyZone(type, px(column), px(row));
            }
        }
    }
    void object(GameObjectType type, int column, int row) {
        level->buyObject(0.f, type, px(column), px(row));
    }
    void door(int column, int row) {
        level->buyTile(TileFloor, px(column), px(row));
        object(ObjectDoor, column, row);
    }

    // Advances the clock and the level as the game's frames at top speed do.
    void run(double minutes) {
        const double minutesPerSecond = clock.getMinutesPerSecond() * clock.getSpeedFactor();
        for (double done = 0.0; done < minutes; done += FrameMinutes) {
            const sf::Time elapsed =
                sf::microseconds(std::llround(FrameMinutes / minutesPerSecond * 1e6));
            clock.advance(elapsed);
            level->update(static_cast<float>(elapsed.asSeconds() * minutesPerSecond));
            if (clock.dayPassed()) {
                level->payWages();
            }
        }
    }

    bool save(const std::string& name) {
        std::ofstream file(folder + "/" + name, std::ios::out | std::ios::trunc);
        file.imbue(std::locale::classic());
        if (!level->writeTo(file) || !file.good()) {
            std::cerr << "make_seed_saves: cannot write " << folder << "/" << name << std::endl;
            return false;
        }
        return true;
    }

private:
    static constexpr double FrameMinutes = 0.3;
    std::string folder;
    GameTime clock;
    std::unique_ptr<Level> level;
};

// Storage, workshop and kitchen above a corridor; bathroom, office, goods-in
// and goods-out below it, the goods rooms with doors onto the sidewalk.
void BuildFactory(SeedWriter& seeds) {
    seeds.tiles(TileFloor, 1, 1, 18, 6);
    for (int row : {0, 3, 5, 7}) {
        seeds.tiles(TileWall, 0, row, 19, row);
    }
    seeds.tiles(TileWall, 0, 1, 0, 6);
    seeds.tiles(TileWall, 19, 1, 19, 6);
    for (int column : {5, 12}) {
        seeds.tiles(TileWall, column, 1, column, 2);
    }
    for (int column : {3, 8, 13}) {
        seeds.tiles(TileWall, column, 6, column, 6);
    }
    for (auto [column, row] :
         {std::pair{2, 3}, {8, 3}, {15, 3}, {1, 5}, {5, 5}, {10, 5}, {16, 5}, {10, 7}, {16, 7}}) {
        seeds.door(column, row);
    }
    seeds.zones(ZoneStorage, 1, 1, 4, 2);
    seeds.zones(ZoneWorkshop, 6, 1, 11, 2);
    seeds.zones(ZoneKitchen, 13, 1, 18, 2);
    seeds.zones(ZoneBathroom, 1, 6, 2, 6);
    seeds.zones(ZoneOffice, 4, 6, 7, 6);
    seeds.zones(ZoneGoodsIn, 9, 6, 12, 6);
    seeds.zones(ZoneGoodsOut, 14, 6, 18, 6);
    seeds.object(ObjectWorkbench, 7, 1);
    seeds.object(ObjectWorkbench, 10, 1);
    Level& level = seeds.get();
    if (GameObject* bench = level.findObjectOnCell(ObjectWorkbench, 7, 1)) {
        bench->setRecipe(ItemSteel);
    }
    if (GameObject* bench = level.findObjectOnCell(ObjectWorkbench, 10, 1)) {
        bench->setRecipe(ItemSheetMetal);
    }
    seeds.object(ObjectFridge, 14, 1);
    seeds.object(ObjectKitchenCounter, 16, 1);
    seeds.object(ObjectCoffeeMachine, 16, 1);
    seeds.object(ObjectToilet, 2, 6);
    seeds.object(ObjectDesk, 6, 6);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seed_saves FOLDER" << std::endl;
        return 2;
    }
    GameParams::SeedRandom(1);
    GameParams::SetTileSizeType(SIZE128PX);
    GameParams::Texts::Init();
    // The level's own lines (refused placements among them) are not needed.
    std::cout.setstate(std::ios::badbit);

    SeedWriter seeds(argv[1]);
    if (!seeds.start("small_new_map")) {
        return 1;
    }
    BuildFactory(seeds);
    seeds.run(1);
    if (!seeds.save("small_factory")) {
        return 1;
    }
    Level& level = seeds.get();
    for (int hired = 0; hired < 3; ++hired) {
        level.hireApplicant(0);
    }
    seeds.run(30);
    if (!seeds.save("small_staffed")) {
        return 1;
    }
    level.buyItems(level.getStockMarket().getItemBuyPrices().at(ItemSteel), ItemSteel, 3);
    seeds.run(120);
    if (!seeds.save("small_delivery")) {
        return 1;
    }
    seeds.run(1500);
    level.sellItems(ItemSheetMetal, 1,
                    level.getStockMarket().getItemSellPrices().at(ItemSheetMetal));
    seeds.run(20);
    if (!seeds.save("small_second_day")) {
        return 1;
    }
    // The sale loaded and paid, so that the statistics' record holds some
    // of everything: money by day, units by item and the benches' day. The
    // files before it are kept in the corpus as written before that record.
    seeds.run(200);
    return seeds.save("small_statistics") ? 0 : 1;
}
