// What the dialogs' buttons do to the game.

#include "app/Game.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "app/DialogLayout.hpp"
#include "app/TradeLines.hpp"
#include "economy/MoneyText.hpp"
#include "params/Texts.hpp"
#include "persist/SaveGames.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuListboxImageEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"
#include "ui/MenuStockChart.hpp"
#include "ui/MenuTextbox.hpp"

namespace {

using DialogLayout::DialogLine;
using AmountEntry = MenuListboxItemAmountSelectorEntry;

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
    if (name.empty()) {
        DialogLayout::ShowLine(loadMenu, DialogLine::Note,
                               "Bitte zuerst einen Spielstand in der Liste wählen.", true);
        return false;
    }
    if (!hasUnsavedProgress())
        return loadGameAndClose(name);
    ask("Spielstand laden?", {"Nicht gespeicherte Fortschritte gehen verloren."}, ButtonConfirmLoad,
        [this, name] { loadGameAndClose(name); });
    return false;
}

bool Game::loadGameAndClose(const std::string& name) {
    if (!loadGame(name)) {
        DialogLayout::ShowLine(loadMenu, DialogLine::Note,
                               "Dieser Spielstand lässt sich nicht laden.", true);
        return false;
    }
    closeTopMenu();
    saveListsDirty = true;
    return true;
}

bool Game::saveUnderEnteredName() {
    const MenuTextbox* nameBox = DialogLayout::FindFirst<MenuTextbox>(saveMenu);
    const std::string name = nameBox == nullptr ? "" : nameBox->getText();
    if (name.empty()) {
        refuseSaveName("Bitte einen Namen eingeben.");
        return false;
    }
    const std::string problem = GameParams::SaveNameProblem(name);
    if (!problem.empty()) {
        // The save refuses it and reports it on standard output as well.
        saveGame(name);
        refuseSaveName(problem);
        return false;
    }
    if (!GameParams::SaveGameExists(name))
        return saveGameAndClose(name);
    ask("Überschreiben?",
        {"Der Spielstand „" + name + "“", "wird durch das laufende Spiel ersetzt."},
        ButtonConfirmOverwrite, [this, name] { saveGameAndClose(name); });
    return false;
}

bool Game::saveGameAndClose(const std::string& name) {
    if (!saveGame(name)) {
        DialogLayout::ShowLine(saveMenu, DialogLine::Note,
                               "Der Spielstand konnte nicht geschrieben werden.", true);
        return false;
    }
    closeTopMenu();
    saveListsDirty = true;
    return true;
}

bool Game::applySelectedRecipe() {
    const MenuListboxImageEntry* entry = FirstSelected<MenuListboxImageEntry>(productionMenu);
    GameObject* object = getSelectedObject();
    std::string problem;
    if (object == nullptr)
        problem = "Die Werkbank gibt es nicht mehr.";
    else if (entry == nullptr || entry->getItem() == ItemInvalid)
        problem = "Bitte zuerst ein Produkt in der Liste wählen.";
    else if (!object->setRecipe(entry->getItem()))
        problem = "Das kann diese Werkbank nicht herstellen.";
    if (!problem.empty()) {
        DialogLayout::ShowLine(productionMenu, DialogLine::Note, problem, true);
        return false;
    }
    closeTopMenu();
    return true;
}

bool Game::buyChosenItems() {
    const auto entries = DialogLayout::FindAll<AmountEntry>(orderMenu);
    const auto supply = level->getStockMarket().getItemAvailability();
    // An order is placed whole or not at all: a cut order would leave the
    // player with parts of a plan and no word of which.
    const bool chosen = TradeLines::AnyChosen(orderMenu);
    std::string problem = chosen ? "" : "Keine Menge gewählt.";
    for (const AmountEntry* entry : entries) {
        if (entry->getAmount() == 0)
            continue;
        const auto offered = supply.find(entry->getItem());
        const std::size_t available = offered == supply.end() ? 0 : offered->second;
        if (available < entry->getAmount()) {
            problem = "Der Markt hat nur " + std::to_string(available) + " " +
                      GameParams::Texts::GetItemTypeName(entry->getItem()) + ".";
            break;
        }
    }
    const double total = TradeLines::ChosenTotal(orderMenu);
    const double balance = level->getBankAccount().getBalance();
    if (problem.empty() && total > balance)
        problem =
            "Zu wenig Geld für diese Bestellung: Es fehlen " + MoneyText(total - balance) + ".";
    if (!problem.empty()) {
        DialogLayout::ShowLine(orderMenu, DialogLine::Note, "Nicht bestellt. " + problem, true);
        // The chosen amounts stay for the player to mend; with none chosen
        // the list shows the market's offer of now.
        if (!chosen)
            refreshOrderMenu();
        return false;
    }
    bool bought = false;
    for (const AmountEntry* entry : entries)
        if (entry->getAmount() != 0)
            bought =
                level->buyItems(entry->getPrice(), entry->getItem(), entry->getAmount()) || bought;
    DialogLayout::ShowLine(orderMenu, DialogLine::Note,
                           "Bestellt für " + MoneyText(total) + ". Ein Lkw bringt die Ware.");
    refreshOrderMenu();
    return bought;
}

bool Game::sellChosenItems() {
    const auto entries = DialogLayout::FindAll<AmountEntry>(sellMenu);
    const auto sellable = level->sellableItems();
    const auto demand = level->getStockMarket().getItemRequests();
    std::string problem = TradeLines::AnyChosen(sellMenu) ? "" : "Keine Menge gewählt.";
    for (const AmountEntry* entry : entries) {
        if (entry->getAmount() == 0)
            continue;
        const std::string name = GameParams::Texts::GetItemTypeName(entry->getItem());
        const auto held = sellable.find(entry->getItem());
        const auto wanted = demand.find(entry->getItem());
        if (held == sellable.end() || held->second < entry->getAmount()) {
            problem = "Im Lager sind nur " +
                      std::to_string(held == sellable.end() ? 0u : held->second) + " " + name +
                      " verkaufbar.";
            break;
        }
        if (wanted == demand.end() || wanted->second < entry->getAmount()) {
            problem = "Der Markt nimmt nur " +
                      std::to_string(wanted == demand.end() ? 0 : wanted->second) + " " + name +
                      ".";
            break;
        }
    }
    if (!problem.empty()) {
        DialogLayout::ShowLine(sellMenu, DialogLine::Note, "Nicht verkauft. " + problem, true);
        if (!TradeLines::AnyChosen(sellMenu))
            refreshSellMenu();
        return false;
    }
    const double total = TradeLines::ChosenTotal(sellMenu);
    bool sold = false;
    for (const AmountEntry* entry : entries)
        if (entry->getAmount() != 0)
            sold =
                level->sellItems(entry->getItem(), entry->getAmount(), entry->getPrice()) || sold;
    DialogLayout::ShowLine(sellMenu, DialogLine::Note,
                           "Verkauft für " + MoneyText(total) +
                               ". Bezahlt wird, wenn der Lkw die Ware lädt.");
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
    BindToGame(ActionDeleteSelectedSave, &Game::deleteSelectedSave);
    BindToGame(ActionNewGame, &Game::askNewGame);
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
    BindToGame(ActionOpenResearchMenu, &Game::openResearchMenu);
    BindToGame(ActionChooseResearch, &Game::chooseSelectedResearch);
}
