#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "actors/RecipeTable.hpp"
#include "persist/Codecs.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include "../world/LevelTestSupport.hpp"

#include <memory>
#include <string>
#include <vector>

namespace {

class GameObjectRecordTest : public LevelTest {
protected:
    std::string saved(const GameObject& object) {
        auto out = ClassicOutput();
        EXPECT_TRUE(object.save(out));
        return out.str();
    }

    // A workbench making a tyre, with something in every map.
    std::unique_ptr<GameObject> busyBench() {
        auto bench = std::make_unique<GameObject>();
        bench->init(nullptr, level.get(), nullptr, ObjectWorkbench, 10, 12, 90.f);
        bench->setRecipe(ItemTyre);
        unsigned amount = 3;
        bench->announceDelivery(ItemAluminium, amount);
        bench->announceDelivery(ItemRubber, amount);
        bench->announceDelivery(ItemRubber, amount);
        bench->deliverIngredient(std::make_unique<Item>(nullptr, ItemAluminium));
        bench->deliverIngredient(std::make_unique<Item>(nullptr, ItemRubber));
        float dt = 0.f;
        bool finished = false;
        bench->work(dt, finished); // a rubber is still on its way: nothing starts
        bench->raiseUsageFlag();
        return bench;
    }

    // Loads text into a fresh object and returns what was printed.
    std::string loadFails(const std::string& text, bool refuseDoors = false) {
        GameObject object;
        auto in = ClassicInput(text);
        CapturedOutput printed;
        EXPECT_FALSE(object.load(in, nullptr, level.get(), refuseDoors)) << text;
        return printed.text();
    }
};

// A minimal valid record with one field replaced by the given text; the
// fields are numbered as they are written.
std::string Record(int field = -1, const std::string& replacement = "") {
    std::vector<std::string> fields = {
        "GAMEOBJECT",
        "0.2",
        "5",                                 // 2: maxId
        "3",                                 // 3: id
        "1",                                 // 4: objType
        "4",                                 // 5: column
        "6",                                 // 6: row
        "128",                               // 7
        "128",                               // 8
        "0",                                 // 9: rotation
        "0",                                 // 10: usage flag
        "Ver 0.1 1 3 6",                     // 11: usagePos
        "RECIPE 0.1 Ver 0.1 0 Ver 0.1 0 -1", // 12: currentRecipe
        "Ver 0.1 0",                         // 13: ingredientInput
        "Ver 0.1 0",                         // 14: ingredientsInUse
        "Ver 0.1 0",                         // 15: producedItemOutput
        "0",                                 // 16: productionActive
        "0",                                 // 17: currentProductionDuration
        "Ver 0.1 0",                         // 18: amountInDelivery
        "Ver 0.1 0",                         // 19: itemsInRetrieval
    };
    if (field >= 0) {
        fields[field] = replacement;
    }
    std::string text;
    for (const std::string& f : fields) {
        text += (text.empty() ? "" : " ") + f;
    }
    return text;
}

} // namespace

TEST_F(GameObjectRecordTest, ABusyWorkbenchRoundTripsWithItsItemsAndBookings) {
    auto original = busyBench();
    ASSERT_EQ(original->getIngredientInput().size(), 2u);
    ASSERT_FALSE(original->getAmountInDelivery().empty());
    const std::string text = saved(*original);
    EXPECT_EQ(text.rfind("GAMEOBJECT 0.2 ", 0), 0u) << text;

    const int id = original->getId();
    const std::uint32_t itemId = original->getIngredientInput().at(ItemAluminium)[0]->getId();
    original.reset();
    GameObject loaded;
    auto in = ClassicInput(text);
    ASSERT_TRUE(loaded.load(in, nullptr, level.get(), true));
    EXPECT_EQ(loaded.getId(), id);
    EXPECT_EQ(GameObject::GetById(id), &loaded);
    EXPECT_EQ(loaded.getObjType(), ObjectWorkbench);
    EXPECT_EQ(loaded.getMapPos(), sf::Vector2i(10, 12));
    EXPECT_FLOAT_EQ(loaded.getRotation(), 90.f);
    EXPECT_TRUE(loaded.hasUsageFlag());
    EXPECT_EQ(loaded.getCurrentRecipe().resultingItems.count(ItemTyre), 1u);
    EXPECT_EQ(loaded.getAvailableRecipes().size(), 22u);
    EXPECT_EQ(loaded.getProductIcon().getVertexCount(), 8u);
    EXPECT_EQ(Item::GetById(itemId), loaded.getIngredientInput().at(ItemAluminium)[0].get());
    EXPECT_EQ(saved(loaded), text);
}

TEST_F(GameObjectRecordTest, AFinishedProductAndItsBookingSurviveALoad) {
    GameObject bench;
    bench.init(nullptr, level.get(), nullptr, ObjectWorkbench, 3, 3, 0.f);
    bench.setRecipe(ItemSteel);
    float dt = 45.f;
    bool finished = false;
    bench.work(dt, finished);
    bench.work(dt, finished);
    unsigned one = 1;
    ASSERT_TRUE(bench.setItemInRetrieval(ItemSteel, one));
    const std::string text = saved(bench);
    level->removeFromTransportList(&bench);

    GameObject loaded;
    auto in = ClassicInput(text);
    ASSERT_TRUE(loaded.load(in, nullptr, level.get(), true));
    one = 1;
    auto steel = loaded.takeOutput(ItemSteel, one);
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(steel->getType(), ItemSteel);
}

TEST_F(GameObjectRecordTest, ADoorRecordIsHandedBackAndReadAgainAsADoor) {
    GameObject bench;
    bench.init(nullptr, level.get(), nullptr, ObjectWorkbench, 3, 3, 0.f);
    GameObjectDoor door;
    door.init(nullptr, level.get(), nullptr, ObjectDoor, 5, 3, 90.f);
    door.requestOpening();
    door.update(0.1f);
    std::vector<GameObject*> objects = {&bench, &door};
    auto out = ClassicOutput();
    ASSERT_TRUE(
        GameParams::Save::VectorOfGameObjectPtr(objects, out, GameParams::PtrMode::Records));

    std::vector<std::unique_ptr<GameObject>> loaded;
    auto in = ClassicInput(out.str());
    CapturedOutput printed;
    ASSERT_TRUE(
        GameParams::Load::VectorOfGameObjectPtr<GameObjectDoor>(in, loaded, nullptr, level.get()));
    EXPECT_EQ(printed.text(), "");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(dynamic_cast<GameObjectDoor*>(loaded[0].get()), nullptr);
    auto* loadedDoor = dynamic_cast<GameObjectDoor*>(loaded[1].get());
    ASSERT_NE(loadedDoor, nullptr);
    EXPECT_EQ(loadedDoor->getId(), door.getId());
    // Whatever it was doing, a loaded door stands closed on its cell.
    EXPECT_FALSE(loadedDoor->isOpen() || loadedDoor->isOpening());
    EXPECT_EQ(loadedDoor->getPosition(), sf::Vector2f(5 * 128.f, 3 * 128.f));
}

TEST_F(GameObjectRecordTest, TheRecipeComesFromTheTableNotFromTheFile) {
    GameObject object;
    const std::string greedy = "RECIPE 0.1 Ver 0.1 0 Ver 0.1 1 1000 4000000000 0.001";
    auto in = ClassicInput(Record(12, greedy));
    ASSERT_TRUE(object.load(in, nullptr, level.get(), false));
    EXPECT_EQ(object.getCurrentRecipe().resultingItems.at(ItemSteel), 1u);
    EXPECT_FLOAT_EQ(object.getCurrentRecipe().duration, 30.f);
    EXPECT_EQ(object.getUsagePos(), (std::vector<Vec2i>{Vec2i(3, 6)}));
}

TEST_F(GameObjectRecordTest, EveryLoadFailureHasItsLine) {
    const std::string badItems = "Ver 0.1 1 1000 Ver 0.1 1 ITEM 0.1 1 -1";
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {0, "GAMEOBJEKT", "Header ungueltig!"},
        {1, "0.1", "Version nicht unterstuetzt!"},
        {2, "-1", "maxId ungueltig!"},
        {3, "-1", "id ungueltig!"},
        {3, "5", "id ungueltig!"},
        {4, "-1", "objType ungueltig!"},
        {4, "0", "objType ungueltig!"},
        {5, "80", "mapPos ungueltig!"},
        {11, "Ver 0.1 1 -1 6", "Laden von usagePos fehlgeschlagen!"},
        {11, "Vex 0.1 0", "Laden von usagePos fehlgeschlagen!"},
        {12, "RECIPE 0.2 Ver 0.1 0 Ver 0.1 0 -1", "Laden von currentRecipe fehlgeschlagen!"},
        {12, "RECIPE 0.1 Ver 0.1 0 Ver 0.1 1 77 1 5", "Laden von currentRecipe fehlgeschlagen!"},
        {13, badItems, "Laden von ingredientInput fehlgeschlagen!"},
        {14, badItems, "Laden von ingredientsInUse fehlgeschlagen!"},
        {15, badItems, "Laden von producedItemOutput fehlgeschlagen!"},
        {17, "-0.5", "currentProductionDuration ungueltig!"},
        {18, "Ver 0.2 0", "Laden von amountInDelivery fehlgeschlagen!"},
        {19, "Ver 0.1 1 1000", "Laden von itemsInRetrieval fehlgeschlagen!"},
    };
    for (const auto& [field, replacement, message] : cases) {
        const std::string printed = loadFails(Record(field, replacement));
        EXPECT_NE(printed.find("GameObject::load() - " + message + "\n"), std::string::npos)
            << field << ": " << printed;
        const std::string lastLine = printed.substr(printed.rfind('\n', printed.size() - 2) + 1);
        EXPECT_EQ(lastLine.rfind("GameObject::load() - ", 0), 0u) << printed;
    }
}

TEST_F(GameObjectRecordTest, RecipeRecordsRoundTripAndReportTheirFailures) {
    Recipe body = GameParams::GetRecipe(ItemBody);
    auto out = ClassicOutput();
    ASSERT_TRUE(body.save(out));
    EXPECT_EQ(out.str(), "RECIPE 0.1 Ver 0.1 5 1001 2 10000 4 10001 1 30000 1 30001 1 "
                         "Ver 0.1 1 101000 1 120");
    Recipe loaded;
    auto in = ClassicInput(out.str());
    ASSERT_TRUE(loaded.load(in));
    EXPECT_EQ(loaded.ingredients, body.ingredients);
    EXPECT_EQ(loaded.resultingItems, body.resultingItems);
    EXPECT_FLOAT_EQ(loaded.duration, 120.f);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"RECIPES 0.1 Ver 0.1 0 Ver 0.1 0 1", "Header ungueltig!"},
        {"RECIPE 0.3 Ver 0.1 0 Ver 0.1 0 1", "Version nicht unterstuetzt!"},
        {"RECIPE 0.1 Ver 0.2 0 Ver 0.1 0 1", "Laden von ingredients fehlgeschlagen!"},
        {"RECIPE 0.1 Ver 0.1 0 Vor 0.1 0 1", "Laden von resultingItems fehlgeschlagen!"},
    };
    for (const auto& [text, message] : cases) {
        Recipe recipe = body;
        auto failing = ClassicInput(text);
        CapturedOutput printed;
        EXPECT_FALSE(recipe.load(failing));
        const std::string lines = printed.text();
        EXPECT_EQ(lines.substr(lines.rfind("Recipe::")), "Recipe::load() - " + message + "\n");
        EXPECT_EQ(recipe.ingredients, body.ingredients) << "a failed load changes nothing";
    }
}
