#include "ui/MenuButtonKind.hpp"

namespace {

const MenuButtonKindInfo ButtonKinds[ButtonKindCount] = {
    {"Hauptmenü", ActionOpenMainMenu},        {"Spielstand speichern", ActionOpenSaveMenu},
    {"Spielstand laden", ActionOpenLoadMenu}, {"Spiel verlassen", ActionQuitGame},
    {"Menü schließen", ActionCloseTopMenu},   {"Spielstand laden", ActionLoadSelectedGame},
    {"Abbrechen", ActionCloseTopMenu},        {"Spielstand speichern", ActionSaveUnderName},
    {"Abbrechen", ActionCloseTopMenu},        {"Übernehmen", ActionApplyRecipe},
    {"Abbrechen", ActionCloseTopMenu},        {"Kaufen", ActionBuyChosen},
    {"Abbrechen", ActionCloseTopMenu},        {"Verkaufen", ActionSellChosen},
    {"Abbrechen", ActionCloseTopMenu},        {"Preise umschalten", ActionTogglePrices},
    {"Schließen", ActionCloseTopMenu},        {"Alle anzeigen", ActionNone},
    {"Alle ausblenden", ActionNone},          {"Einstellen", ActionHireApplicant},
    {"Schließen", ActionCloseTopMenu},        {"Entlassen", ActionDismissEmployee},
    {"Schließen", ActionCloseTopMenu},        {"Schließen", ActionCloseTopMenu},
    {"Verlassen", ActionConfirmQuestion},     {"Laden", ActionConfirmQuestion},
    {"Überschreiben", ActionConfirmQuestion}, {"Entlassen", ActionConfirmQuestion},
    {"Abbrechen", ActionCloseTopMenu},        {"OK", ActionCloseTopMenu},
    {"Maschinen", ActionToggleStatistics},    {"Übersicht", ActionToggleStatistics},
    {"Schließen", ActionCloseTopMenu},        {"Einstellungen", ActionOpenSettingsMenu},
    {"Schließen", ActionCloseTopMenu},        {"", ActionNone},
    {"Löschen", ActionDeleteSelectedSave},    {"Löschen", ActionConfirmQuestion},
    {"Neues Spiel", ActionNewGame},           {"Neues Spiel", ActionConfirmQuestion},
    {"Erforschen", ActionChooseResearch},     {"Schließen", ActionCloseTopMenu},
};

const MenuButtonKindInfo UnknownKind = {"UNKNOWN BUTTON", ActionNone};

} // namespace

const MenuButtonKindInfo& GetButtonKindInfo(int kind) {
    if (kind < 0 || kind >= ButtonKindCount)
        return UnknownKind;
    return ButtonKinds[kind];
}
