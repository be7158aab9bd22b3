// What a room lacks, for its tooltip: walls, a door, the furniture that makes
// it what it is, or free places. Only reads the level.

#include "world/MetaZone.hpp"

#include "actors/GameObject.hpp"
#include "params/PhraseTexts.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"
#include "world/Zone.hpp"

#include <sstream>

namespace {

// The object without which a room of the kind serves nobody.
GameObjectType requiredObject(ZoneType type) {
    switch (type) {
    case ZoneKitchen:
        return ObjectFridge;
    case ZoneBathroom:
        return ObjectToilet;
    case ZoneOffice:
        return ObjectDesk;
    case ZoneWorkshop:
        return ObjectWorkbench;
    default:
        return ObjectNone;
    }
}

bool holdsGoods(ZoneType type) {
    return type == ZoneStorage || type == ZoneGoodsIn || type == ZoneGoodsOut;
}

bool hasFreePlace(const Zone& zone) {
    if (zone.getStoredType() == ItemNone) {
        return zone.getAmountInDelivery() == 0;
    }
    return zone.canStore(zone.getStoredType(), 1);
}

} // namespace

std::vector<std::string> MetaZone::shortcomings() const {
    std::vector<std::string> lacks;
    if (!enclosed) {
        lacks.push_back("Nicht geschlossen: Wand oder Tür fehlt, der Raum wird nicht genutzt");
    }
    const GameObjectType required = requiredObject(type);
    bool door = false;
    bool furnished = required == ObjectNone;
    bool usable = furnished;
    bool freePlace = !holdsGoods(type);
    constexpr int Steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [row, columns] : containedZones) {
        for (const auto& entry : columns) {
            const int column = entry.first;
            for (const auto& step : Steps) {
                door = door || level->getObjectType(column + step[0], row + step[1]) == ObjectDoor;
            }
            const GameObject* object =
                required != ObjectNone ? level->findObjectOnCell(required, column, row) : nullptr;
            if (object != nullptr) {
                furnished = true;
                usable = usable || object->hasUsableCell();
            }
            const Zone* zone = level->getZoneAt(column, row);
            freePlace = freePlace || (zone != nullptr && hasFreePlace(*zone));
        }
    }
    if (enclosed && !door) {
        lacks.push_back("Keine Tür: niemand kommt hinein");
    }
    const std::string name = GameParams::Texts::GetObjectTypeName(required);
    if (!furnished) {
        lacks.push_back("Fehlt: " + name);
    } else if (!usable) {
        lacks.push_back(name + " nicht nutzbar: das Feld davor ist versperrt");
    }
    if (!freePlace) {
        lacks.push_back("Voll: kein freier Platz");
    }
    return lacks;
}

std::string MetaZone::getInfo() const {
    std::ostringstream text;
    text << "Raum: " << GameParams::Phrases::ZoneName(type) << " (" << cellCount
         << (cellCount == 1 ? " Feld)" : " Felder)");
    for (const std::string& lack : shortcomings()) {
        text << "\n" << lack;
    }
    return text.str();
}
