// Research at the office desks as the level sees it: which desks research,
// what keeps the office from gathering points, and the trade prices that
// finished research changes.

#include "world/Level.hpp"

#include "actors/GameObject.hpp"
#include "world/MetaZone.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Prices are kept in cents, as the market keeps them.
StockMarket::PriceTable ScaledPrices(StockMarket::PriceTable prices, double factor) {
    if (factor == 1.0) {
        return prices;
    }
    for (auto& entry : prices) {
        entry.second = std::round(Research::Scaled(entry.second, factor) * 100.f) / 100.f;
    }
    return prices;
}

} // namespace

bool Level::isResearchDesk(const GameObject& object) const {
    const sf::Vector2i at = object.getMapPos();
    return object.getObjType() == ObjectDesk && getZoneType(at.x, at.y) == ZoneOffice;
}

const MetaZone* Level::roomOf(const GameObject& object) const {
    const sf::Vector2i at = object.getMapPos();
    return getMetaZoneAt(at.x, at.y);
}

bool Level::hasResearchDesk() const {
    return std::any_of(gameObjectContainer.begin(), gameObjectContainer.end(),
                       [this](const std::unique_ptr<GameObject>& object) {
                           const sf::Vector2i at = object->getMapPos();
                           return isResearchDesk(*object) && isEnclosedRoomAt(at.x, at.y);
                       });
}

std::vector<const MetaZone*> Level::officesWithoutDesk() const {
    std::vector<const MetaZone*> offices;
    for (const auto& room : metaZoneContainer) {
        if (room->getType() != ZoneOffice) {
            continue;
        }
        const bool hasDesk =
            std::any_of(gameObjectContainer.begin(), gameObjectContainer.end(),
                        [&](const std::unique_ptr<GameObject>& object) {
                            return isResearchDesk(*object) && roomOf(*object) == room.get();
                        });
        if (!hasDesk) {
            offices.push_back(room.get());
        }
    }
    return offices;
}

std::string Level::researchHindrance() const {
    if (research.isComplete()) {
        return "";
    }
    if (!hasResearchDesk()) {
        return "Kein geschlossenes Büro mit Schreibtisch: niemand kann forschen.";
    }
    if (!research.hasActive()) {
        return "Kein Projekt gewählt: an den Schreibtischen wird nicht geforscht.";
    }
    if (!officesWithoutDesk().empty()) {
        return "Ein Büro hat keinen Schreibtisch: dort kann niemand forschen.";
    }
    return "";
}

std::string Level::researchNoteAt(int column, int row) const {
    const MetaZone* room = getMetaZoneAt(column, row);
    if (room == nullptr || room->getType() != ZoneOffice || research.isComplete()) {
        return "";
    }
    const std::vector<const MetaZone*> bare = officesWithoutDesk();
    if (std::find(bare.begin(), bare.end(), room) != bare.end()) {
        return "Büro ohne Schreibtisch: hier kann niemand forschen.";
    }
    if (!research.hasActive()) {
        return "Kein Forschungsprojekt gewählt: hier wird nicht geforscht.";
    }
    return "";
}

StockMarket::PriceTable Level::buyPrices() const {
    return ScaledPrices(stockMarket.getItemBuyPrices(), research.getEffects().buyPrice);
}

StockMarket::PriceTable Level::sellPrices() const {
    return ScaledPrices(stockMarket.getItemSellPrices(), research.getEffects().sellPrice);
}
