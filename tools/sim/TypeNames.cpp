#include "TypeNames.hpp"

#include <utility>

namespace SimNames {

namespace {

template <class Enum, std::size_t N>
std::optional<Enum> Find(const std::pair<const char*, Enum> (&table)[N], const std::string& name) {
    for (const auto& [word, value] : table)
        if (name == word)
            return value;
    return std::nullopt;
}

const std::pair<const char*, TileType> Tiles[] = {
    {"grass", TileGrass}, {"wall", TileWall}, {"floor", TileFloor}};

const std::pair<const char*, ZoneType> Zones[] = {
    {"kitchen", ZoneKitchen},  {"bathroom", ZoneBathroom}, {"office", ZoneOffice},
    {"storage", ZoneStorage},  {"workshop", ZoneWorkshop}, {"goodsin", ZoneGoodsIn},
    {"goodsout", ZoneGoodsOut}};

const std::pair<const char*, GameObjectType> Objects[] = {{"fridge", ObjectFridge},
                                                          {"toilet", ObjectToilet},
                                                          {"desk", ObjectDesk},
                                                          {"coffeemachine", ObjectCoffeeMachine},
                                                          {"kitchencounter", ObjectKitchenCounter},
                                                          {"kitchentable", ObjectKitchenTable},
                                                          {"workbench", ObjectWorkbench},
                                                          {"door", ObjectDoor}};

const std::pair<const char*, ItemType> Items[] = {{"none", ItemNone},
                                                  {"steel", ItemSteel},
                                                  {"glass", ItemGlass},
                                                  {"rubber", ItemRubber},
                                                  {"aluminium", ItemAluminium},
                                                  {"magnesium", ItemMagnesium},
                                                  {"wood", ItemWood},
                                                  {"petrol", ItemPetrol},
                                                  {"diesel", ItemDiesel},
                                                  {"sheetmetal", ItemSheetMetal},
                                                  {"woodenboard", ItemWoodenBoard},
                                                  {"tyre", ItemTyre},
                                                  {"brake", ItemBrake},
                                                  {"suspension", ItemSuspension},
                                                  {"steering", ItemSteering},
                                                  {"gearbox", ItemGearbox},
                                                  {"exhaust", ItemExhaust},
                                                  {"engineblock", ItemEngineBlock},
                                                  {"chassis", ItemChassis},
                                                  {"body", ItemBody},
                                                  {"engine", ItemEngine},
                                                  {"car", ItemCar}};

} // namespace

std::optional<TileType> ParseTile(const std::string& name) {
    return Find(Tiles, name);
}
std::optional<ZoneType> ParseZone(const std::string& name) {
    return Find(Zones, name);
}
std::optional<GameObjectType> ParseObject(const std::string& name) {
    return Find(Objects, name);
}
std::optional<ItemType> ParseItem(const std::string& name) {
    return Find(Items, name);
}

std::string ItemName(ItemType type) {
    for (const auto& [word, value] : Items)
        if (value == type)
            return word;
    return std::to_string(static_cast<int>(type));
}

} // namespace SimNames
