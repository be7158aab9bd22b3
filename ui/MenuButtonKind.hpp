#pragma once

#include "ui/MenuBindings.hpp"

// Which button of which dialog; fixes the caption and the action. Any other
// value makes an "UNKNOWN BUTTON" that does nothing.
enum MenuButtonKind : int {
    ButtonMainMenu = 0,
    ButtonOpenSaveMenu = 1,
    ButtonOpenLoadMenu = 2,
    ButtonQuitGame = 3,
    ButtonCloseMainMenu = 4,
    ButtonLoadGame = 5,
    ButtonCancelLoad = 6,
    ButtonSaveGame = 7,
    ButtonCancelSave = 8,
    ButtonApplyRecipe = 9,
    ButtonCancelRecipe = 10,
    ButtonBuy = 11,
    ButtonCancelBuy = 12,
    ButtonSell = 13,
    ButtonCancelSell = 14,
    ButtonTogglePrices = 15,
    ButtonClosePrices = 16,
    ButtonShowAll = 17,
    ButtonHideAll = 18,
    ButtonHire = 19,
    ButtonCloseLabourMarket = 20,
    ButtonDismiss = 21,
    ButtonCloseEmployee = 22,
    ButtonCloseStaff = 23,
    // The answers of the question the game asks before something is lost.
    ButtonConfirmQuit = 24,
    ButtonConfirmLoad = 25,
    ButtonConfirmOverwrite = 26,
    ButtonConfirmDismiss = 27,
    ButtonCancelQuestion = 28,
    // The only button of a notice the game shows when it refuses something.
    ButtonCloseNotice = 29,
    // The statistics dialog's pages and its close button.
    ButtonShowBenchStatistics = 30,
    ButtonShowMoneyStatistics = 31,
    ButtonCloseStatistics = 32,
    // The main menu's way to the settings, and the settings dialog's
    // buttons: one per value a setting may take, captioned by the dialog.
    ButtonOpenSettings = 33,
    ButtonCloseSettings = 34,
    ButtonSettingChoice = 35,
    // Deleting a save from the load or save dialog, and starting anew.
    ButtonDeleteSave = 36,
    ButtonConfirmDelete = 37,
    ButtonNewGame = 38,
    ButtonConfirmNewGame = 39,
    // The research dialog.
    ButtonChooseResearch = 40,
    ButtonCloseResearch = 41,
    ButtonKindCount = 42,
};

struct MenuButtonKindInfo {
    const char* caption; // UTF-8
    MenuAction action;
};

// The caption and action of a kind; the unknown entry for any other value.
const MenuButtonKindInfo& GetButtonKindInfo(int kind);
