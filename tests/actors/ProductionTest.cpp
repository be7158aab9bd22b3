#include "actors/GameObject.hpp"
#include "actors/RecipeTable.hpp"
#include "params/Graphics.hpp"

#include "../world/LevelTestSupport.hpp"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class ProductionTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        // Made after the level, which restarts the object ids.
        benchOwner = std::make_unique<GameObject>();
        benchOwner->init(nullptr, level.get(), nullptr, ObjectWorkbench, 10, 10, 0.f);
    }

    void TearDown() override { level->removeFromTransportList(&bench()); }

    bool listed(GameObject* object) const {
        const auto& list = level->getGameObjectsNeedingTransport();
        return std::count(list.begin(), list.end(), object) == 1;
    }

    // Announces and delivers n items of a type, as a carrier would.
    void supply(ItemType type, int n) {
        for (int i = 0; i < n; ++i) {
            unsigned one = 1;
            ASSERT_TRUE(bench().announceDelivery(type, one));
            ASSERT_TRUE(bench().deliverIngredient(std::make_unique<Item>(nullptr, type)));
        }
    }

    std::unique_ptr<Item> collect(ItemType type) {
        unsigned one = 1;
        EXPECT_TRUE(bench().setItemInRetrieval(type, one));
        one = 1;
        return bench().takeOutput(type, one);
    }

    GameObject& bench() { return *benchOwner; }

    std::unique_ptr<GameObject> benchOwner;
};

} // namespace

TEST(RecipeTable, EveryRecipeYieldsOneOfItsNumber) {
    const Recipe car = GameParams::GetRecipe(ItemCar);
    EXPECT_EQ(car.resultingItems, (std::map<ItemType, std::size_t>{{ItemCar, 1}}));
    EXPECT_EQ(car.ingredients,
              (std::map<ItemType, std::size_t>{{ItemChassis, 1}, {ItemEngine, 1}}));
    EXPECT_FLOAT_EQ(car.duration, 120.f);
    const Recipe body = GameParams::GetRecipe(ItemBody);
    EXPECT_EQ(body.ingredients.at(ItemSheetMetal), 4u);
    EXPECT_EQ(body.ingredients.size(), 5u);
    EXPECT_TRUE(GameParams::GetRecipe(ItemSteel).ingredients.empty());

    EXPECT_FALSE(GameParams::GetRecipe(ItemNone).isValid());
    const Recipe unknown = GameParams::GetRecipe(static_cast<ItemType>(1006));
    EXPECT_FALSE(unknown.isValid());
    EXPECT_FLOAT_EQ(unknown.duration, 999999.f);

    const std::vector<ItemType> numbers = GameParams::GetRecipeNumbers();
    ASSERT_EQ(numbers.size(), 22u);
    EXPECT_EQ(numbers.front(), ItemNone);
    EXPECT_EQ(numbers.back(), ItemCar);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    for (ItemType number : numbers) {
        EXPECT_EQ(GameParams::GetRecipe(number).isValid(), number != ItemNone) << number;
    }
}

TEST_F(ProductionTest, OnlyTheWorkbenchOffersRecipes) {
    EXPECT_EQ(bench().getAvailableRecipes(), GameParams::GetRecipeNumbers());
    GameObject fridge;
    fridge.init(nullptr, level.get(), nullptr, ObjectFridge, 5, 5, 0.f);
    EXPECT_TRUE(fridge.getAvailableRecipes().empty());
    EXPECT_FALSE(bench().setRecipe(ItemInvalid));
    EXPECT_FALSE(bench().getCurrentRecipe().isValid());
}

TEST_F(ProductionTest, SteelNeedsNoIngredientsAndComesAfterThirtyMinutes) {
    ASSERT_TRUE(bench().setRecipe(ItemSteel));
    EXPECT_FALSE(bench().needsSupply());
    float dt = 10.f;
    bool finished = true;
    // Starting takes no time: the same dt goes on to the run.
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(bench().isProductionActive());
    EXPECT_FLOAT_EQ(dt, 10.f);
    EXPECT_FALSE(finished);
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_FLOAT_EQ(dt, 0.f);
    EXPECT_FLOAT_EQ(bench().getCurrentProductionDuration(), 10.f);
    EXPECT_FALSE(listed(&bench()));

    dt = 20.f;
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(finished);
    EXPECT_FALSE(bench().isProductionActive());
    ASSERT_EQ(bench().getProducedItemOutput().count(ItemSteel), 1u);
    const auto& steel = bench().getProducedItemOutput().at(ItemSteel);
    ASSERT_EQ(steel.size(), 1u);
    EXPECT_EQ(steel[0]->getMapPosition(), sf::Vector2i(10, 10));
    EXPECT_TRUE(listed(&bench()));
    EXPECT_TRUE(bench().canBeUsedFor(TaskTransport));
}

TEST_F(ProductionTest, WorkBeyondTheRunIsHandedBack) {
    ASSERT_TRUE(bench().setRecipe(ItemSteel));
    float dt = 25.f;
    bool finished = false;
    bench().work(dt, finished);
    bench().work(dt, finished);
    dt = 8.f;
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(finished);
    EXPECT_FLOAT_EQ(dt, 3.f);
    EXPECT_FLOAT_EQ(bench().getCurrentProductionDuration(), 30.f);
}

TEST_F(ProductionTest, WaitingOutputBlocksTheNextRunUntilTaken) {
    ASSERT_TRUE(bench().setRecipe(ItemSteel));
    float dt = 30.f;
    bool finished = false;
    bench().work(dt, finished);
    bench().work(dt, finished);
    ASSERT_TRUE(finished);

    dt = 5.f;
    EXPECT_FALSE(bench().work(dt, finished));
    EXPECT_FLOAT_EQ(dt, 5.f);
    EXPECT_FALSE(bench().isProductionActive());
    EXPECT_EQ(bench().getProgressBar().getFillColor(), sf::Color::Green);

    // Nothing goes without a booking, and no more than there is can be booked.
    unsigned one = 1;
    EXPECT_EQ(bench().takeOutput(ItemSteel, one), nullptr);
    EXPECT_TRUE(bench().hasOutputToCollect(ItemSteel));
    ASSERT_TRUE(bench().setItemInRetrieval(ItemSteel, one));
    EXPECT_EQ(one, 0u);
    EXPECT_FALSE(bench().hasOutputToCollect(ItemSteel));
    one = 1;
    EXPECT_FALSE(bench().setItemInRetrieval(ItemSteel, one));
    EXPECT_FALSE(bench().setItemInRetrieval(ItemGlass, one));

    std::unique_ptr<Item> taken = bench().takeOutput(ItemSteel, one);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->getType(), ItemSteel);
    EXPECT_EQ(one, 0u);
    EXPECT_TRUE(bench().getProducedItemOutput().empty());
    EXPECT_TRUE(bench().getItemsInRetrieval().empty());
    EXPECT_FALSE(listed(&bench()));
    EXPECT_EQ(bench().getProgressBar().getFillColor(), sf::Color::Transparent);

    dt = 5.f;
    EXPECT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(bench().isProductionActive());
}

TEST_F(ProductionTest, CancellingAPickUpNeverRunsBelowZero) {
    EXPECT_FALSE(bench().cancelPickUp(ItemSteel));
    EXPECT_TRUE(bench().getItemsInRetrieval().empty());
    ASSERT_TRUE(bench().setRecipe(ItemSteel));
    float dt = 30.f;
    bool finished = false;
    bench().work(dt, finished);
    bench().work(dt, finished);
    unsigned one = 1;
    ASSERT_TRUE(bench().setItemInRetrieval(ItemSteel, one));
    EXPECT_TRUE(bench().cancelPickUp(ItemSteel));
    EXPECT_TRUE(bench().getItemsInRetrieval().empty());
    EXPECT_TRUE(bench().hasOutputToCollect(ItemSteel));
    EXPECT_FALSE(bench().cancelPickUp(ItemSteel));
}

TEST_F(ProductionTest, AnnouncementsStopOnceTheNeedIsCovered) {
    ASSERT_TRUE(bench().setRecipe(ItemTyre)); // 1 aluminium, 2 rubber
    level->addToTransportList(&bench());
    EXPECT_TRUE(bench().needsSupply());
    EXPECT_TRUE(bench().needsIngredient(ItemRubber));
    EXPECT_FALSE(bench().needsIngredient(ItemSteel));

    unsigned amount = 3;
    EXPECT_TRUE(bench().announceDelivery(ItemRubber, amount));
    EXPECT_TRUE(bench().announceDelivery(ItemRubber, amount));
    EXPECT_EQ(amount, 1u);
    EXPECT_FALSE(bench().announceDelivery(ItemRubber, amount)) << "present + announced cover 2";
    EXPECT_EQ(amount, 1u);
    EXPECT_TRUE(listed(&bench())) << "aluminium is still missing";

    unsigned none = 0;
    EXPECT_FALSE(bench().announceDelivery(ItemAluminium, none));
    EXPECT_TRUE(bench().announceDelivery(ItemAluminium, amount));
    EXPECT_FALSE(bench().needsSupply());
    EXPECT_FALSE(listed(&bench()));

    // Called off, the object needs transport again.
    EXPECT_TRUE(bench().cancelDelivery(ItemAluminium));
    EXPECT_TRUE(listed(&bench()));
    EXPECT_TRUE(bench().needsIngredient(ItemAluminium));
    EXPECT_FALSE(bench().cancelDelivery(ItemAluminium));
    EXPECT_EQ(bench().getAmountInDelivery().count(ItemAluminium), 0u);
}

TEST_F(ProductionTest, OnlyAnnouncedIngredientsAreTakenAndARunConsumesThem) {
    ASSERT_TRUE(bench().setRecipe(ItemSheetMetal)); // 1 steel
    auto unannounced = std::make_unique<Item>(nullptr, ItemSteel);
    EXPECT_FALSE(bench().deliverIngredient(std::move(unannounced)));
    ASSERT_NE(unannounced, nullptr) << "a refused item stays with the carrier";
    auto wrong = std::make_unique<Item>(nullptr, ItemGlass);
    EXPECT_FALSE(bench().deliverIngredient(std::move(wrong)));
    EXPECT_FALSE(bench().deliverIngredient(nullptr));

    float dt = 1.f;
    bool finished = false;
    EXPECT_FALSE(bench().work(dt, finished)) << "no steel yet";

    supply(ItemSteel, 1);
    const std::uint32_t steelId = bench().getIngredientInput().at(ItemSteel)[0]->getId();
    EXPECT_TRUE(bench().getAmountInDelivery().empty());
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(bench().getIngredientInput().empty());
    ASSERT_EQ(bench().getIngredientsInUse().at(ItemSteel).size(), 1u);
    EXPECT_NE(Item::GetById(steelId), nullptr);

    dt = 30.f;
    ASSERT_TRUE(bench().work(dt, finished));
    EXPECT_TRUE(finished);
    EXPECT_TRUE(bench().getIngredientsInUse().empty());
    EXPECT_EQ(Item::GetById(steelId), nullptr);
    EXPECT_EQ(bench().getProducedItemOutput().at(ItemSheetMetal).size(), 1u);
}

TEST_F(ProductionTest, ChangingTheRecipeMidRunGivesTheIngredientsBack) {
    ASSERT_TRUE(bench().setRecipe(ItemSteering)); // 2 steel
    supply(ItemSteel, 2);
    float dt = 10.f;
    bool finished = false;
    ASSERT_TRUE(bench().work(dt, finished));
    ASSERT_TRUE(bench().work(dt, finished));
    ASSERT_TRUE(bench().setRecipe(ItemGearbox));
    EXPECT_FALSE(bench().isProductionActive());
    EXPECT_FLOAT_EQ(bench().getCurrentProductionDuration(), 0.f);
    EXPECT_TRUE(bench().getIngredientsInUse().empty());
    EXPECT_EQ(bench().getIngredientInput().at(ItemSteel).size(), 2u);
    EXPECT_TRUE(bench().needsIngredient(ItemSteel)) << "a gearbox takes three";
}

TEST_F(ProductionTest, ObjectsWithoutProductionSwallowTheWork) {
    GameObject desk;
    desk.init(nullptr, level.get(), nullptr, ObjectDesk, 5, 5, 0.f);
    float dt = 4.f;
    bool finished = true;
    EXPECT_TRUE(desk.work(dt, finished));
    EXPECT_FLOAT_EQ(dt, 0.f);
    EXPECT_FALSE(finished);

    dt = 4.f;
    EXPECT_FALSE(bench().work(dt, finished)) << "no recipe chosen";
    EXPECT_FLOAT_EQ(dt, 4.f);
}

TEST_F(ProductionTest, EachObjectIsUsedForItsOwnTask) {
    const std::vector<std::pair<GameObjectType, TaskType>> uses = {
        {ObjectFridge, TaskEat},        {ObjectToilet, TaskToilet},
        {ObjectDesk, TaskWork},         {ObjectCoffeeMachine, TaskCoffee},
        {ObjectWorkbench, TaskWork},    {ObjectKitchenCounter, TaskNone},
        {ObjectKitchenTable, TaskNone}, {ObjectDoor, TaskNone},
    };
    for (const auto& [type, task] : uses) {
        GameObject object;
        object.init(nullptr, level.get(), nullptr, type, 20, 20, 0.f);
        EXPECT_EQ(object.getUsageTaskType(), task) << type;
        EXPECT_TRUE(object.canBeUsedFor(task)) << type;
        EXPECT_FALSE(object.canBeUsedFor(TaskTransport)) << type;
        EXPECT_FALSE(object.canBeUsedFor(TaskSmoke)) << type;
    }
    ASSERT_TRUE(bench().setRecipe(ItemSheetMetal));
    EXPECT_TRUE(bench().canBeUsedFor(TaskTransport)) << "it needs steel";
}

TEST_F(ProductionTest, TheUsageFlagIsRaisedAndCleared) {
    EXPECT_FALSE(bench().hasUsageFlag());
    bench().raiseUsageFlag();
    EXPECT_TRUE(bench().hasUsageFlag());
    bench().clearUsageFlag();
    EXPECT_FALSE(bench().hasUsageFlag());
}

TEST_F(ProductionTest, TheTransportListHoldsAnObjectOnce) {
    GameObject other;
    other.init(nullptr, level.get(), nullptr, ObjectWorkbench, 12, 10, 0.f);
    level->addToTransportList(&bench());
    level->addToTransportList(&bench());
    level->addToTransportList(&other);
    level->addToTransportList(nullptr);
    EXPECT_EQ(level->getGameObjectsNeedingTransport().size(), 2u);
    level->removeFromTransportList(&bench());
    EXPECT_EQ(level->getGameObjectsNeedingTransport(), std::vector<GameObject*>{&other});
    level->removeFromTransportList(&other);
    EXPECT_TRUE(level->getGameObjectsNeedingTransport().empty());
}

TEST_F(ProductionTest, IconAndBarShowTheProductAndTheProgress) {
    EXPECT_EQ(bench().getProductIcon().getVertexCount(), 0u);
    EXPECT_EQ(bench().getProgressBar().getFillColor(), sf::Color::Transparent);
    ASSERT_TRUE(bench().setRecipe(ItemSteel));
    const sf::VertexArray& icon = bench().getProductIcon();
    ASSERT_EQ(icon.getVertexCount(), 8u);
    EXPECT_EQ(icon[0].position, sf::Vector2f(76.8f, 76.8f));
    EXPECT_EQ(icon[2].position, sf::Vector2f(128.f, 128.f));
    EXPECT_EQ(icon[0].color, sf::Color(0, 0, 0, 128));
    const sf::IntRect steel = GameParams::Graphics::GetTexture(ItemSteel);
    EXPECT_EQ(icon[4].texCoords, sf::Vector2f(steel.left, steel.top));
    EXPECT_EQ(icon[6].position, sf::Vector2f(128.f, 128.f));

    float dt = 15.f;
    bool finished = false;
    bench().work(dt, finished);
    bench().work(dt, finished);
    const sf::RectangleShape& bar = bench().getProgressBar();
    EXPECT_EQ(bar.getFillColor(), sf::Color::Yellow);
    EXPECT_FLOAT_EQ(bar.getSize().x, 64.f);
    EXPECT_FLOAT_EQ(bar.getSize().y, 12.8f);
    EXPECT_FLOAT_EQ(bar.getPosition().y, 115.2f);
}

TEST_F(ProductionTest, TheInfoTellsTheProductionStateAndWhatTheBenchWaitsFor) {
    GameObject desk;
    desk.init(nullptr, level.get(), nullptr, ObjectDesk, 5, 5, 0.f);
    EXPECT_EQ(desk.getInfo(), "Typ: Schreibtisch");

    const auto infoHas = [this](const std::string& part) {
        const std::string info = bench().getInfo();
        EXPECT_NE(info.find(part), std::string::npos) << part << " missing in:\n" << info;
    };
    infoHas("Typ: Werkbank\nKeine Produktion: Werkbank anklicken");
    infoHas("Fortschritt: keine Produktion\n");

    ASSERT_TRUE(bench().setRecipe(ItemSheetMetal));
    infoHas("Wartet auf Zutaten:\n    1x Stahl fehlt (nicht im Lager, bitte kaufen)\n");
    unsigned one = 1;
    ASSERT_TRUE(bench().announceDelivery(ItemSteel, one));
    infoHas("1x Stahl fehlt (wird gebracht)\n");
    ASSERT_TRUE(bench().deliverIngredient(std::make_unique<Item>(nullptr, ItemSteel)));
    EXPECT_EQ(bench().getInfo(), "Typ: Werkbank\n"
                                 "Bereit, wartet auf einen Arbeiter: Metallblech\n"
                                 "\n"
                                 "Produktion aktiv: Nein\n"
                                 "\n"
                                 "Aktuelle Produktion:\n"
                                 "Zutaten:\n"
                                 "    1x Stahl\n"
                                 "\n"
                                 "Ergebnis:\n"
                                 "    1x Metallblech\n"
                                 "\n"
                                 "Produktionsdauer: 30\n"
                                 "\n"
                                 "Fortschritt: 0 / 30 min\n"
                                 "\n"
                                 "Wareneingang:\n"
                                 "1x Stahl\n"
                                 "\n"
                                 "Warenausgang:\n");
    float dt = 7.5f;
    bool finished = false;
    bench().work(dt, finished);
    bench().work(dt, finished);
    infoHas("Produktion aktiv: Ja\n");
    infoHas("Wartet auf einen Arbeiter: Metallblech\n");
    // Whole minutes, the part of a minute dropped.
    infoHas("Fortschritt: 7 / 30 min\n");
    dt = 30.f;
    bench().work(dt, finished);
    infoHas("Wartet auf Abholung: 1x Metallblech\n(kein freier Platz im Lager)");
}
