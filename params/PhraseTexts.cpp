#include "params/PhraseTexts.hpp"

#include "params/Texts.hpp"

namespace GameParams::Phrases {

namespace {

struct ZonePhrases {
    ZoneType type;
    const char* name;
    const char* from;
    const char* into;
};

constexpr ZonePhrases ZoneTable[] = {
    {ZoneKitchen, "Küche", "aus der Küche", "in die Küche"},
    {ZoneBathroom, "Badezimmer", "aus dem Badezimmer", "ins Badezimmer"},
    {ZoneOffice, "Büro", "aus dem Büro", "ins Büro"},
    {ZoneStorage, "Lager", "aus dem Lager", "ins Lager"},
    {ZoneWorkshop, "Werkstatt", "aus der Werkstatt", "in die Werkstatt"},
    {ZoneGoodsIn, "Wareneingang", "aus dem Wareneingang", "in den Wareneingang"},
    {ZoneGoodsOut, "Warenausgang", "aus dem Warenausgang", "in den Warenausgang"},
};

const ZonePhrases* phrasesOf(ZoneType type) {
    for (const ZonePhrases& entry : ZoneTable) {
        if (entry.type == type) {
            return &entry;
        }
    }
    return nullptr;
}

// The grammatical gender decides every article here.
bool isFeminine(GameObjectType type) {
    switch (type) {
    case ObjectToilet:
    case ObjectCoffeeMachine:
    case ObjectKitchenCounter:
    case ObjectWorkbench:
    case ObjectDoor:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string ZoneName(ZoneType type) {
    const ZonePhrases* entry = phrasesOf(type);
    return entry != nullptr ? entry->name : "Raum";
}

std::string FromZone(ZoneType type) {
    const ZonePhrases* entry = phrasesOf(type);
    return entry != nullptr ? entry->from : "aus dem Raum";
}

std::string IntoZone(ZoneType type) {
    const ZonePhrases* entry = phrasesOf(type);
    return entry != nullptr ? entry->into : "in den Raum";
}

std::string NoObject(GameObjectType type) {
    return (isFeminine(type) ? "keine " : "kein ") + Texts::GetObjectTypeName(type);
}

std::string ToObject(GameObjectType type) {
    return (isFeminine(type) ? "zur " : "zum ") + Texts::GetObjectTypeName(type);
}

std::string AtObject(GameObjectType type) {
    return (isFeminine(type) ? "an der " : "am ") + Texts::GetObjectTypeName(type);
}

std::string FromObject(GameObjectType type) {
    return (isFeminine(type) ? "von der " : "vom ") + Texts::GetObjectTypeName(type);
}

} // namespace GameParams::Phrases
