#pragma once

#include "actors/Item.hpp"
#include "actors/Need.hpp"
#include "actors/Task.hpp"
#include "params/Enums.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <istream>
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class GameObject;
class Level;

// A worker on the factory floor (or the truck's driver). It works off the
// task list the level's dispatch hands it, one task per frame or more, and
// asks for work when the list runs empty. Definitions by concern:
// Employee.cpp (construction, looks, info), EmployeeNeeds.cpp (needs, mood,
// using objects), EmployeeTasks.cpp (task loop, idling, carrying, work),
// EmployeeWalk.cpp (one step between cells), EmployeeRecord.cpp (save, load).
class Employee : public sf::Drawable, public sf::Transformable {
public:
    // Stored in save files.
    enum Kind : int { KindWorker = 0, KindTruckDriver = 1 };

    // A random applicant, not yet on any level.
    Employee();
    // A random employee that the save codec then loads; it keeps the level.
    explicit Employee(Level* owner);
    Employee(Level* owner, int kind, int column, int row);
    ~Employee() override;
    // The registry holds the address.
    Employee(const Employee&) = delete;
    Employee& operator=(const Employee&) = delete;

    static Employee* GetById(int id);
    // Forgets every registered employee and restarts the ids at 0; for a
    // level that has just destroyed all of its employees.
    static void ResetIds();
    static int GetMaxId() { return maxId; }
    // Raises the counter above every registered id, so that no new one is
    // given twice after a file whose records carried an out-of-step counter.
    static void KeepIdsAboveRegistered();

    // Puts a hired applicant on a cell of the level.
    void attachToLevel(Level* owner, int column, int row);
    // Gives back what the employee holds before it is removed from the level:
    // the bookings of its remaining tasks, its tile, the object it uses and
    // the carried goods (to storage, or destroyed when there is no room).
    void leaveLevel();
    // Gives up the whole task list, as when the way ahead is cut: the bookings
    // of the tasks left are undone; a driver's units go back where they came
    // from, a worker's to storage, or stay in hand for the dispatch to place.
    void giveUpChain();
    // Drops every reference to an object that is being removed from the level.
    void forgetObject(const GameObject* object);

    // The three calls the level makes every frame, in this order.
    void updateNeeds(float dt);
    void requestWorkIfIdle(float dt);
    void handleCurrentTask(float dt);
    void receiveTasks(std::vector<Task> newTasks);

    int getId() const { return id; }
    int getKind() const { return kind; }
    bool getGender() const { return gender; }
    const std::string& getFirstName() const { return firstName; }
    const std::string& getLastName() const { return lastName; }
    std::string getFullName() const { return firstName + " " + lastName; }
    float getSalary() const { return salary; }
    std::string getSalaryText() const;
    const std::array<sf::Color, 4>& getColours() const { return colours; }
    const std::vector<TaskType>& getTaskPriorities() const { return taskPriorities; }
    void setTaskPriorities(std::vector<TaskType> priorities) {
        taskPriorities = std::move(priorities);
    }
    const std::map<NeedType, Need>& getNeeds() const { return needs; }
    std::map<NeedType, Need>& getNeeds() { return needs; }
    const std::map<SkillType, float>& getSkills() const { return skills; }
    float getMood() const { return mood; }
    sf::Vector2i getMapPosition() const { return mapPos; }
    const std::list<Task>& getTasks() const { return tasks; }
    bool occupiesTile() const { return occupyingTile; }
    bool isWaitingForDoor() const { return waitingForDoor; }
    bool isCarrying() const { return carrying; }
    const Item* getCarriedItem() const { return carriedItem.get(); }
    unsigned getCarriedAmount() const { return carriedAmount; }
    GameObject* getLastObjectUsed() const { return lastObjectUsed; }
    GameObject* getCurrentObjectUsed() const { return currentObjectUsed; }
    sf::Vector2i getMapPosLastObjectUsed() const { return mapPosLastObjectUsed; }
    const sf::VertexArray& getQuads() const { return employeeQuads; }
    Level* getLevel() const { return level; }

    // Normalised into [0, 360); a new sprite direction rebuilds the quads.
    void setFacing(float degrees);
    float getFacing() const { return facing; }
    // 1 up, 2 right, 3 down, 4 left; 0 for an angle outside [0, 360).
    static int SpriteDirectionOf(float degrees);
    int getSpriteDirection() const { return spriteDirection; }

    std::string getInfo() const;

    // Why the dispatch could not serve a need, as it decided it; shown in
    // the tooltip until a chain for that need is handed over.
    void noteUnservedNeed(NeedType need, UnservedReason reason) { unservedNeeds[need] = reason; }
    const std::map<NeedType, UnservedReason>& getUnservedNeeds() const { return unservedNeeds; }
    // What the employee does now, in a few German words, and one line per
    // need it waits for and why (EmployeeActivity.cpp).
    std::string getActivityText() const;
    std::string getWaitingText() const;
    bool waitsForWork() const;

    bool save(std::ostream& out) const;
    // On a default-constructed employee; the level is the one it was made with.
    bool load(std::istream& in);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    // A running use of an object: timer -1 while not in use.
    struct Timer {
        float time = -1.f;
        float duration = 0.f;
        bool running() const { return time >= 0.f; }
    };

    void drawLooks();
    void rebuildQuads();
    void placeOnCell(int column, int row);
    void computeSalary();
    void createNeeds();
    float tileSize() const { return static_cast<float>(tileSizePixels); }
    float moodFactor() const { return 0.5f + 0.5f * mood / 100.f; }
    float skill(SkillType type) const;

    // Task handlers: each may spend part of dt and says whether the task is done.
    bool handleTaskIdle(float& dt);
    bool handleTaskWalk(float& dt, const Task& task);
    bool handleTaskUse(float& dt, const Task& task, NeedType need, Timer& timer);
    bool handleTaskWork(float& dt, const Task& task);
    // At an office desk (EmployeeResearch.cpp).
    bool handleTaskResearch(float& dt, const Task& task);
    bool handleTaskPickUp(const Task& task);
    bool handleTaskDeliver(const Task& task);
    bool startUsing(const Task& task, NeedType need, Timer& timer);
    void stopUsing(const Task& task, Timer& timer);
    // The end of a session at a bench or desk: the tile is let go as well.
    void leaveWorkplace(const Task& task);
    void lowerNeed(NeedType need, float& dt);
    void faceObject(const GameObject& object);
    // Hands the whole list to the level to undo its bookings and keeps only
    // the front task, which the loop then finishes.
    void abandonTasks();

    static int maxId;
    static std::map<int, Employee*> registry;

    sf::VertexArray employeeQuads{sf::Quads};
    const sf::Texture* texture = nullptr; // not saved: the atlas of the tile size
    int id;
    int kind = KindWorker;
    float facing = 0.f;
    int spriteDirection = 0; // not saved: follows from facing
    bool gender = false;
    std::string firstName;
    std::string lastName;
    // Skin, hair, upper body, lower body.
    std::array<sf::Color, 4> colours;
    float salary = 0.f;
    float baseSalary = 100.f;
    std::array<float, 3> skillWeights{1.f, 1.f, 1.f};
    std::vector<TaskType> taskPriorities;
    sf::Vector2i mapPos{0, 0};
    sf::Vector2f stepProgress{0.f, 0.f}; // not saved: a loaded step starts anew
    bool occupyingTile = false;
    bool waitingForDoor = false;
    Level* level = nullptr;
    std::list<Task> tasks;
    float walkSpeed = 1.5f;   // not saved
    int tileSizePixels = 128; // not saved: the active tile size
    float skillMinimum = 0.f; // not saved
    float skillRange = 100.f; // not saved
    std::map<SkillType, float> skills;
    float mood = 100.f; // not saved: derived from the needs
    std::map<NeedType, Need> needs;
    Timer coffeeTimer{-1.f, 10.f};
    Timer eatingTimer{-1.f, 15.f};
    Timer toiletTimer{-1.f, 15.f};
    Timer workingTimer{-1.f, 5.f};
    Timer idlingTimer{-1.f, 2.5f};
    bool carrying = false;
    std::unique_ptr<Item> carriedItem;
    unsigned carriedAmount = 0;
    GameObject* lastObjectUsed = nullptr;
    GameObject* currentObjectUsed = nullptr;
    sf::Vector2i mapPosLastObjectUsed{-1, -1};
    std::map<NeedType, UnservedReason> unservedNeeds; // not saved: the tooltip's memory
};
