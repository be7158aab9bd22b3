#pragma once

#include "params/Enums.hpp"
#include "params/Vec2i.hpp"
#include "world/TileRenderer.hpp"

#include <map>
#include <string>
#include <vector>

class Level;

// A piece of furniture or a machine standing on one cell. Its id is stored in
// save files and by the employees who use it.
class GameObject : public TileRenderer {
public:
    // Which way a user turns while using the object.
    enum Facing : int {
        FacingNone = 0,
        FacingUp = 1,
        FacingRight = 2,
        FacingDown = 3,
        FacingLeft = 4,
        FacingObject = 5,
    };

    GameObject();
    ~GameObject() override;
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    // rotation in degrees; the partner is the object this one stands on.
    void init(sf::Texture* atlas, Level* owner, GameObject* partnerObject, GameObjectType type,
              int column, int row, float rotation);

    int getId() const { return id; }
    GameObjectType getObjType() const { return objType; }
    GameObject* getPartner() const { return partner; }
    bool isSurface() const { return surface; }
    bool needsSurface() const { return needsSurfaceToStand; }
    bool isProducer() const { return producer; }
    int getUsagePositionRule() const { return usagePositionRule; }
    int getUsageFacingRule() const { return usageFacingRule; }
    TaskType getUsageTaskType() const { return usageTaskType; }
    const std::vector<Vec2i>& getUsagePos() const { return usagePos; }
    int getUserFacing() const { return userFacing; }
    std::string getInfo() const;

    static GameObject* GetById(int id);
    // Forgets every registered object and restarts the ids at 0; for a level
    // that has just destroyed all of its objects.
    static void ResetIds();
    static int GetMaxId() { return maxId; }

private:
    void computeUsage(int column, int row, float rotation);

    static int maxId;
    static std::map<int, GameObject*> registry;

    bool producer = false;
    int id;
    Level* level = nullptr;
    GameObject* partner = nullptr; // not saved: the level sets it again
    GameObjectType objType = ObjectNone;
    bool surface = false;
    bool needsSurfaceToStand = false;
    int usagePositionRule = 0;
    int usageFacingRule = 0;
    TaskType usageTaskType = TaskNone;
    std::vector<Vec2i> usagePos;
    int userFacing = FacingNone;
};
