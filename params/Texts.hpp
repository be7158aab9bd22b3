#pragma once

#include "params/Enums.hpp"

#include <cstddef>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// The German texts the game shows, and the lists of employee names.
namespace GameParams::Texts {

// Reads the three name files from data/ in the asset folder, by default the
// working directory. A missing file is reported and ends the reading,
// leaving that list and the later ones as they were.
void Init(const std::string& assetFolder = "");

// The lists Init() fills; the setters let tests and tools provide their own.
const std::vector<std::string>& GetMaleFirstNames();
const std::vector<std::string>& GetFemaleFirstNames();
const std::vector<std::string>& GetLastNames();
void SetMaleFirstNames(std::vector<std::string> names);
void SetFemaleFirstNames(std::vector<std::string> names);
void SetLastNames(std::vector<std::string> names);

// Each draws one rand(); gender 1 is female, anything else male.
std::string GetFirstName(int gender);
std::string GetLastName();

std::string GetObjectTypeName(GameObjectType type);
std::string GetNeedTypeName(NeedType type);
std::string GetItemTypeName(ItemType type);
std::string GetTaskTypeName(TaskType type);
std::string GetSkillTypeName(SkillType type);

// The tooltip of a HUD button. Prices follow the process-wide locale.
std::string GetToolDescription(ToolCategory category, GuiElemType element);

// A workbench's recipe: "Nichts" when it yields nothing or has no duration.
std::string GetRecipeDescription(const std::map<ItemType, std::size_t>& ingredients,
                                 const std::map<ItemType, std::size_t>& results, float duration);

std::string GetRefundText();

// One line per item type, "<count>x <name>", in ascending type order. Works
// for any element type: only the number of items per type is shown.
template <typename ItemPointer>
std::string GetItemListDescription(const std::map<ItemType, std::vector<ItemPointer>>& items) {
    std::ostringstream text;
    const char* separator = "";
    for (const auto& [type, list] : items) {
        text << separator << list.size() << "x " << GetItemTypeName(type);
        separator = "\n";
    }
    return text.str();
}

} // namespace GameParams::Texts
