#include "actors/RecipeTable.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

struct RecipeEntry {
    ItemType result;
    std::initializer_list<std::pair<const ItemType, std::size_t>> ingredients;
    float duration; // game minutes
};

// Every recipe yields one unit of its item. Kept in ascending order.
const RecipeEntry RecipeTable[] = {
    {ItemSteel, {}, 30.f},
    {ItemGlass, {}, 45.f},
    {ItemRubber, {}, 30.f},
    {ItemAluminium, {}, 60.f},
    {ItemMagnesium, {}, 60.f},
    {ItemWood, {}, 15.f},
    {ItemPetrol, {}, 30.f},
    {ItemDiesel, {}, 30.f},
    {ItemSheetMetal, {{ItemSteel, 1}}, 30.f},
    {ItemWoodenBoard, {{ItemWood, 1}}, 15.f},
    {ItemTyre, {{ItemAluminium, 1}, {ItemRubber, 2}}, 45.f},
    {ItemBrake, {{ItemAluminium, 1}, {ItemMagnesium, 1}}, 45.f},
    {ItemSuspension, {{ItemSteel, 2}, {ItemAluminium, 1}}, 60.f},
    {ItemSteering, {{ItemSteel, 2}}, 60.f},
    {ItemGearbox, {{ItemSteel, 3}}, 60.f},
    {ItemExhaust, {{ItemSteel, 2}}, 60.f},
    {ItemEngineBlock, {{ItemSteel, 4}, {ItemAluminium, 1}}, 60.f},
    {ItemChassis,
     {{ItemBody, 1}, {ItemTyre, 4}, {ItemBrake, 4}, {ItemSuspension, 1}, {ItemSteering, 1}},
     120.f},
    {ItemBody,
     {{ItemSheetMetal, 4},
      {ItemGlass, 2},
      {ItemWoodenBoard, 1},
      {ItemGearbox, 1},
      {ItemExhaust, 1}},
     120.f},
    {ItemEngine, {{ItemEngineBlock, 1}, {ItemPetrol, 1}, {ItemSteel, 2}}, 120.f},
    {ItemCar, {{ItemChassis, 1}, {ItemEngine, 1}}, 120.f},
};

// What an unknown number gives: no result, so it never counts as a recipe.
constexpr float UnknownRecipeDuration = 999999.f;

const RecipeEntry* FindEntry(ItemType number) {
    const auto found =
        std::find_if(std::begin(RecipeTable), std::end(RecipeTable),
                     [&](const RecipeEntry& entry) { return entry.result == number; });
    return found == std::end(RecipeTable) ? nullptr : found;
}

} // namespace

namespace GameParams {

Recipe GetRecipe(ItemType number) {
    Recipe recipe;
    if (number == ItemNone) {
        return recipe;
    }
    const RecipeEntry* entry = FindEntry(number);
    if (entry == nullptr) {
        recipe.duration = UnknownRecipeDuration;
        return recipe;
    }
    recipe.ingredients = entry->ingredients;
    recipe.resultingItems = {{entry->result, 1}};
    recipe.duration = entry->duration;
    return recipe;
}

bool IsKnownRecipe(ItemType number) {
    return FindEntry(number) != nullptr;
}

std::vector<ItemType> GetRecipeNumbers() {
    std::vector<ItemType> numbers{ItemNone};
    for (const RecipeEntry& entry : RecipeTable) {
        numbers.push_back(entry.result);
    }
    return numbers;
}

} // namespace GameParams
