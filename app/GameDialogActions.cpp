// What the dialogs' buttons do to the game.

#include "app/Game.hpp"

#include "actors/GameObject.hpp"
#include "app/DialogLayout.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuListboxImageEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"
#include "ui/MenuStockChart.hpp"
#include "ui/MenuTextbox.hpp"

namespace {

// The first selected entry of that class in the dialog.
template <class Entry> Entry* FirstSelected(const Menu& menu) {
    for (Entry* entry : DialogLayout::FindAll<Entry>(menu))
        if (entry->isSelected())
            return entry;
    return nullptr;
}

// Binds an action to a member of the game; the game handed in may be null.
template <class Result> void BindToGame(MenuAction action, Result (Game::*member)()) {
    MenuBindings::Bind(action, [member](Game* game) {
        if (game != nullptr)
            (game->*member)();
    });
}

} // namespace

bool Game::loadSelectedGame() {
    const MenuListboxEntry* entry = FirstSelected<MenuListboxEntry>(loadMenu);
    const std::string name = entry == nullptr ? "" : entry->getText();
    if (name.empty() || !loadGame(name))
        return false;
    closeTopMenu();
    saveListsDirty = true;
    return true;
}

bool Game::saveUnderEnteredName() {
    const MenuTextbox* nameBox = DialogLayout::FindFirst<MenuTextbox>(saveMenu);
    const std::string name = nameBox == nullptr ? "" : nameBox->getText();
    if (name.empty() || !saveGame(name))
        return false;
    closeTopMenu();
    saveListsDirty = true;
    return true;
}

bool Game::applySelectedRecipe() {
    const MenuListboxImageEntry* entry = FirstSelected<MenuListboxImageEntry>(productionMenu);
    GameObject* object = getSelectedObject();
    if (entry == nullptr || object == nullptr || static_cast<int>(entry->getItem()) == -1)
        return false;
    if (!object->setRecipe(entry->getItem()))
        return false;
    closeTopMenu();
    return true;
}

bool Game::buyChosenItems() {
    bool bought = false;
    for (const auto* entry : DialogLayout::FindAll<MenuListboxItemAmountSelectorEntry>(orderMenu))
        if (entry->getAmount() != 0)
            bought =
                level->buyItems(entry->getPrice(), entry->getItem(), entry->getAmount()) || bought;
    refreshOrderMenu();
    return bought;
}

bool Game::sellChosenItems() {
    bool sold = false;
    for (const auto* entry : DialogLayout::FindAll<MenuListboxItemAmountSelectorEntry>(sellMenu))
        if (entry->getAmount() != 0)
            sold =
                level->sellItems(entry->getItem(), entry->getAmount(), entry->getPrice()) || sold;
    refreshSellMenu();
    return sold;
}

void Game::togglePrices() {
    if (auto* chart = DialogLayout::FindFirst<MenuStockChart>(priceMenu))
        chart->togglePrices();
    showPriceTitle();
}

bool Game::hireSelectedApplicant() {
    if (auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(labourMarketMenu)) {
        if (selector->getIndex() < level->getApplicantPool().size())
            level->hireApplicant(selector->getIndex());
    }
    refreshLabourMarketMenu();
    return true;
}

bool Game::dismissSelectedEmployee() {
    bool dismissed = false;
    if (auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(dismissMenu)) {
        if (selector->getIndex() < level->getEmployees().size())
            dismissed = level->removeEmployee(selector->getIndex());
    }
    refreshDismissMenu();
    return dismissed;
}

void Game::bindDialogActions() {
    BindToGame(ActionOpenSaveMenu, &Game::openSaveMenu);
    BindToGame(ActionOpenLoadMenu, &Game::openLoadMenu);
    BindToGame(ActionLoadSelectedGame, &Game::loadSelectedGame);
    BindToGame(ActionSaveUnderName, &Game::saveUnderEnteredName);
    BindToGame(ActionApplyRecipe, &Game::applySelectedRecipe);
    BindToGame(ActionBuyChosen, &Game::buyChosenItems);
    BindToGame(ActionSellChosen, &Game::sellChosenItems);
    BindToGame(ActionTogglePrices, &Game::togglePrices);
    BindToGame(ActionHireApplicant, &Game::hireSelectedApplicant);
    BindToGame(ActionDismissEmployee, &Game::dismissSelectedEmployee);
    MenuBindings::Bind(ActionOpenProductionMenu, [](Game* game) {
        if (game != nullptr)
            game->openProductionMenu(game->getSelectedObject());
    });
    BindToGame(ActionOpenPriceMenu, &Game::openPriceMenu);
    BindToGame(ActionOpenOrderMenu, &Game::openOrderMenu);
    BindToGame(ActionOpenSellMenu, &Game::openSellMenu);
    BindToGame(ActionOpenLabourMarketMenu, &Game::openLabourMarketMenu);
    BindToGame(ActionOpenDismissMenu, &Game::openDismissMenu);
    BindToGame(ActionOpenStaffMenu, &Game::openStaffMenu);
}
