#include "world/Zone.hpp"

#include "params/ItemTypes.hpp"
#include "persist/Codecs.hpp"
#include "persist/RecordStart.hpp"

#include <cstdint>
#include <iostream>
#include <string>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "ZONE";

void Report(const char* message) {
    std::cout << "Zone::load() - " << message << std::endl;
}

} // namespace

bool Zone::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << static_cast<std::int32_t>(type) << ' '
        << static_cast<std::int32_t>(storedType) << ' ' << storedAmount << ' ';
    if (!GameParams::Save::VectorOfItemPtr(storedItems, out)) {
        return false;
    }
    out << ' ' << amountInDelivery << ' ' << amountInRetrieval;
    return !out.fail();
}

bool Zone::load(std::istream& in, sf::Texture* atlas, Level* owner, const sf::Font* font) {
    storedItems.clear();
    if (!GameParams::Load::RecordStart(in, "Zone::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::ReadOn)) {
        return false;
    }
    std::int32_t loadedType = 0;
    if (!(in >> loadedType)) {
        return false;
    }
    if (loadedType == -1) {
        Report("type ungueltig!");
        return false;
    }
    std::int32_t loadedStoredType = 0;
    if (!(in >> loadedStoredType)) {
        return false;
    }
    if (loadedStoredType == -1) {
        Report("storedType ungueltig!");
        return false;
    }
    unsigned loadedAmount = 0;
    if (!(in >> loadedAmount)) {
        return false;
    }
    std::vector<std::unique_ptr<Item>> loadedItems;
    if (!GameParams::Load::VectorOfItemPtr(in, loadedItems, atlas)) {
        Report("Laden von storedItems fehlgeschlagen!");
        return false;
    }
    unsigned loadedDelivery = 0;
    unsigned loadedRetrieval = 0;
    if (!(in >> loadedDelivery >> loadedRetrieval)) {
        return false;
    }
    // Every booking relies on these; a file that breaks them would corrupt the counts.
    const auto storedKind = static_cast<ItemType>(loadedStoredType);
    const unsigned loadedCapacity = GameParams::GetItemsPerZoneCell(storedKind);
    const bool amountsFit =
        loadedAmount == loadedItems.size() && loadedRetrieval <= loadedAmount &&
        (storedKind == ItemNone ? loadedAmount + loadedDelivery == 0
                                : loadedAmount + loadedDelivery <= loadedCapacity);
    if (!amountsFit) {
        Report("Mengen ungueltig!");
        return false;
    }

    type = static_cast<ZoneType>(loadedType);
    // The cell's storage bookings are in the loaded count tables already, so the
    // level's refresh must see a storage cell staying storage.
    isStorage = type == ZoneStorage || type == ZoneGoodsIn || type == ZoneGoodsOut;
    storedType = storedKind;
    storedAmount = loadedAmount;
    storedItems = std::move(loadedItems);
    amountInDelivery = loadedDelivery;
    amountInRetrieval = loadedRetrieval;
    texture = atlas;
    level = owner;
    setUpLabel(font);
    capacity = loadedCapacity;
    // Rebuilt even for an empty cell, so that no picture of earlier contents survives.
    rebuildItemQuad();
    rebuildLabel();
    return true;
}
