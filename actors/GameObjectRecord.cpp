#include "actors/GameObject.hpp"

#include "actors/RecipeTable.hpp"
#include "persist/Codecs.hpp"
#include "persist/RecordStart.hpp"
#include "world/Level.hpp"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.2f;
const char* const RecordHeader = "GAMEOBJECT";

void Report(const char* message) {
    std::cout << "GameObject::load() - " << message << std::endl;
}

// The recipe table is the authority on what a product needs and yields: a
// saved recipe for a known product is taken from it, so that a file cannot
// make a workbench create items by the billion. A recipe without results
// never produces and is kept as saved.
bool TrustedRecipe(const Recipe& loaded, Recipe& trusted) {
    if (loaded.resultingItems.empty()) {
        trusted = loaded;
        return true;
    }
    if (loaded.resultingItems.size() != 1) {
        return false;
    }
    const ItemType product = loaded.resultingItems.begin()->first;
    if (!GameParams::IsKnownRecipe(product)) {
        return false;
    }
    trusted = GameParams::GetRecipe(product);
    return true;
}

// Saved angles lie in [0, 360); anything else is brought there.
float NormalisedRotation(float rotation) {
    if (rotation >= 0.f && rotation < 360.f) {
        return rotation;
    }
    rotation = std::fmod(rotation, 360.f);
    return rotation < 0.f ? rotation + 360.f : rotation;
}

} // namespace

bool GameObject::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << maxId << ' ' << id << ' '
        << static_cast<std::int32_t>(objType) << ' ' << mapPos.x << ' ' << mapPos.y << ' ' << size.x
        << ' ' << size.y << ' ' << getRotation() << ' ' << (usageFlag ? 1 : 0) << ' ';
    std::vector<sf::Vector2i> cells;
    for (const Vec2i& cell : usagePos) {
        cells.emplace_back(cell.x, cell.y);
    }
    GameParams::Save::VectorOfVector2i(cells, out);
    out << ' ';
    if (!currentRecipe.save(out)) {
        return false;
    }
    for (const ItemMap* items : {&ingredientInput, &ingredientsInUse, &producedItemOutput}) {
        out << ' ';
        if (!GameParams::Save::MapOfItemTypeAndVectorOfItemPtr(*items, out)) {
            return false;
        }
    }
    out << ' ' << (productionActive ? 1 : 0) << ' ' << currentProductionDuration << ' ';
    GameParams::Save::MapOfItemTypeAndSizeT(amountInDelivery, out);
    out << ' ';
    GameParams::Save::MapOfItemTypeAndSizeT(itemsInRetrieval, out);
    return !out.fail();
}

bool GameObject::load(std::istream& in, sf::Texture* atlas, Level* owner, bool refuseDoors) {
    in >> std::ws;
    const std::istream::pos_type recordStart = in.tellg();
    if (!GameParams::Load::RecordStart(in, "GameObject::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    std::int64_t loadedMaxId = 0;
    if (!(in >> loadedMaxId)) {
        return false;
    }
    if (loadedMaxId < 0 || loadedMaxId > INT32_MAX) {
        Report("maxId ungueltig!");
        return false;
    }
    std::int64_t loadedId = 0;
    if (!(in >> loadedId)) {
        return false;
    }
    if (loadedId < 0 || loadedId >= loadedMaxId) {
        Report("id ungueltig!");
        return false;
    }
    std::int32_t loadedType = 0;
    if (!(in >> loadedType)) {
        return false;
    }
    if (loadedType == -1 || loadedType == ObjectNone) {
        Report("objType ungueltig!");
        return false;
    }
    if (refuseDoors && loadedType == ObjectDoor) {
        in.seekg(recordStart);
        return false;
    }
    sf::Vector2i loadedPos;
    sf::Vector2i loadedSize;
    float rotation = 0.f;
    bool loadedUsageFlag = false;
    if (!(in >> loadedPos.x >> loadedPos.y >> loadedSize.x >> loadedSize.y >> rotation >>
          loadedUsageFlag)) {
        return false;
    }
    // The level indexes its cell maps by an object's cell.
    if (owner != nullptr && !owner->isInMap(loadedPos.x, loadedPos.y)) {
        Report("mapPos ungueltig!");
        return false;
    }
    std::vector<sf::Vector2i> loadedUsagePos;
    bool usageCellsValid = GameParams::Load::VectorOfVector2i(in, loadedUsagePos);
    for (const sf::Vector2i& cell : loadedUsagePos) {
        usageCellsValid = usageCellsValid && (owner == nullptr || owner->isInMap(cell.x, cell.y));
    }
    if (!usageCellsValid) {
        Report("Laden von usagePos fehlgeschlagen!");
        return false;
    }
    Recipe loadedRecipe;
    Recipe recipe;
    if (!loadedRecipe.load(in) || !TrustedRecipe(loadedRecipe, recipe)) {
        Report("Laden von currentRecipe fehlgeschlagen!");
        return false;
    }
    const sf::Texture* itemTexture = atlas;
    ItemMap input;
    if (!GameParams::Load::MapOfItemTypeAndVectorOfItemPtr(in, input, itemTexture)) {
        Report("Laden von ingredientInput fehlgeschlagen!");
        return false;
    }
    ItemMap inUse;
    if (!GameParams::Load::MapOfItemTypeAndVectorOfItemPtr(in, inUse, itemTexture)) {
        Report("Laden von ingredientsInUse fehlgeschlagen!");
        return false;
    }
    ItemMap output;
    if (!GameParams::Load::MapOfItemTypeAndVectorOfItemPtr(in, output, itemTexture)) {
        Report("Laden von producedItemOutput fehlgeschlagen!");
        return false;
    }
    bool active = false;
    float progress = 0.f;
    if (!(in >> active >> progress)) {
        return false;
    }
    if (!(progress >= 0.f)) {
        Report("currentProductionDuration ungueltig!");
        return false;
    }
    CountMap delivery;
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, delivery)) {
        Report("Laden von amountInDelivery fehlgeschlagen!");
        return false;
    }
    CountMap retrieval;
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, retrieval)) {
        Report("Laden von itemsInRetrieval fehlgeschlagen!");
        return false;
    }

    unregisterId();
    id = static_cast<int>(loadedId);
    maxId = static_cast<int>(loadedMaxId);
    registerId();
    ingredientInput.clear();
    ingredientsInUse.clear();
    producedItemOutput.clear();
    currentRecipe = recipe;
    ingredientInput = std::move(input);
    ingredientsInUse = std::move(inUse);
    producedItemOutput = std::move(output);
    productionActive = active;
    currentProductionDuration = progress;
    amountInDelivery = std::move(delivery);
    itemsInRetrieval = std::move(retrieval);
    init(atlas, owner, nullptr, static_cast<GameObjectType>(loadedType), loadedPos.x, loadedPos.y,
         NormalisedRotation(rotation));
    // The partner is not known yet, so the saved cells stand in for the ones
    // derived from it.
    usagePos.clear();
    for (const sf::Vector2i& cell : loadedUsagePos) {
        usagePos.emplace_back(cell.x, cell.y);
    }
    usageFlag = loadedUsageFlag;
    return true;
}
