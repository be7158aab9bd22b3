#include "params/Texts.hpp"

#include "actors/Recipe.hpp"

#include <gtest/gtest.h>

#include <locale>
#include <memory>

using namespace GameParams::Texts;

TEST(DisplayNames, EnumerationTexts) {
    EXPECT_EQ(GetObjectTypeName(ObjectFridge), "Kühlschrank");
    EXPECT_EQ(GetObjectTypeName(ObjectKitchenCounter), "Küchenzeile");
    EXPECT_EQ(GetObjectTypeName(ObjectDoor), "Tür");
    EXPECT_EQ(GetObjectTypeName(static_cast<GameObjectType>(8)), "TYPE UNKNOWN");

    EXPECT_EQ(GetNeedTypeName(NeedSmoke), "Rauchen");
    EXPECT_EQ(GetNeedTypeName(NeedFood), "Nahrung");
    EXPECT_EQ(GetNeedTypeName(NeedWork), "Arbeit");
    EXPECT_EQ(GetNeedTypeName(NeedNone), "TYPE UNKNOWN");

    EXPECT_EQ(GetItemTypeName(ItemNone), "Nichts");
    EXPECT_EQ(GetItemTypeName(ItemSheetMetal), "Metallblech");
    EXPECT_EQ(GetItemTypeName(ItemExhaust), "Auspuffanlage");
    EXPECT_EQ(GetItemTypeName(ItemCar), "Auto");
    EXPECT_EQ(GetItemTypeName(static_cast<ItemType>(7)), "TYPE UNKNOWN");

    EXPECT_EQ(GetTaskTypeName(TaskError), "ErrorTask");
    EXPECT_EQ(GetTaskTypeName(TaskNone), "KeinTask");
    EXPECT_EQ(GetTaskTypeName(TaskIdle), "Nichts tun");
    EXPECT_EQ(GetTaskTypeName(TaskDeliver), "Anliefern");
    EXPECT_EQ(GetTaskTypeName(TaskResearch), "Forschen");
    EXPECT_EQ(GetTaskTypeName(static_cast<TaskType>(14)), "UNKNOWN TASK");
    EXPECT_EQ(GetTaskTypeName(static_cast<TaskType>(-2)), "UNKNOWN TASK");

    EXPECT_EQ(GetSkillTypeName(SkillWalkingSpeed), "Laufgeschwindigkeit");
    EXPECT_EQ(GetSkillTypeName(SkillResearchSpeed), "Forschungsgeschwindigkeit");
    EXPECT_EQ(GetSkillTypeName(static_cast<SkillType>(3)), "TYPE UNKNOWN");

    EXPECT_EQ(GetRefundText(), "halber Kaufpreis");
}

TEST(ToolDescriptions, BuildToolsShowTheirPrice) {
    EXPECT_EQ(GetToolDescription(CategoryObject, GuiBuildFridge),
              " Kühlschrank bauen\nKosten: 100");
    EXPECT_EQ(GetToolDescription(CategoryTile, GuiBuildWall), "Mauer bauen\nKosten: 25");
    EXPECT_EQ(GetToolDescription(CategoryTile, GuiBuildFloor), "Fußboden bauen\nKosten: 20");
    EXPECT_EQ(GetToolDescription(CategoryZone, GuiBuildZoneGoodsIn),
              "Wareneingang-Zone bauen\nKosten: 25");
    EXPECT_EQ(GetToolDescription(CategoryObject, GuiBuildCoffeeMachine),
              "Kaffeemaschine bauen\nKosten: 15");
    EXPECT_EQ(GetToolDescription(CategoryObject, GuiBuildDoor), "Tür bauen\nKosten: 50");
}

TEST(ToolDescriptions, DemolitionPanelsAndActions) {
    EXPECT_EQ(GetToolDescription(CategoryDemolish, GuiDemolishZone),
              "Zone abreißen\nRückerstattung: halber Kaufpreis");
    EXPECT_EQ(GetToolDescription(CategoryDemolish, GuiDemolishObject),
              "Gegenstand abreißen\nRückerstattung: halber Kaufpreis");
    EXPECT_EQ(GetToolDescription(CategoryPanel, GuiMainMenu), "Hauptmenü");
    EXPECT_EQ(GetToolDescription(CategoryPanel, GuiTradePanel), "Gegenstände (Ver-)Kaufen");
    EXPECT_EQ(GetToolDescription(CategoryPanel, GuiWorkPriorities), "Arbeitspriorisierung");
    EXPECT_EQ(GetToolDescription(CategoryAction, GuiAddWorker), "Arbeiter hinzufügen");
    EXPECT_EQ(GetToolDescription(CategoryAction, GuiSaveGame), "Spiel speichern");
}

TEST(ToolDescriptions, ElementsOutsideTheirCategory) {
    EXPECT_EQ(GetToolDescription(CategoryTile, GuiBuildZoneKitchen), "SUBTYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(CategoryObject, GuiItemSteel), "SUBTYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(CategoryDemolish, GuiMainMenu), "SUBTYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(CategoryPanel, GuiAddWorker), "SUBTYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(CategoryAction, GuiMainMenu), "SUBTYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(CategoryItem, GuiItemSteel), "TYPE UNKNOWN");
    EXPECT_EQ(GetToolDescription(static_cast<ToolCategory>(1), GuiBuildGrass), "TYPE UNKNOWN");
}

namespace {

// Writes decimal numbers with a comma, as a German desktop would.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

std::string Describe(const Recipe& recipe) {
    return GetRecipeDescription(recipe.ingredients, recipe.resultingItems, recipe.duration);
}

} // namespace

TEST(RecipeDescriptions, DurationFollowsTheProcessLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    Recipe recipe;
    recipe.resultingItems = {{ItemGlass, 1}};
    recipe.duration = 2.5f;
    const std::string description = Describe(recipe);
    std::locale::global(previous);
    EXPECT_NE(description.find("Produktionsdauer: 2,5\n"), std::string::npos) << description;
}

TEST(RecipeDescriptions, NoRecipe) {
    Recipe none;
    EXPECT_EQ(Describe(none), "Nichts");
    Recipe withoutResult;
    withoutResult.ingredients = {{ItemSteel, 1}};
    withoutResult.duration = 30.f;
    EXPECT_EQ(Describe(withoutResult), "Nichts");
    Recipe negative;
    negative.resultingItems = {{ItemSteel, 1}};
    EXPECT_EQ(Describe(negative), "Nichts");
    EXPECT_FALSE(negative.isValid());
}

TEST(RecipeDescriptions, IngredientsInTypeOrder) {
    Recipe tyre;
    tyre.ingredients = {{ItemSteel, 2}, {ItemRubber, 3}};
    tyre.resultingItems = {{ItemTyre, 1}};
    tyre.duration = 45.f;
    EXPECT_TRUE(tyre.isValid());
    EXPECT_EQ(Describe(tyre), "Zutaten:\n"
                              "    2x Stahl\n"
                              "    3x Gummi\n"
                              "\n"
                              "Ergebnis:\n"
                              "    1x Reifen\n"
                              "\n"
                              "Produktionsdauer: 45\n");
}

TEST(RecipeDescriptions, RawMaterialNeedsNoIngredients) {
    Recipe steel;
    steel.resultingItems = {{ItemSteel, 1}};
    steel.duration = 0.f;
    EXPECT_EQ(Describe(steel),
              "Zutaten:\n    keine\n\nErgebnis:\n    1x Stahl\n\nProduktionsdauer: 0\n");
}

TEST(ItemListDescriptions, CountsPerType) {
    using Items = std::map<ItemType, std::vector<const int*>>;
    const int a = 0, b = 0, c = 0;
    EXPECT_EQ(GetItemListDescription(Items{}), "");
    EXPECT_EQ(GetItemListDescription(Items{{ItemCar, {&a}}}), "1x Auto");
    EXPECT_EQ(GetItemListDescription(Items{{ItemCar, {&a}}, {ItemSteel, {&a, &b, &c}}}),
              "3x Stahl\n1x Auto");
    EXPECT_EQ(GetItemListDescription(Items{{ItemGlass, {}}}), "0x Glas");

    std::map<ItemType, std::vector<std::unique_ptr<int>>> owned;
    owned[ItemWood].push_back(std::make_unique<int>(1));
    owned[ItemWood].push_back(std::make_unique<int>(2));
    EXPECT_EQ(GetItemListDescription(owned), "2x Holz");
}
