// Opening the game's dialogs, and refreshing what they show from the level
// when they open.

#include "app/Game.hpp"

#include "actors/Employee.hpp"
#include "actors/GameObject.hpp"
#include "app/DialogLayout.hpp"
#include "app/TradeLines.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"

#include <algorithm>
#include <limits>
#include <map>

namespace {

using Counts = std::map<ItemType, unsigned>;
using Prices = std::map<ItemType, float>;

// Puts every entry back to amount 0 with the current largest amount and
// price, and adds an entry for an item the market now trades (a non-zero
// limit) that the list lacks.
void RefreshTradeList(MenuListbox& list, const Counts& limits, const Counts& maximums,
                      const Prices& prices) {
    std::map<ItemType, MenuListboxItemAmountSelectorEntry*> shown;
    for (MenuElement* element : list.getEntries())
        if (auto* entry = dynamic_cast<MenuListboxItemAmountSelectorEntry*>(element))
            shown.emplace(entry->getItem(), entry);
    for (const auto& [item, limit] : limits) {
        const auto price = prices.find(item);
        const float current = price == prices.end() ? 0.f : price->second;
        const auto maximum = maximums.find(item);
        const unsigned largest = maximum == maximums.end() ? 0u : maximum->second;
        const auto entry = shown.find(item);
        if (entry != shown.end()) {
            entry->second->setAmount(0);
            entry->second->setMaximum(largest);
            entry->second->setPrice(current);
        } else if (limit != 0) {
            list.addItemAmountSelectorEntry(item, largest, current);
        }
    }
    list.update();
}

// The market counts in size_t; an amount entry holds an unsigned.
Counts Narrowed(const StockMarket::CountTable& table) {
    Counts counts;
    for (const auto& [item, count] : table)
        counts.emplace(item, static_cast<unsigned>(std::min<std::size_t>(
                                 count, std::numeric_limits<unsigned>::max())));
    return counts;
}

} // namespace

// Both read the folder anew: a save added meanwhile, by this game or
// another, shows in either list.
bool Game::openSaveMenu() {
    if (!saveMenu.isOpen())
        buildSaveMenu();
    return openMenu(saveMenu);
}

bool Game::openLoadMenu() {
    if (!loadMenu.isOpen())
        buildLoadMenu();
    return openMenu(loadMenu);
}

bool Game::openProductionMenu(GameObject* object) {
    if (object == nullptr)
        return false;
    // An open dialog is never rebuilt under the walk that may be in it.
    if (productionMenu.isOpen())
        return false;
    selectedObject = object;
    buildProductionMenu(*object);
    return openMenu(productionMenu);
}

bool Game::openOrderMenu() {
    if (orderMenu.isOpen())
        return false;
    refreshOrderMenu();
    DialogLayout::ShowLine(orderMenu, DialogLayout::DialogLine::Note, "");
    const bool opened = openMenu(orderMenu);
    refreshTradeTotals();
    return opened;
}

bool Game::openSellMenu() {
    if (sellMenu.isOpen())
        return false;
    refreshSellMenu();
    DialogLayout::ShowLine(sellMenu, DialogLayout::DialogLine::Note, "");
    const bool opened = openMenu(sellMenu);
    refreshTradeTotals();
    return opened;
}

bool Game::openPriceMenu() {
    if (!priceMenu.isOpen())
        buildPriceMenu();
    return openMenu(priceMenu);
}

bool Game::openLabourMarketMenu() {
    if (!labourMarketMenu.isOpen())
        refreshLabourMarketMenu();
    return openMenu(labourMarketMenu);
}

bool Game::openDismissMenu() {
    if (!dismissMenu.isOpen())
        refreshDismissMenu();
    return openMenu(dismissMenu);
}

bool Game::openStaffMenu() {
    if (!staffMenu.isOpen())
        refreshStaffMenu();
    return openMenu(staffMenu);
}

void Game::refreshOrderMenu() {
    auto* list = DialogLayout::FindFirst<MenuListbox>(orderMenu);
    if (list == nullptr)
        return;
    const StockMarket& market = level->getStockMarket();
    const Counts supply = Narrowed(market.getItemAvailability());
    RefreshTradeList(*list, supply, supply, level->buyPrices());
    TradeLines::ShowHeldAndTitles(orderMenu, level->getStoredItems(), "Im Lager");
    refreshTradeTotals();
    DialogLayout::Centre(orderMenu);
}

void Game::refreshSellMenu() {
    auto* list = DialogLayout::FindFirst<MenuListbox>(sellMenu);
    if (list == nullptr)
        return;
    const StockMarket& market = level->getStockMarket();
    // Never more than the market wants nor more than storage holds unsold:
    // units sold beyond that would never reach a truck.
    const Counts demand = Narrowed(market.getItemRequests());
    const Counts sellable = level->sellableItems();
    Counts maximums;
    for (const auto& [item, wanted] : demand) {
        const auto held = sellable.find(item);
        maximums[item] = std::min(wanted, held == sellable.end() ? 0u : held->second);
    }
    RefreshTradeList(*list, demand, maximums, level->sellPrices());
    TradeLines::ShowHeldAndTitles(sellMenu, sellable, "Verkaufbar");
    refreshTradeTotals();
    DialogLayout::Centre(sellMenu);
}

void Game::refreshLabourMarketMenu() {
    if (auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(labourMarketMenu)) {
        // The level may be another since the dialog was built.
        selector->setApplicants(&level->getApplicantPool().getApplicants());
        selector->update();
    }
}

void Game::refreshDismissMenu() {
    if (auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(dismissMenu)) {
        selector->setEmployees(&level->getEmployees());
        selector->update();
    }
}

void Game::refreshStaffMenu() {
    auto* list = DialogLayout::FindFirst<MenuListbox>(staffMenu);
    if (list == nullptr)
        return;
    list->removeEmployeePrioritySelectorEntries();
    for (const std::unique_ptr<Employee>& employee : level->getEmployees())
        list->addEmployeePrioritySelectorEntry(*employee);
    list->update();
}
