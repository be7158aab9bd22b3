// The level's save file: writing and reading its items in their fixed order.
// What the records cannot carry is put back by LevelSaveFileRestore.cpp.
#include "world/Level.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "economy/GameTime.hpp"
#include "persist/Codecs.hpp"
#include "persist/RecordStart.hpp"
#include "params/ItemTypes.hpp"
#include "persist/SaveFolder.hpp"
#include "persist/SaveGames.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <locale>
#include <set>
#include <sstream>

namespace {

constexpr float FileVersion = 0.1f;
// Far beyond any map the game makes (80 x 60); it keeps width * height in
// range before the maps read from the file are compared with it.
constexpr int MaxMapSide = 4096;

void Report(const char* method, const std::string& message) {
    std::cout << "Level::" << method << "() - " << message << std::endl;
}

// Numbers in the file always use the classic locale; the game's own comes
// back however the save or load ends.
class ClassicLocale {
public:
    ClassicLocale() : previous(std::locale::global(std::locale::classic())) {
        std::cout.imbue(std::locale::classic());
        std::cin.imbue(std::locale::classic());
    }
    ~ClassicLocale() {
        std::locale::global(previous);
        std::cout.imbue(previous);
        std::cin.imbue(previous);
    }
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    std::locale previous;
};

// Loading builds employees and needs whose constructors draw random numbers
// that the records then overwrite. Those draws come from a scratch state so
// that a loaded game goes on with the random sequence it would have had.
class ScratchRandomState {
public:
    ScratchRandomState() : previous(initstate(1u, scratch, sizeof scratch)) {}
    ~ScratchRandomState() { setstate(previous); }
    ScratchRandomState(const ScratchRandomState&) = delete;
    ScratchRandomState& operator=(const ScratchRandomState&) = delete;

private:
    char scratch[256] = {};
    char* previous;
};

std::map<ItemType, std::size_t> Widened(const std::map<ItemType, unsigned>& counts) {
    return {counts.begin(), counts.end()};
}

bool ReadCounts(std::istream& in, std::map<ItemType, unsigned>& target) {
    std::map<ItemType, std::size_t> counts;
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, counts)) {
        return false;
    }
    for (const auto& [type, count] : counts) {
        // Empty storage cells count under ItemNone.
        if ((type != ItemNone && !GameParams::IsItemType(type)) || count > 0xffffffffu) {
            return false;
        }
        target.emplace(type, static_cast<unsigned>(count));
    }
    return true;
}

bool IsTileType(TileType type) {
    return type >= TileGrass && type <= TileRoadMarking;
}

bool IsZoneType(ZoneType type) {
    return type >= ZoneNone && type <= ZoneGoodsOut;
}

bool IsObjectType(GameObjectType type) {
    return (type >= ObjectNone && type <= ObjectWorkbench) || type == ObjectDoor;
}

template <class T, class IsValid>
bool MapIsSound(const std::vector<T>& map, std::size_t cells, IsValid&& isValid) {
    if (map.size() != cells) {
        return false;
    }
    for (const T& value : map) {
        if (!isValid(value)) {
            return false;
        }
    }
    return true;
}

bool StartsInSaveFolder(const std::string& path) {
    const std::string folder = GameParams::SaveFolder() + "/";
    return path.compare(0, folder.size(), folder) == 0;
}

} // namespace

GameParams::SaveSummary Level::saveSummary(std::optional<long long> savedAt) const {
    GameParams::SaveSummary summary;
    const GameTime* clock = getGameTime();
    summary.gameMinutes = clock != nullptr ? static_cast<long long>(clock->getTotal()) : 0;
    summary.balance = bankAccount.getBalance();
    summary.employees = static_cast<unsigned>(employees.size());
    summary.savedAt = savedAt;
    return summary;
}

bool Level::save(const std::string& path, std::optional<long long> savedAt) const {
    ClassicLocale locale;
    if (StartsInSaveFolder(path)) {
        GameParams::EnsureSaveFolder();
    }
    // Written beside the target and renamed over it only when complete: a
    // save that fails halfway keeps the game saved there before.
    const std::string partial = path + ".tmp";
    std::ofstream file(partial, std::ios::out | std::ios::trunc);
    if (!file.is_open()) {
        Report("save", "Datei: " + path + " konnte nicht geoeffnet werden.");
        return false;
    }
    file.imbue(std::locale::classic());
    bool written = GameParams::WriteSaveHeader(file, saveSummary(savedAt)) && writeTo(file);
    file.flush();
    written = written && file.good();
    file.close();
    if (!written || file.fail()) {
        std::remove(partial.c_str());
        Report("save", "Datei: " + path + " konnte nicht geschrieben werden.");
        return false;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        Report("save", "Datei: " + path + " konnte nicht geschrieben werden.");
        return false;
    }
    // The picture of the game saved there before shows another game now; the
    // game writes a new one when it saves.
    std::remove(GameParams::PicturePathBeside(path).c_str());
    return true;
}

bool Level::writeTo(std::ostream& out) const {
    using GameParams::PtrMode;
    namespace Save = GameParams::Save;
    if (!tileContainer || !zoneContainer) {
        return false;
    }
    out << "LEVEL " << FileVersion << ' ' << width << ' ' << height << ' ';
    bool ok = Save::VectorOfBool(blockedMap, out);
    ok = ok && (out << ' ', Save::VectorOfTileType(tileMap, out));
    ok = ok && (out << ' ', Save::VectorOfZoneType(zoneMap, out));
    ok = ok && (out << ' ', Save::VectorOfGameObjectType(gameObjectMap, out));
    ok = ok && (out << ' ', Save::VectorOfGameObjectType(gameObjectSurfacesMap, out));
    ok =
        ok && (out << ' ' << zoom << ' ',
               Save::ArrayOfZonePtr(zoneContainer.get(), static_cast<std::size_t>(cellCount), out));
    ok = ok && (out << ' ', Save::VectorOfMetaZonePtr(metaZoneContainer, out, PtrMode::Records));
    ok = ok && (out << ' ', Save::VectorOfMetaZonePtr(metaZoneMap, out, PtrMode::References));
    ok =
        ok && (out << ' ', Save::VectorOfGameObjectPtr(gameObjectContainer, out, PtrMode::Records));
    ok = ok && (out << ' ',
                Save::VectorOfGameObjectPtr(gameObjectSurfacesContainer, out, PtrMode::Records));
    ok = ok && (out << ' ', Save::VectorOfEmployeePtr(employees, out));
    ok = ok && (out << ' ', Save::VectorOfVector2i(employeesMapEntryPoints, out));
    ok = ok && (out << ' ', Save::DequeOfPathFindingItem(pathFindingQueue, out));
    ok = ok && (out << ' ', Save::VectorOfTask(currentEmployeeTasks, out));
    ok = ok && (out << ' ',
                Save::VectorOfGameObjectPtr(gameObjectsNeedingTransport, out, PtrMode::References));
    ok = ok && (out << ' ',
                Save::VectorOfGameObjectPtr(gameObjectsNeedingSupply, out, PtrMode::References));
    ok = ok && (out << ' ', Save::MapOfItemTypeAndSizeT(Widened(storeableItemAmounts), out));
    ok = ok && (out << ' ', Save::MapOfItemTypeAndSizeT(Widened(storedItems), out));
    ok = ok &&
         (out << ' ', Save::MapOfItemTypeAndSizeT(Widened(itemsNeedingShippingPreparation), out));
    ok = ok && (out << ' ', Save::MapOfItemTypeAndSizeT(Widened(itemsReadyForShipping), out));
    if (ok) {
        // Without any clock the level is at the clock's first minute.
        const GameTime* clock = getGameTime();
        out << ' ';
        ok = clock != nullptr ? clock->save(out) : GameTime().save(out);
    }
    ok = ok && (out << ' ', bankAccount.save(out));
    ok = ok && (out << ' ', stockMarket.save(out));
    ok = ok && (out << ' ', truckLogistics.save(out));
    ok = ok && (out << ' ', statistics.save(out));
    // The optional records follow only when they hold something, so that a
    // game without them writes the file it always wrote.
    if (ok && !research.isUntouched()) {
        out << ' ';
        ok = research.save(out);
    }
    return ok && out.good();
}

std::string Level::fileText() const {
    ClassicLocale locale;
    std::ostringstream text;
    text.imbue(std::locale::classic());
    return writeTo(text) ? text.str() : std::string();
}

bool Level::load(const std::string& path) {
    ClassicLocale locale;
    std::ifstream file(path);
    const bool opened = file.is_open();
    if (!opened) {
        Report("load", "Datei: " + path + " konnte nicht geoeffnet werden.");
    }
    file.imbue(std::locale::classic());
    bool loaded = false;
    if (opened) {
        // Only the save list needs the header's facts.
        GameParams::ReadSaveHeader(file);
        loaded = readFrom(file);
    } else {
        clear();
    }
    // The applicants are not saved: a loaded game gets new ones, as a new
    // game does, so that the labour market is never empty after a load.
    applicantsAfterLoad = loaded;
    return loaded;
}

bool Level::loadKeepingCurrent(const std::string& path) {
    // The registries of ids are shared by every level, so the running game is
    // kept as its own file content and read back when the new one fails.
    const std::string running = fileText();
    ApplicantPool applicants = std::move(applicantPool);
    if (load(path)) {
        return true;
    }
    if (!running.empty()) {
        ClassicLocale locale;
        std::istringstream restored(running);
        restored.imbue(std::locale::classic());
        if (readFrom(restored)) {
            applicantPool = std::move(applicants);
        }
    }
    return false;
}

bool Level::readFrom(std::istream& in) {
    ScratchRandomState scratch;
    clear();
    bool ok = readMaps(in) && readObjects(in) && readDispatchState(in) && readEconomy(in) &&
              readTrailingRecords(in);
    if (ok) {
        rebuildAfterLoad();
        ok = restoreDoors();
    }
    // The employees keep the order they were saved in, which is the order
    // they are updated in. Sorting them by the cells they were put back on
    // would reorder those that were saved halfway between two cells.
    sortGameObjects();
    if (!ok) {
        clear();
    }
    return ok;
}

bool Level::readMaps(std::istream& in) {
    namespace Load = GameParams::Load;
    if (!Load::RecordStart(in, "Level::load()", "LEVEL", FileVersion, Load::OtherVersion::Refuse)) {
        return false;
    }
    int loadedWidth = 0;
    int loadedHeight = 0;
    if (!(in >> loadedWidth >> loadedHeight)) {
        return false;
    }
    // A map needs at least one cell; the sides are bounded so that the cell
    // count cannot overflow.
    if (loadedWidth <= 0 || loadedHeight <= 0 || loadedWidth > MaxMapSide ||
        loadedHeight > MaxMapSide) {
        Report("load", "Map-Groesse ungueltig!");
        return false;
    }
    width = loadedWidth;
    height = loadedHeight;
    cellCount = width * height;
    const std::size_t cells = static_cast<std::size_t>(cellCount);
    // Every map must hold one valid entry per cell. The arrays of cells are
    // made only once the first map showed that the file holds that many.
    if (!Load::VectorOfBool(in, blockedMap) || blockedMap.size() != cells) {
        Report("load", "BlockedMap konnte nicht geladen werden!");
        return false;
    }
    tileContainer = std::make_unique<Tile[]>(cells);
    zoneContainer = std::make_unique<Zone[]>(cells);
    if (!Load::VectorOfTileType(in, tileMap) || !MapIsSound(tileMap, cells, IsTileType)) {
        Report("load", "TileMap konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfZoneType(in, zoneMap) || !MapIsSound(zoneMap, cells, IsZoneType)) {
        Report("load", "ZoneMap konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectType(in, gameObjectMap) ||
        !MapIsSound(gameObjectMap, cells, IsObjectType)) {
        Report("load", "GameObjectMap konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectType(in, gameObjectSurfacesMap) ||
        !MapIsSound(gameObjectSurfacesMap, cells, IsObjectType)) {
        Report("load", "GameObjectSurfacesMap konnte nicht geladen werden!");
        return false;
    }
    float loadedZoom = 0.f;
    if (!(in >> loadedZoom) || !(loadedZoom > 0.f) || !std::isfinite(loadedZoom)) {
        return false;
    }
    zoom = loadedZoom;
    if (!Load::ArrayOfZonePtr(in, zoneContainer.get(), cells, texture, this, getFont())) {
        Report("load", "zoneContainer konnte nicht geladen werden!");
        return false;
    }
    return true;
}

bool Level::readObjects(std::istream& in) {
    namespace Load = GameParams::Load;
    const std::size_t cells = static_cast<std::size_t>(cellCount);
    if (!Load::VectorOfMetaZonePtr(in, metaZoneContainer, this)) {
        Report("load", "metaZoneContainer konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfMetaZonePtr(in, metaZoneMap) || metaZoneMap.size() != cells) {
        Report("load", "metaZoneMap konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectPtr<GameObjectDoor>(in, gameObjectContainer, texture, this)) {
        Report("load", "GameObjectContainer konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectPtr<GameObjectDoor>(in, gameObjectSurfacesContainer, texture,
                                                     this)) {
        Report("load", "GameObjectSurfacesContainer konnte nicht geladen werden!");
        return false;
    }
    if (!objectsAreOnMap()) {
        Report("load", "GameObjectContainer konnte nicht geladen werden!");
        return false;
    }
    if (!restoreSurfacePartners()) {
        Report("load", "ParentSurfaceObject konnte nicht wiederhergestellt werden!");
        return false;
    }
    if (!Load::VectorOfEmployeePtr(in, employees, this)) {
        Report("load", "Employees konnten nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfVector2i(in, employeesMapEntryPoints)) {
        Report("load", "EmployeesMapEntryPoints konnten nicht geladen werden!");
        return false;
    }
    return true;
}

bool Level::readDispatchState(std::istream& in) {
    namespace Load = GameParams::Load;
    if (!Load::DequeOfPathFindingItem(in, pathFindingQueue) || !pathRequestsAreSound()) {
        Report("load", "PathFindingQueue konnte nicht geladen werden!");
        return false;
    }
    // A chain is only ever assembled for the request at the queue's front.
    if (!Load::VectorOfTask(in, currentEmployeeTasks) ||
        (!currentEmployeeTasks.empty() && pathFindingQueue.empty())) {
        Report("load", "CurrentEmployeeTasks konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectPtr(in, gameObjectsNeedingTransport)) {
        Report("load", "gameObjectsNeedingTransport konnte nicht geladen werden!");
        return false;
    }
    if (!Load::VectorOfGameObjectPtr(in, gameObjectsNeedingSupply)) {
        Report("load", "gameObjectsNeedingSupply konnte nicht geladen werden!");
        return false;
    }
    if (!ReadCounts(in, storeableItemAmounts)) {
        Report("load", "storeableItemAmounts konnte nicht geladen werden!");
        return false;
    }
    if (!ReadCounts(in, storedItems)) {
        Report("load", "storedItems konnte nicht geladen werden!");
        return false;
    }
    if (!ReadCounts(in, itemsNeedingShippingPreparation)) {
        Report("load", "itemsNeedingShippingPreparation konnte nicht geladen werden!");
        return false;
    }
    if (!ReadCounts(in, itemsReadyForShipping)) {
        Report("load", "itemsReadyForShipping konnte nicht geladen werden!");
        return false;
    }
    return true;
}

bool Level::readEconomy(std::istream& in) {
    // The clock is only replaced once its whole record was read.
    GameTime loadedClock;
    if (!loadedClock.load(in)) {
        Report("load", "GameTime konnte nicht geladen werden!");
        return false;
    }
    if (!bankAccount.load(in)) {
        Report("load", "BankAccount konnte nicht geladen werden!");
        return false;
    }
    if (!stockMarket.load(in)) {
        Report("load", "StockMarket konnte nicht geladen werden!");
        return false;
    }
    if (!truckLogistics.load(in, this)) {
        Report("load", "TruckLogistics konnten nicht geladen werden!");
        return false;
    }
    if (GameTime* clock = writableClock()) {
        *clock = loadedClock;
    }
    return true;
}

bool Level::readTrailingRecords(std::istream& in) {
    std::set<std::string> seen;
    // Only the end of the file ends the records.
    while (!(in >> std::ws).eof()) {
        // Each record reads its own header: the word is only looked at here.
        const std::streampos start = in.tellg();
        std::string header;
        if (!(in >> header) || !in.seekg(start)) {
            return false;
        }
        if (!seen.insert(header).second) {
            Report("load", header + " doppelt!");
            return false;
        }
        bool read = false;
        if (header == FactoryStatistics::RecordHeader) {
            read = statistics.load(in);
        } else if (header == ResearchState::RecordHeader) {
            read = research.load(in);
        } else {
            Report("load", "Unbekannter Eintrag: " + header);
            return false;
        }
        if (!read) {
            Report("load", header + " konnte nicht geladen werden!");
            return false;
        }
    }
    return true;
}
