// What an object is doing, for its tooltip: whether it can be used at all,
// and for a bench what it makes and what it waits for. Only reads.

#include "actors/GameObject.hpp"

#include "params/Texts.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <sstream>

namespace {

using GameParams::Texts::GetItemTypeName;

bool isOrdered(const Level& level, ItemType type) {
    const std::vector<ItemType> ordered = level.getTruckLogistics().deliveryTypesInOrder();
    return std::find(ordered.begin(), ordered.end(), type) != ordered.end();
}

} // namespace

bool GameObject::hasUsableCell() const {
    if (level == nullptr) {
        return true;
    }
    return std::any_of(usagePos.begin(), usagePos.end(), [this](const Vec2i& cell) {
        return level->isInMap(cell.x, cell.y) && level->isPassable(cell.x, cell.y);
    });
}

std::string GameObject::getStatusText() const {
    if (usageTaskType == TaskNone) {
        return "";
    }
    if (!usagePos.empty() && !hasUsableCell()) {
        return "Nicht nutzbar: das Feld davor ist versperrt";
    }
    if (!producer) {
        return usageFlag ? "Wird gerade benutzt" : "";
    }
    if (!currentRecipe.isValid()) {
        return "Keine Produktion: Werkbank anklicken und Produkt wählen";
    }
    const std::string product = GetItemTypeName(currentRecipe.resultingItems.begin()->first);
    if (productionActive) {
        return usageFlag ? "In Arbeit: " + product : "Wartet auf einen Arbeiter: " + product;
    }
    std::ostringstream text;
    if (!producedItemOutput.empty()) {
        text << "Wartet auf Abholung: "
             << GameParams::Texts::GetItemListDescription(producedItemOutput);
        const ItemType first = producedItemOutput.begin()->first;
        if (level != nullptr && level->freeStorageFor(first) == 0) {
            text << "\n(kein freier Platz im Lager)";
        }
        return text.str();
    }
    bool missing = false;
    for (const auto& [type, needed] : currentRecipe.ingredients) {
        const std::size_t have = presentCount(type);
        if (have >= needed) {
            continue;
        }
        if (!missing) {
            text << "Wartet auf Zutaten:";
            missing = true;
        }
        text << "\n    " << needed - have << "x " << GetItemTypeName(type) << " fehlt";
        if (announcedCount(type) + have >= needed) {
            text << " (wird gebracht)";
        } else if (level != nullptr && level->availableStored(type) > 0) {
            text << " (im Lager)";
        } else if (level != nullptr && isOrdered(*level, type)) {
            text << " (bestellt)";
        } else {
            text << " (nicht im Lager, bitte kaufen)";
        }
    }
    if (!missing) {
        return "Bereit, wartet auf einen Arbeiter: " + product;
    }
    return text.str();
}
