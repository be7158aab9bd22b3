// What the dialogs' buttons do to the game.

#include "app/Game.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "app/DialogLayout.hpp"
#include "persist/SaveGames.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButtonKind.hpp"
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
    if (name.empty())
        return false;
    if (!hasUnsavedProgress())
        return loadGameAndClose(name);
    ask("Spielstand laden?", {"Nicht gespeicherte Fortschritte gehen verloren."}, ButtonConfirmLoad,
        [this, name] { loadGameAndClose(name); });
    return false;
}

bool Game::loadGameAndClose(const std::string& name) {
    if (!loadGame(name))
        return false;
    closeTopMenu();
    saveListsDirty = true;
    return true;
}

bool Game::saveUnderEnteredName() {
    const MenuTextbox* nameBox = DialogLayout::FindFirst<MenuTextbox>(saveMenu);
    const std::string name = nameBox == nullptr ? "" : nameBox->getText();
    if (name.empty())
        return false;
    // A name the game refuses is reported by the save itself.
    if (!GameParams::SaveNameProblem(name).empty() || !GameParams::SaveGameExists(name))
        return saveGameAndClose(name);
    ask("Überschreiben?",
        {"Der Spielstand „" + name + "“", "wird durch das laufende Spiel ersetzt."},
        ButtonConfirmOverwrite, [this, name] { saveGameAndClose(name); });
    return false;
}

bool Game::saveGameAndClose(const std::string& name) {
    if (!saveGame(name))
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
    auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(dismissMenu);
    const auto& employees = level->getEmployees();
    if (selector == nullptr || selector->getIndex() >= employees.size())
        return false;
    // The person shown when asked is the one dismissed, by id: the answer
    // never reaches whoever the list shows next.
    const Employee& chosen = *employees[selector->getIndex()];
    const int id = chosen.getId();
    ask("Mitarbeiter entlassen?", {chosen.getFullName() + " wird entlassen."}, ButtonConfirmDismiss,
        [this, id] { dismissEmployee(id); });
    return false;
}

void Game::dismissEmployee(int id) {
    const auto& employees = level->getEmployees();
    for (std::size_t index = 0; index < employees.size(); ++index)
        if (employees[index]->getId() == id) {
            const std::string name = employees[index]->getFullName();
            if (!level->removeEmployee(index))
                // Only a unit in hand that fits nowhere keeps someone on.
                tell("Nicht entlassen",
                     {name + " trägt Ware, für die", "kein Lagerplatz frei ist."});
            break;
        }
    refreshDismissMenu();
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
