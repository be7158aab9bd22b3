#pragma once

#include "actors/ApplicantPool.hpp"
#include "actors/Need.hpp"
#include "actors/Task.hpp"
#include "actors/TruckLogistics.hpp"
#include "economy/BankAccount.hpp"
#include "economy/StockMarket.hpp"
#include "params/BuildRefusal.hpp"
#include "params/Enums.hpp"
#include "persist/SaveHeader.hpp"
#include "stats/FactoryStatistics.hpp"
#include "research/ResearchState.hpp"
#include "world/CellBatch.hpp"
#include "world/LevelEvents.hpp"
#include "world/PathFindingBudget.hpp"
#include "world/PathFindingItem.hpp"
#include "world/PathGrid.hpp"
#include "world/Tile.hpp"
#include "world/UnreachableTargets.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/Vector2.hpp>

#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Employee;
class GameObject;
class GameObjectDoor;
class GameTime;
class Item;
class LevelShell;
class MetaZone;
class Task;
class Truck;
class Zone;

namespace sf {
class Font;
class Texture;
class View;
} // namespace sf

// The world: a grid of cells with parallel per-cell maps, the drawables of
// every cell and everything placed on it. Its definitions are split by
// concern: Level.cpp (lifetime, update), LevelDraw.cpp, LevelQueries.cpp,
// LevelBuilding.cpp (tools, prices), LevelObjects.cpp (map writers),
// LevelZones.cpp and LevelStorage.cpp (zones, meta-zones, item counts),
// LevelEmployees.cpp (staff, wages, the employee's side of the dispatch),
// LevelPathFinding.cpp (the path-finding queue).
class Level : public sf::Drawable, public sf::Transformable {
public:
    // Cells from left to right and top to bottom; an inclusive-exclusive box.
    struct CellRange {
        int firstColumn = 0;
        int endColumn = 0;
        int firstRow = 0;
        int endRow = 0;
    };

    // A null shell is allowed: the headless runner and the tests have no
    // window, so there is no font and no world view to move.
    Level(LevelShell* shell, sf::Texture* texture, const std::string& fileName);
    ~Level() override;
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    void clear();
    void update(float dt);

    // --- Save file (LevelSaveFile.cpp, LevelSaveFileRestore.cpp) ----------
    // The file is written next to the target first and renamed over it only
    // when complete, so a failed save keeps the previous file. The game
    // stamps its saves with the real time (seconds since 1970); the headless
    // runner's saves carry none, so that a run repeated writes the same bytes.
    bool save(const std::string& path, std::optional<long long> savedAt = std::nullopt) const;
    // On false the level is empty (clear()).
    bool load(const std::string& path);
    // Loads the file, but on failure puts back the game that was running.
    bool loadKeepingCurrent(const std::string& path);
    // The file's content without locale switching or file handling.
    bool writeTo(std::ostream& out) const;
    // The level's content as save() writes it after the header line; empty
    // when it cannot be written.
    std::string fileText() const;
    // The facts of the header line save() writes now.
    GameParams::SaveSummary saveSummary(std::optional<long long> savedAt = std::nullopt) const;
    bool readFrom(std::istream& in);
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    // --- Queries (LevelQueries.cpp) ---------------------------------------
    std::string tooltipText(float x, float y, int column, int row) const;
    bool isWalkableCell(int column, int row) const;
    GameObject* getObjectAtMapPosition(int column, int row) const;
    GameObject* findObjectOnCell(GameObjectType type, int column, int row) const;
    bool releaseTile(int column, int row);

    bool isInMap(int column, int row) const;
    bool isBlocked(int column, int row) const;
    TileType getTileType(int column, int row) const;
    ZoneType getZoneType(int column, int row) const;
    GameObjectType getObjectType(int column, int row) const;
    GameObjectType getSurfaceObjectType(int column, int row) const;
    MetaZone* getMetaZoneAt(int column, int row) const;
    Zone* getZoneAt(int column, int row) const;
    Tile* getTileAt(int column, int row) const;

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getCellCount() const { return cellCount; }
    int getTileSizeX() const { return tileSizeX; }
    int getTileSizeY() const { return tileSizeY; }
    sf::Texture* getTexture() const { return texture; }
    // Null without a shell.
    const sf::Font* getFont() const;

    BankAccount& getBankAccount() { return bankAccount; }
    const BankAccount& getBankAccount() const { return bankAccount; }
    StockMarket& getStockMarket() { return stockMarket; }
    const StockMarket& getStockMarket() const { return stockMarket; }
    // The shell's clock; without a shell the attached one (the headless
    // runner's), else null. Its total keys the market's buy-price history.
    const GameTime* getGameTime() const;
    void attachClock(GameTime* clock) { attachedClock = clock; }
    const PathGrid& getPathFinder() const { return pathFinder; }
    const std::vector<sf::Vector2i>& getEntryPoints() const { return employeesMapEntryPoints; }
    const std::vector<sf::RectangleShape>& getBorderShapes() const { return borderShapes; }
    const std::vector<std::unique_ptr<GameObject>>& getGameObjects() const {
        return gameObjectContainer;
    }
    const std::vector<std::unique_ptr<GameObject>>& getSurfaceObjects() const {
        return gameObjectSurfacesContainer;
    }
    const std::vector<GameObjectDoor*>& getDoors() const { return gameObjectDoorContainer; }
    const std::vector<std::unique_ptr<MetaZone>>& getMetaZones() const { return metaZoneContainer; }
    const std::map<ItemType, unsigned>& getStoreableItemAmounts() const {
        return storeableItemAmounts;
    }
    const std::map<ItemType, unsigned>& getStoredItems() const { return storedItems; }
    const std::map<ItemType, unsigned>& getItemsNeedingShippingPreparation() const {
        return itemsNeedingShippingPreparation;
    }
    const std::map<ItemType, unsigned>& getItemsReadyForShipping() const {
        return itemsReadyForShipping;
    }

    // --- Employees (LevelEmployees.cpp) ----------------------------------
    const std::vector<std::unique_ptr<Employee>>& getEmployees() const { return employees; }
    ApplicantPool& getApplicantPool() { return applicantPool; }
    const ApplicantPool& getApplicantPool() const { return applicantPool; }
    // Puts the employee (a new random worker when null) on a random entry
    // point, from where it walks onto the map.
    bool addEmployee(std::unique_ptr<Employee> employee = nullptr);
    // Takes the applicant out of the pool and employs it; false out of range.
    bool hireApplicant(std::size_t index);
    // Releases what the employee holds (tiles, bookings, path requests,
    // carried goods) before it is destroyed.
    bool removeEmployee(std::size_t index);
    void payWages();
    // Units the employees are carrying right now.
    unsigned carriedUnits() const;

    // --- The employee's side of the work dispatch (LevelEmployees.cpp) ----
    // True when a path request was queued; noWork when no need can be served.
    bool requestWork(Employee* employee, bool& noWork);
    // placeMarker: an object type, ZoneMarker for a zone cell, TruckMarker.
    std::unique_ptr<Item> pickUpItem(GameObjectType placeMarker, ItemType itemType, int column,
                                     int row);
    // On success the place owns the item; on failure the caller keeps it.
    bool deliverCarriedItem(GameObjectType placeMarker, std::unique_ptr<Item>& item, int column,
                            int row);
    // The driver loads a whole place: books and takes one more unit there.
    bool pickUpFurtherItem(GameObjectType placeMarker, ItemType itemType, int column, int row);
    // Units in hand that cannot go where they were bound (LevelCarriedUnits.cpp).
    // A worker's unit goes to storage, else goods-in; on success the place owns it.
    bool putDownItem(std::unique_ptr<Item>& item);
    bool canPutDown(ItemType type) const;
    // A driver's units: bought ones back into the truck's order, sold ones back
    // to goods-out or storage to be shipped again.
    void returnDriverUnits(ItemType type, unsigned amount, bool sold);
    // Units loaded beyond what was sold: back to storage or goods-in.
    void returnUnsoldUnits(ItemType type, unsigned amount);
    // A finished task: what a usage task held at the employee's cell goes.
    void cancelTask(const Task& task, int column, int row);
    // Undoes the bookings of a chain an employee gives up.
    void cancelTasks(const std::list<Task>& tasks);

    // --- Work dispatch (LevelDispatch.cpp, LevelDispatchTargets.cpp) ------
    // The need to serve now: the first with the strictly highest urgency
    // among the unlocked ones; 0 when none is urgent at all.
    static NeedType mostUrgentNeed(const std::map<NeedType, Need>& needs);
    // Fills the four lists of the request with the places that serve the
    // need; for the work need in the order of the priorities. Empty lists
    // when nothing serves it.
    // firstPass skips the priority entries before it (a first kind of work
    // whose every job failed gives way to the next).
    void findTargets(NeedType need, const std::vector<TaskType>& priorities, int employeeKind,
                     PathFindingItem& request, std::size_t firstPass = 0);
    // Which task kinds a work priority entry lets an employee do.
    static bool priorityAdmits(TaskType entry, TaskType kind);
    // The first ordered item the driver can unload into goods-in; ItemNone
    // when no goods-in place can take any, or the way there is known cut.
    ItemType nextDeliveryToUnload() const;
    // Candidate places for one task kind (see the .cpp for the rules).
    struct Candidate {
        Vec2i cell;
        GameObject* object = nullptr;
        GameObjectType marker = ObjectNone;
        ItemType item = ItemNone;
    };
    std::vector<Candidate> findCandidates(TaskType kind);
    // Where a carried item may go: storage cells, and producers missing it.
    void findDropOffTargets(ItemType itemType, bool objectsOnly, bool storageOnly,
                            PathFindingItem& request);
    void findDriverTargets(PathFindingItem& request);
    // The cells from which the object of that type on the cell is used.
    std::vector<Vec2i> usagePositions(GameObjectType objectType, int column, int row) const;
    // The chain assembled for the front request (between the two legs of a
    // carrying job: walk tasks and the pick-up).
    const std::vector<Task>& getCurrentEmployeeTasks() const { return currentEmployeeTasks; }

    // --- Trade and trucks (LevelTrade.cpp) --------------------------------
    // Charges count * price and orders the units by truck; false (nothing
    // booked) when the balance or the market's supply does not cover it.
    bool buyItems(float price, ItemType itemType, unsigned count);
    // Sells units held unsold in storage; they are credited when loaded.
    // False (nothing booked) beyond the market's demand or the units held.
    bool sellItems(ItemType itemType, unsigned count, float price);
    // Takes the truck onto the street unless one is at the site already.
    bool truckArrives(Truck* truck);
    // The truck is leaving for good: the level forgets it.
    void truckLeft(const Truck* truck);
    Truck* getActiveTruck() const { return activeTruck; }
    TruckLogistics& getTruckLogistics() { return truckLogistics; }
    const TruckLogistics& getTruckLogistics() const { return truckLogistics; }

    // --- Statistics (LevelStatistics.cpp) ---------------------------------
    // Booked where money and units move; the simulation never reads them.
    FactoryStatistics& getStatistics() { return statistics; }
    const FactoryStatistics& getStatistics() const { return statistics; }
    // The day bookings go to now: FactoryStatistics::DayIndex of the clock.
    int statisticsDay() const;
    // Update step: books the frame's minutes to every bench's state.
    void sampleBenchStatistics(float minutes);

    // What the HUD announces (a truck arrived, units delivered, a sale
    // paid); filled here, drained by the shell, read by nothing else.
    LevelEvents& getEvents() { return events; }

    // --- Research (LevelResearch.cpp) -------------------------------------
    ResearchState& getResearch() { return research; }
    const ResearchState& getResearch() const { return research; }
    const ResearchEffects& getResearchEffects() const { return research.getEffects(); }
    // What a researcher gathered at a desk goes to the active project.
    void addResearchPoints(float points) { research.addPoints(points); }
    // A desk in an office, where research is done.
    bool isResearchDesk(const GameObject& object) const;
    // A research desk stands in an enclosed office.
    bool hasResearchDesk() const;
    // The office rooms in which no desk stands.
    std::vector<const MetaZone*> officesWithoutDesk() const;
    // Why the office gathers no points, for the player; empty when it does.
    std::string researchHindrance() const;
    // The same for the office room on the cell; empty elsewhere.
    std::string researchNoteAt(int column, int row) const;
    // The prices the player trades at: the market's, changed by research.
    StockMarket::PriceTable buyPrices() const;
    StockMarket::PriceTable sellPrices() const;

    // --- View (LevelDraw.cpp) ---------------------------------------------
    float getZoom() const { return zoom; }
    void setZoom(float value) { zoom = value; }
    void setViewSize(int viewWidthPixels, int viewHeightPixels);
    // The cells under the given view plus a margin; every cell without a view.
    CellRange getVisibleCellRange(const sf::View* view) const;
    // Objects, surface objects (and employees) in the order they are drawn.
    void forEachInDrawOrder(const std::function<void(const sf::Drawable&)>& visit) const;
    // Tells the drawing that a cell's sprite or its visibility changed, so
    // the batched ground and zones are gathered again.
    void cellsChanged() { ++cellRevision; }
    // A tile, zone or object changed: ways may open or close, so carrying
    // jobs given up as unreachable are tried again.
    void mapChanged() { unreachableTargets.forgetAll(); }
    // Whether such a carrying job was given up lately for want of a way.
    bool isKnownUnreachable(const Vec2i& cell, ItemType item, UnreachableTargets::Leg leg) const {
        return isRememberedUnreachable(cell, item, leg);
    }
    // Whether an employee may step onto the cell now.
    bool isPassable(int column, int row) const { return pathFinder.getWeight(column, row) > 0.f; }

    // --- Building (LevelBuilding.cpp) -------------------------------------
    // x and y are the cursor's pixel position, which lies on a cell centre.
    bool build(ToolCategory category, GuiElemType toolId, float rotation, float x, float y);
    bool demolishObjectWithTool(ToolCategory category, GuiElemType toolId, float x, float y);
    bool buyTile(TileType type, float x, float y);
    bool buyZone(ZoneType type, float x, float y);
    bool buyObject(float rotation, GameObjectType type, float x, float y);
    bool sellZone(float x, float y);
    bool sellObject(float x, float y);
    bool tryBuildTile(TileType type, float x, float y);
    bool tryBuildZone(ZoneType type, float x, float y);
    ZoneType removeZoneAt(float x, float y);
    bool tryBuildObject(float rotation, GameObjectType type, float x, float y);
    // Also reports the type of the object that stood on the removed one.
    GameObjectType removeObjectAt(float x, float y, GameObjectType& surfaceType);
    // Why the last refused action was refused, where the player needs to be
    // told; kept until cleared, so that a caller clears it before it acts.
    BuildRefusal getRefusal() const { return refusal; }
    void clearRefusal() { refusal = BuildRefusal::None; }

    // --- Build rules asked in advance (LevelBuildRules.cpp) ---------------
    // Why the tool would be refused on the cell, asked without building (the
    // cursor's preview); None when it would build. The cell's rules only:
    // buildRefusal asks the account as well.
    BuildRefusal cellRefusal(ToolCategory category, GuiElemType toolId, int column, int row) const;
    BuildRefusal buildRefusal(ToolCategory category, GuiElemType toolId, int column, int row) const;
    static float buildPrice(ToolCategory category, GuiElemType toolId);
    // What the cells of the rectangle that the tool would change cost together.
    double areaCost(ToolCategory category, GuiElemType toolId, sf::Vector2i first,
                    sf::Vector2i last) const;
    struct AreaBuild {
        double cost = 0.0;
        // What the balance lacks when the area was refused whole.
        double missing = 0.0;
    };
    // Builds every cell of the rectangle, row by row, as the tool builds one.
    // An area the account cannot pay is refused whole (AreaTooExpensive):
    // nothing is laid. Each cell that was tried reports whether it was built.
    AreaBuild buildArea(ToolCategory category, GuiElemType toolId, sf::Vector2i first,
                        sf::Vector2i last, const std::function<void(bool)>& eachCell = nullptr);
    // The cells an object of the type would be used from once placed there.
    std::vector<Vec2i> plannedUsagePositions(GameObjectType type, int column, int row,
                                             float rotation) const;
    // The object of the type on the cell has use cells and none can be stood on.
    bool isObjectUnusable(GameObjectType type, int column, int row) const;

    // --- Map writers (LevelObjects.cpp) -----------------------------------
    bool setTile(TileType type, int column, int row);
    bool placeObject(GameObjectType type, int column, int row, float rotation);
    bool placeSurfaceObject(GameObjectType type, int column, int row, float rotation);
    bool removeObject(int column, int row);
    bool removeSurfaceObject(int column, int row);
    void updatePathWeight(int column, int row);

    // --- Zones and meta-zones (LevelZones.cpp) ----------------------------
    // Refused (false, nothing changed) when the object on the cell may not
    // stand in the new zone, or when the goods the cell holds cannot all be
    // moved to other cells first (LevelZoneGoods.cpp).
    bool setZone(ZoneType type, int column, int row);
    // Update step 1: refreshes flagged meta-zones and splits disconnected ones.
    void updateMetaZones();

    // --- Storage bookkeeping (LevelStorage.cpp) ---------------------------
    void addStoreable(ItemType type, unsigned n);
    void removeStoreable(ItemType type, unsigned n);
    unsigned freeStorageFor(ItemType type) const;
    void addStored(ItemType type, unsigned n);
    void removeStored(ItemType type, unsigned n);
    unsigned availableStored(ItemType type) const;
    std::map<ItemType, unsigned> sellableItems() const;
    void shippingPrepared(ItemType type);
    void shippingUnprepared(ItemType type);
    void readyForShippingAdded(ItemType type);
    void readyForShippingTaken(ItemType type);
    bool storeItem(std::unique_ptr<Item> item);

    // --- Objects needing transport (LevelTransport.cpp) -------------------
    // The objects whose ingredients are to be brought or output fetched.
    void addToTransportList(GameObject* object);
    void removeFromTransportList(GameObject* object);
    const std::vector<GameObject*>& getGameObjectsNeedingTransport() const {
        return gameObjectsNeedingTransport;
    }

    // --- Path-finding queue (LevelPathFinding.cpp) ------------------------
    // Update step: spends node expansions in proportion to the frame's game
    // minutes, PathFindingBudgetPerFrame for a frame of normal length.
    void processPathFindingQueue(float gameMinutes = PathFindingNormalFrameMinutes);
    void queuePathFinding(PathFindingItem item);
    const std::deque<PathFindingItem>& getPathFindingQueue() const { return pathFindingQueue; }
    // Releasing an employee or object drops what the queue holds of it.
    void dropPathRequestsOf(const Employee* employee);
    void forgetObjectInPathRequests(const GameObject* object);

private:
    static constexpr int NewGameWidth = 80;
    static constexpr int NewGameHeight = 60;

    // Construction (Level.cpp).
    void buildNewMap();
    void layStreet();
    void resetBorderShapes();
    void centreWorldView();
    void setUpPathFinder();
    void refreshTile(int column, int row);
    void refreshZone(int column, int row);
    // The ground, zone quads and storage contents of the visible cells.
    void drawCells(sf::RenderTarget& target, sf::RenderStates states, const CellRange& range) const;
    void sortObjects();
    // Floor and surface objects only.
    void sortGameObjects();
    // Update step 7 and the employees' part of step 9 (LevelEmployees.cpp).
    void updateEmployees(float dt);
    void sortEmployees();
    std::string employeeInfoAt(float x, float y) const;

    // Save file (LevelSaveFile*.cpp).
    GameTime* writableClock() const;
    bool readMaps(std::istream& in);
    bool readObjects(std::istream& in);
    bool readDispatchState(std::istream& in);
    bool readEconomy(std::istream& in);
    // The optional records after the truck logistics, each known by its
    // header word, in any order, until the end of the file.
    bool readTrailingRecords(std::istream& in);
    bool restoreSurfacePartners();
    bool objectsAreOnMap() const;
    bool pathRequestsAreSound() const;
    void rebuildAfterLoad();
    // The free places follow from the storage cells; a loaded game counts
    // them again rather than trust the file (LevelStorage.cpp).
    void recountStoreable();
    bool restoreDoors();

    // Path finding (LevelPathFinding.cpp).
    bool pathSearchGoal(const PathFindingItem& item, Vec2i& goal) const;
    // Takes over the front request's finished search (the work dispatch).
    void handlePathFound(PathFindingItem& item, const std::vector<Vec2i>& path);

    // Work dispatch helpers (LevelDispatch.cpp, LevelDispatchChain.cpp).
    // Each returns true when it re-targeted the front request for a second leg.
    bool planPickUpLeg(PathFindingItem& item, const std::vector<Vec2i>& path,
                       const Candidate& target);
    bool bookCarryingChain(const PathFindingItem& item, const std::vector<Vec2i>& path,
                           const Candidate& target);
    // Failed searches and units in hand (LevelDispatchRecovery.cpp).
    void searchFailed(PathFindingItem& item);
    bool retryWithNextPriority(PathFindingItem& item);
    void rememberFailedLeg(const PathFindingItem& item);
    bool isRememberedUnreachable(const Vec2i& cell, ItemType item,
                                 UnreachableTargets::Leg leg) const;
    bool requestPlaceForCarriedUnit(Employee* employee, bool& noWork);
    void appendWalkTasks(const std::vector<Vec2i>& path, NeedType need);
    void appendActionTask(TaskType type, NeedType need, GameObjectType marker, ItemType item,
                          const Vec2i& cell, int objectColumn, int objectRow);
    void handOverChain(PathFindingItem& item, const Vec2i& target, bool lockIfEmpty);
    void lockNeed(Employee* employee, NeedType need, UnservedReason reason);
    bool isEnclosedRoomAt(int column, int row) const;
    const MetaZone* roomOf(const GameObject& object) const;
    // Every cell of the kind that can take one more unit of the type, as a
    // drop-off; only cells in enclosed rooms when enclosedOnly.
    void addCellsThatCanTake(ZoneType kind, ItemType type, bool enclosedOnly,
                             PathFindingItem& request) const;
    // Stored minus promised units of the type on the cell's zone.
    unsigned takeableAt(int column, int row, ItemType type) const;

    // Zone changes (LevelZoneGoods.cpp). Each refusal records its reason.
    bool refuse(BuildRefusal reason);
    bool objectsAllowZone(ZoneType type, int column, int row);
    // Moves what the cell holds to other cells before its zone changes.
    bool moveGoodsOff(int column, int row);
    // Places one item in the first cell of the kind, row by row, that takes
    // it, skipping the cell given; on failure the caller keeps the item.
    bool storeItemIn(ZoneType kind, std::unique_ptr<Item>& item, int skipIndex);
    // Units of the type the cells of the kind can still take, but that one.
    unsigned roomIn(ZoneType kind, ItemType type, int skipIndex) const;

    // Map writers (LevelObjects.cpp).
    void notifyMetaZonesAround(int column, int row);
    GameObject* findLastFloorObjectAt(int column, int row) const;
    void forgetObject(const GameObject* object);

    int cellIndex(int column, int row) const { return column + row * width; }
    // The cell under a pixel position; valid only when isInMap says so.
    sf::Vector2i cellAt(float x, float y) const;

    sf::Texture* texture;
    LevelShell* shell;
    // Not saved: the clock of a caller that has no shell.
    GameTime* attachedClock = nullptr;
    PathGrid pathFinder; // not saved: weights recomputed from the maps
    StockMarket stockMarket;
    BankAccount bankAccount{20000.0};
    ApplicantPool applicantPool; // not saved: a loaded game gets new applicants
    // Set by a load: the new applicants come at the next update, paused or
    // not, so that saving right after a load writes the file that was read.
    bool applicantsAfterLoad = false;
    TruckLogistics truckLogistics{this};
    // Not saved: the truck logistics' current truck once it is on its way.
    Truck* activeTruck = nullptr;
    LevelEvents events;  // not saved
    int tileSizeX = 128; // not saved: the active tile size
    int tileSizeY = 128; // not saved: the active tile size
    int width = NewGameWidth;
    int height = NewGameHeight;
    int cellCount = NewGameWidth * NewGameHeight; // not saved: width * height
    float zoom = 1.f;
    std::vector<bool> blockedMap;
    std::vector<TileType> tileMap;
    std::vector<ZoneType> zoneMap;
    std::vector<MetaZone*> metaZoneMap;
    std::vector<GameObjectType> gameObjectMap;
    std::vector<GameObjectType> gameObjectSurfacesMap;
    int sidewalkRows = 1;                         // layout constant of the street, not saved
    int streetLanes = 2;                          // layout constant of the street, not saved
    int viewWidth = 1280;                         // not saved: set by the game
    int viewHeight = 720;                         // not saved: set by the game
    std::vector<sf::RectangleShape> borderShapes; // not saved: rebuilt from the size
    std::unique_ptr<Tile[]> tileContainer;        // not saved: rebuilt from tileMap
    std::unique_ptr<Zone[]> zoneContainer;
    unsigned cellRevision = 0;   // not saved: counts changes of cell sprites
    mutable CellBatch cellBatch; // not saved: gathered while drawing
    std::vector<std::unique_ptr<MetaZone>> metaZoneContainer;
    std::vector<std::unique_ptr<GameObject>> gameObjectContainer;
    std::vector<std::unique_ptr<GameObject>> gameObjectSurfacesContainer;
    std::vector<GameObjectDoor*> gameObjectDoorContainer; // not saved: the doors among the objects
    std::vector<std::unique_ptr<Employee>> employees;
    std::vector<sf::Vector2i> employeesMapEntryPoints;
    std::deque<PathFindingItem> pathFindingQueue;
    // The chain assembled for the queue's front request; empty between
    // requests.
    std::vector<Task> currentEmployeeTasks;
    // Not saved: carrying jobs whose drop-off could not be reached, and the
    // game minutes this level has run, by which they run out.
    UnreachableTargets unreachableTargets;
    float dispatchMinutes = 0.f;
    std::vector<GameObject*> gameObjectsNeedingTransport;
    std::vector<GameObject*> gameObjectsNeedingSupply;
    // Free places in storage (zone 4) cells only: goods-in and goods-out
    // cells are no store for anything that is carried.
    std::map<ItemType, unsigned> storeableItemAmounts;
    std::map<ItemType, unsigned> storedItems;
    std::map<ItemType, unsigned> itemsNeedingShippingPreparation;
    std::map<ItemType, unsigned> itemsReadyForShipping;
    BuildRefusal refusal = BuildRefusal::None; // not saved
    // Saved last in the file; a file without it loads with empty statistics.
    FactoryStatistics statistics;
    ResearchState research;
};
