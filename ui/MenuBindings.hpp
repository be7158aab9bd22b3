#pragma once

#include <functional>
#include <string>

class Game;

// The game's side of the toolkit. Buttons and menus name what they want done;
// the game binds each action to its own function when it starts, so the
// toolkit never needs to know the Game, and tests can bind stand-ins.
enum MenuAction : int {
    ActionNone = 0,
    ActionOpenMainMenu,
    ActionOpenSaveMenu,
    ActionOpenLoadMenu,
    ActionQuitGame,
    ActionCloseTopMenu,
    ActionLoadSelectedGame,
    ActionSaveUnderName,
    ActionApplyRecipe,
    ActionBuyChosen,
    ActionSellChosen,
    ActionTogglePrices,
    ActionHireApplicant,
    ActionDismissEmployee,
    // The dialogs the HUD and a click on a machine open.
    ActionOpenProductionMenu,
    ActionOpenPriceMenu,
    ActionOpenOrderMenu,
    ActionOpenSellMenu,
    ActionOpenLabourMarketMenu,
    ActionOpenDismissMenu,
    ActionOpenStaffMenu,
    ActionOpenResearchMenu,
    ActionChooseResearch,
    // Does what the open question asked about.
    ActionConfirmQuestion,
    // The statistics dialog, and its switch between money and benches.
    ActionOpenStatisticsMenu,
    ActionToggleStatistics,
    // The settings dialog, from the main menu.
    ActionOpenSettingsMenu,
    // Deletes the save chosen in the open load or save dialog; a new game.
    ActionDeleteSelectedSave,
    ActionNewGame,
    ActionCount,
};

using MenuCallback = std::function<void(Game*)>;
using MenuTooltipSink = std::function<void(const std::string&)>;

namespace MenuBindings {

// An out-of-range action or an empty function leaves the action unbound.
void Bind(MenuAction action, MenuCallback callback);
// Runs the bound function; an unbound action does nothing.
void Run(MenuAction action, Game* game);
bool IsBound(MenuAction action);

// Where a menu's tooltip text goes: the application's tooltip.
void BindTooltip(MenuTooltipSink sink);
void ShowTooltip(const std::string& text);

// Forgets every binding.
void Reset();

} // namespace MenuBindings
