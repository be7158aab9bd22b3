#include "params/Texts.hpp"

#include "params/Prices.hpp"
#include "params/ToolMappings.hpp"

namespace GameParams::Texts {

namespace {

struct ToolText {
    ToolCategory category;
    GuiElemType element;
    const char* text;
};

const ToolText ToolTexts[] = {
    {CategoryTile, GuiBuildGrass, "Gras bauen"},
    {CategoryTile, GuiBuildWall, "Mauer bauen"},
    {CategoryTile, GuiBuildFloor, "Fußboden bauen"},
    {CategoryZone, GuiBuildZoneKitchen, "Küchen-Zone bauen"},
    {CategoryZone, GuiBuildZoneBathroom, "Badezimmer-Zone bauen"},
    {CategoryZone, GuiBuildZoneOffice, "Büro-Zone bauen"},
    {CategoryZone, GuiBuildZoneStorage, "Lager-Zone bauen"},
    {CategoryZone, GuiBuildZoneWorkshop, "Werkstatt-Zone bauen"},
    {CategoryZone, GuiBuildZoneGoodsIn, "Wareneingang-Zone bauen"},
    {CategoryZone, GuiBuildZoneGoodsOut, "Warenausgang-Zone bauen"},
    // The leading blank has always been part of the fridge's text.
    {CategoryObject, GuiBuildFridge, " Kühlschrank bauen"},
    {CategoryObject, GuiBuildToilet, "Toilette bauen"},
    {CategoryObject, GuiBuildDesk, "Schreibtisch bauen"},
    {CategoryObject, GuiBuildKitchenCounter, "Küchenzeile bauen"},
    {CategoryObject, GuiBuildKitchenTable, "Küchentisch bauen"},
    {CategoryObject, GuiBuildCoffeeMachine, "Kaffeemaschine bauen"},
    {CategoryObject, GuiBuildWorkbench, "Werkbank bauen"},
    {CategoryObject, GuiBuildDoor, "Tür bauen"},
    {CategoryDemolish, GuiDemolishZone, "Zone abreißen"},
    {CategoryDemolish, GuiDemolishObject, "Gegenstand abreißen"},
    {CategoryPanel, GuiMainMenu, "Hauptmenü"},
    {CategoryPanel, GuiTilesPanel, "Tiles bauen"},
    {CategoryPanel, GuiZonesPanel, "Zonen bauen"},
    {CategoryPanel, GuiFurniturePanel, "Einrichtung bauen"},
    {CategoryPanel, GuiStaffPanel, "Arbeiter verwalten"},
    {CategoryPanel, GuiTradePanel, "Gegenstände (Ver-)Kaufen"},
    {CategoryPanel, GuiPriceHistory, "Preisverläufe"},
    {CategoryPanel, GuiBuyItems, "Gegenstände kaufen"},
    {CategoryPanel, GuiSellItems, "Gegenstände verkaufen"},
    {CategoryPanel, GuiLabourMarket, "Arbeitsmarkt"},
    {CategoryPanel, GuiDismissStaff, "Arbeiter entlassen"},
    {CategoryPanel, GuiWorkPriorities, "Arbeitspriorisierung"},
    {CategoryPanel, GuiStatistics, "Statistik: Einnahmen, Ausgaben und Maschinen"},
    {CategoryPanel, GuiResearch, "Forschung"},
    {CategoryAction, GuiAddWorker, "Arbeiter hinzufügen"},
    {CategoryAction, GuiSaveGame, "Spiel speichern"},
};

bool IsDescribedCategory(ToolCategory category) {
    switch (category) {
    case CategoryTile:
    case CategoryZone:
    case CategoryObject:
    case CategoryDemolish:
    case CategoryPanel:
    case CategoryAction:
        return true;
    default:
        return false;
    }
}

const ToolText* FindToolText(ToolCategory category, GuiElemType element) {
    for (const ToolText& entry : ToolTexts) {
        if (entry.category == category && entry.element == element) {
            return &entry;
        }
    }
    return nullptr;
}

void WriteItemLines(std::ostringstream& text, const std::map<ItemType, std::size_t>& items) {
    if (items.empty()) {
        text << "    keine\n";
    }
    for (const auto& [type, count] : items) {
        text << "    " << count << "x " << GetItemTypeName(type) << "\n";
    }
}

} // namespace

std::string GetToolDescription(ToolCategory category, GuiElemType element) {
    if (!IsDescribedCategory(category)) {
        return "TYPE UNKNOWN";
    }
    const ToolText* entry = FindToolText(category, element);
    if (!entry) {
        return "SUBTYPE UNKNOWN";
    }
    // A string stream, so that prices follow the player's locale.
    std::ostringstream text;
    text << entry->text;
    switch (category) {
    case CategoryTile:
        text << "\nKosten: " << GetTilePrice(GetTileTypeForTool(element));
        break;
    case CategoryZone:
        text << "\nKosten: " << GetZonePrice(GetZoneTypeForTool(element));
        break;
    case CategoryObject:
        text << "\nKosten: " << GetObjectPrice(GetObjectTypeForTool(element));
        break;
    case CategoryDemolish:
        text << "\nRückerstattung: " << GetRefundText();
        break;
    default:
        break;
    }
    return text.str();
}

std::string GetRecipeDescription(const std::map<ItemType, std::size_t>& ingredients,
                                 const std::map<ItemType, std::size_t>& results, float duration) {
    if (results.empty() || duration < 0.f) {
        return "Nichts";
    }
    std::ostringstream text;
    text << "Zutaten:\n";
    WriteItemLines(text, ingredients);
    text << "\nErgebnis:\n";
    WriteItemLines(text, results);
    text << "\nProduktionsdauer: " << duration << "\n";
    return text.str();
}

std::string GetRefundText() {
    return "halber Kaufpreis";
}

} // namespace GameParams::Texts
