#include "params/Texts.hpp"

// Display names of the enumerations; anything without a name gets a
// fallback text instead of failing.
namespace GameParams::Texts {

namespace {

const char* const TypeUnknown = "TYPE UNKNOWN";

} // namespace

std::string GetObjectTypeName(GameObjectType type) {
    switch (type) {
    case ObjectFridge:
        return "Kühlschrank";
    case ObjectToilet:
        return "Toilette";
    case ObjectDesk:
        return "Schreibtisch";
    case ObjectCoffeeMachine:
        return "Kaffeemaschine";
    case ObjectKitchenCounter:
        return "Küchenzeile";
    case ObjectKitchenTable:
        return "Küchentisch";
    case ObjectWorkbench:
        return "Werkbank";
    case ObjectDoor:
        return "Tür";
    case ObjectNone:
        break;
    }
    return TypeUnknown;
}

std::string GetNeedTypeName(NeedType type) {
    switch (type) {
    case NeedSmoke:
        return "Rauchen";
    case NeedToilet:
        return "Toilette";
    case NeedFood:
        return "Nahrung";
    case NeedSocial:
        return "Sozial";
    case NeedCoffee:
        return "Kaffee";
    case NeedWork:
        return "Arbeit";
    }
    return TypeUnknown;
}

std::string GetItemTypeName(ItemType type) {
    switch (type) {
    case ItemNone:
        return "Nichts";
    case ItemSteel:
        return "Stahl";
    case ItemGlass:
        return "Glas";
    case ItemRubber:
        return "Gummi";
    case ItemAluminium:
        return "Aluminium";
    case ItemMagnesium:
        return "Magnesium";
    case ItemWood:
        return "Holz";
    case ItemPetrol:
        return "Benzin";
    case ItemDiesel:
        return "Diesel";
    case ItemSheetMetal:
        return "Metallblech";
    case ItemWoodenBoard:
        return "Holzbrett";
    case ItemTyre:
        return "Reifen";
    case ItemBrake:
        return "Bremse";
    case ItemSuspension:
        return "Federung";
    case ItemSteering:
        return "Lenkung";
    case ItemGearbox:
        return "Getriebe";
    case ItemExhaust:
        return "Auspuffanlage";
    case ItemEngineBlock:
        return "Motorblock";
    case ItemChassis:
        return "Fahrwerk";
    case ItemBody:
        return "Aufbau";
    case ItemEngine:
        return "Motor";
    case ItemCar:
        return "Auto";
    }
    return TypeUnknown;
}

std::string GetTaskTypeName(TaskType type) {
    switch (type) {
    case TaskError:
        return "ErrorTask";
    case TaskNone:
        return "KeinTask";
    case TaskIdle:
        return "Nichts tun";
    case TaskWait:
        return "Warten";
    case TaskWalk:
        return "Laufen";
    case TaskWork:
        return "Arbeiten";
    case TaskEat:
        return "Essen";
    case TaskToilet:
        return "Toilette";
    case TaskCoffee:
        return "Kaffee";
    case TaskSmoke:
        return "Rauchen";
    case TaskSocial:
        return "Sozial";
    case TaskTransport:
        return "Transport";
    case TaskPickUp:
        return "Abholen";
    case TaskDeliver:
        return "Anliefern";
    case TaskResearch:
        return "Forschen";
    }
    return "UNKNOWN TASK";
}

std::string GetSkillTypeName(SkillType type) {
    switch (type) {
    case SkillWalkingSpeed:
        return "Laufgeschwindigkeit";
    case SkillWorkingSpeed:
        return "Arbeitsgeschwindigkeit";
    case SkillResearchSpeed:
        return "Forschungsgeschwindigkeit";
    }
    return TypeUnknown;
}

} // namespace GameParams::Texts
