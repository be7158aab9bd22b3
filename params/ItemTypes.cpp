#include "params/ItemTypes.hpp"

namespace GameParams {

namespace {

struct ItemRule {
    ItemType type;
    float productionDuration;
};

constexpr ItemRule ItemRules[] = {
    {ItemSteel, 30.f},       {ItemGlass, 45.f},       {ItemRubber, 30.f},  {ItemAluminium, 60.f},
    {ItemMagnesium, 60.f},   {ItemWood, 15.f},        {ItemPetrol, 30.f},  {ItemDiesel, 30.f},
    {ItemSheetMetal, 30.f},  {ItemWoodenBoard, 15.f}, {ItemTyre, 45.f},    {ItemBrake, 45.f},
    {ItemSuspension, 60.f},  {ItemSteering, 60.f},    {ItemGearbox, 60.f}, {ItemExhaust, 60.f},
    {ItemEngineBlock, 60.f}, {ItemChassis, 120.f},    {ItemBody, 120.f},   {ItemEngine, 120.f},
    {ItemCar, 120.f},
};

// Long enough that nothing unknown ever finishes.
constexpr float UnknownProductionDuration = 999999.f;

constexpr unsigned ItemsPerZoneCell = 5;

const ItemRule* FindItemRule(ItemType type) {
    for (const ItemRule& rule : ItemRules) {
        if (rule.type == type) {
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<ItemType>& GetAllItemTypes() {
    static const std::vector<ItemType> items = [] {
        std::vector<ItemType> all;
        for (const ItemRule& rule : ItemRules) {
            all.push_back(rule.type);
        }
        return all;
    }();
    return items;
}

bool IsItemType(ItemType type) {
    return FindItemRule(type) != nullptr;
}

float GetProductionDuration(ItemType type) {
    const ItemRule* rule = FindItemRule(type);
    return rule ? rule->productionDuration : UnknownProductionDuration;
}

unsigned GetItemsPerZoneCell(ItemType type) {
    return IsItemType(type) ? ItemsPerZoneCell : 0;
}

} // namespace GameParams
