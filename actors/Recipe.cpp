#include "actors/Recipe.hpp"

#include "persist/RecordStart.hpp"
#include "persist/ValueCodecs.hpp"

#include <iostream>
#include <string>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "RECIPE";

void Report(const char* message) {
    std::cout << "Recipe::load() - " << message << std::endl;
}

} // namespace

bool Recipe::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ';
    GameParams::Save::MapOfItemTypeAndSizeT(ingredients, out);
    out << ' ';
    GameParams::Save::MapOfItemTypeAndSizeT(resultingItems, out);
    out << ' ' << duration;
    return !out.fail();
}

bool Recipe::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "Recipe::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    Recipe loaded;
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, loaded.ingredients)) {
        Report("Laden von ingredients fehlgeschlagen!");
        return false;
    }
    if (!GameParams::Load::MapOfItemTypeAndSizeT(in, loaded.resultingItems)) {
        Report("Laden von resultingItems fehlgeschlagen!");
        return false;
    }
    if (!(in >> loaded.duration)) {
        return false;
    }
    *this = std::move(loaded);
    return true;
}
