#include "params/BuildRefusal.hpp"

#include "params/Texts.hpp"

namespace GameParams::Texts {

std::string GetBuildRefusalText(BuildRefusal refusal) {
    switch (refusal) {
    case BuildRefusal::GoodsFindNoPlace:
        return "Lagerplatz enthält Waren, die nirgends Platz finden";
    case BuildRefusal::GoodsOnTheWay:
        return "Lagerplatz wird gerade beliefert oder geleert";
    case BuildRefusal::SoldGoodsWaiting:
        return "Warenausgang enthält verkaufte Waren für den Lkw";
    case BuildRefusal::ObjectNeedsZone:
        return "Der Gegenstand hier braucht diese Zone";
    case BuildRefusal::ObjectForbidsZone:
        return "Der Gegenstand hier passt nicht in diese Zone";
    case BuildRefusal::OutsideSite:
        return "Außerhalb des Grundstücks";
    case BuildRefusal::AlreadyBuilt:
        return "Schon so gebaut";
    case BuildRefusal::NeedsFloor:
        return "Nur auf Fußboden";
    case BuildRefusal::ZoneTaken:
        return "Hier ist schon eine Zone";
    case BuildRefusal::WrongZone:
        return "Falsche Zone";
    case BuildRefusal::NeedsSurface:
        return "Braucht eine freie Küchenzeile";
    case BuildRefusal::Occupied:
        return "Hier steht schon etwas";
    case BuildRefusal::NoMoney:
        return "Nicht genug Geld";
    case BuildRefusal::AreaTooExpensive:
        return "Das Geld reicht nicht für die ganze Fläche";
    case BuildRefusal::None:
        break;
    }
    return "";
}

std::string GetObjectZoneHint(GameObjectType type) {
    const std::string name = GetObjectTypeName(type);
    switch (type) {
    case ObjectFridge:
    case ObjectKitchenCounter:
    case ObjectKitchenTable:
        return name + " nur in der Küche";
    case ObjectToilet:
        return name + " nur im Badezimmer";
    case ObjectDesk:
        return name + " nur im Büro";
    case ObjectCoffeeMachine:
        return name + " nur in Küche oder Büro";
    case ObjectWorkbench:
        return name + " nur in der Werkstatt";
    case ObjectDoor:
        return name + " nur außerhalb von Zonen";
    case ObjectNone:
        break;
    }
    return "";
}

std::string GetObjectUnusableText(GameObjectType type) {
    return "Achtung: " + GetObjectTypeName(type) + " ist nicht benutzbar,\nkein freier Platz davor";
}

std::string GetNeighbourUnusableText(GameObjectType type) {
    return "Achtung: " + GetObjectTypeName(type) + " daneben ist nun nicht mehr benutzbar";
}

std::string GetPlannedUnusableText() {
    return "Nicht benutzbar: kein freier Platz davor";
}

} // namespace GameParams::Texts
