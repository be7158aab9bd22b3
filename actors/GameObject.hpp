#pragma once

#include "actors/Item.hpp"
#include "actors/Recipe.hpp"
#include "params/Enums.hpp"
#include "params/Vec2i.hpp"
#include "world/TileRenderer.hpp"

#include <SFML/Graphics/RectangleShape.hpp>

#include <cstddef>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Level;

// A piece of furniture or a machine standing on one cell. Its id is stored in
// save files and by the employees who use it. Its definitions are split by
// concern: GameObject.cpp (placement, usage cells, registry),
// GameObjectProduction.cpp (recipes, production, bookings),
// GameObjectDraw.cpp (icon, progress bar, info text) and
// GameObjectRecord.cpp (the save record).
class GameObject : public TileRenderer {
public:
    using ItemMap = std::map<ItemType, std::vector<std::unique_ptr<Item>>>;
    using CountMap = std::map<ItemType, std::size_t>;

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
    // One or a few lines on what the object is doing or waiting for; empty
    // for an object nobody uses (GameObjectStatus.cpp).
    std::string getStatusText() const;
    // Some cell it is used from can be stood on; true without a level.
    bool hasUsableCell() const;
    void setPartner(GameObject* partnerObject) { partner = partnerObject; }
    // A loaded surface object gets its partner back, and with it the facing
    // its users take from the partner.
    void restorePartner(GameObject* partnerObject);

    // --- Usage flag: raised while an employee is on the way or using it ----
    void raiseUsageFlag() { usageFlag = true; }
    void clearUsageFlag() { usageFlag = false; }
    bool hasUsageFlag() const { return usageFlag; }
    // The usage task, or transport while output waits or supply is missing.
    bool canBeUsedFor(TaskType task) const;

    // --- Production (GameObjectProduction.cpp) ----------------------------
    // -1 is refused. A run in progress is abandoned and its ingredients go
    // back to the input.
    bool setRecipe(ItemType number);
    const Recipe& getCurrentRecipe() const { return currentRecipe; }
    const std::vector<ItemType>& getAvailableRecipes() const { return availableRecipes; }
    bool isProductionActive() const { return productionActive; }
    float getCurrentProductionDuration() const { return currentProductionDuration; }
    // The game minutes of work a run of the current recipe takes: the
    // recipe's duration, shortened by finished research.
    float productionDuration() const;
    // Spends up to dt game minutes of work and hands back in dt what it did
    // not use; finished tells that a product was made. False when there is
    // nothing to work on.
    bool work(float& dt, bool& finished);

    bool needsIngredient(ItemType type) const;
    bool needsSupply() const;
    // Ingredient bookings: amount is counted down by what was booked.
    bool announceDelivery(ItemType type, unsigned& amount);
    bool cancelDelivery(ItemType type);
    // Takes the item only if it was announced and is still needed; on
    // failure the caller keeps it.
    bool deliverIngredient(std::unique_ptr<Item>&& item);

    // Output bookings: a collector books an item, then takes it.
    bool hasOutputToCollect(ItemType type) const;
    bool setItemInRetrieval(ItemType type, unsigned& amount);
    bool cancelPickUp(ItemType type);
    // Null unless an item of the type was booked and is there.
    std::unique_ptr<Item> takeOutput(ItemType type, unsigned& amount);

    const ItemMap& getIngredientInput() const { return ingredientInput; }
    const ItemMap& getIngredientsInUse() const { return ingredientsInUse; }
    const ItemMap& getProducedItemOutput() const { return producedItemOutput; }
    const CountMap& getAmountInDelivery() const { return amountInDelivery; }
    const CountMap& getItemsInRetrieval() const { return itemsInRetrieval; }

    // --- Drawing (GameObjectDraw.cpp) -------------------------------------
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    const sf::VertexArray& getProductIcon() const { return productIcon; }
    const sf::RectangleShape& getProgressBar() const { return progressBar; }

    // --- Save record (GameObjectRecord.cpp) -------------------------------
    bool save(std::ostream& out) const;
    // With refuseDoors set, a door's record is handed back: the stream is
    // put back to the record's start and the load fails without a message,
    // so that the caller can read it again into a door.
    bool load(std::istream& in, sf::Texture* atlas, Level* owner, bool refuseDoors);

    static GameObject* GetById(int id);
    // Forgets every registered object and restarts the ids at 0; for a level
    // that has just destroyed all of its objects.
    static void ResetIds();
    static int GetMaxId() { return maxId; }
    // Raises the counter above every registered id, so that no new one is
    // given twice after a file whose records carried an out-of-step counter.
    static void KeepIdsAboveRegistered();

private:
    void computeUsage(int column, int row, float rotation);
    // Each ingredient's present plus announced count reaches what it needs.
    bool allIngredientsCovered() const;
    std::size_t presentCount(ItemType type) const;
    std::size_t announcedCount(ItemType type) const;
    bool startProduction();
    // After a change of recipe: ingredients it does not use become output.
    void setAsideUnusedIngredients();
    void finishProduction();
    void addToTransportList();
    void removeFromTransportList();
    void rebuildProductIcon();
    void rebuildProgressBar();
    void registerId();
    void unregisterId();

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
    bool usageFlag = false;
    std::vector<ItemType> availableRecipes; // not saved: follows from objType
    bool productionActive = false;
    float currentProductionDuration = 0.f;
    CountMap amountInDelivery;
    CountMap itemsInRetrieval;
    Recipe currentRecipe;
    ItemMap ingredientInput;
    ItemMap ingredientsInUse;
    ItemMap producedItemOutput;
    sf::VertexArray productIcon{sf::Quads}; // not saved: rebuilt from currentRecipe
    sf::RectangleShape progressBar;         // not saved: rebuilt from the production state
};
