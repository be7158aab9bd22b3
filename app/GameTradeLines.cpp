// What the order and sell dialogs show beside the market's offer: what the
// player holds of each item, the titles over the columns, and the totals of
// the chosen amounts with the balance they leave.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "app/TradeLines.hpp"
#include "economy/MoneyText.hpp"
#include "ui/MenuColumnHeader.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"

namespace {

using DialogLayout::DialogLine;
using AmountEntry = MenuListboxItemAmountSelectorEntry;

// The list's frame is this far inside its left edge.
constexpr float ListBorder = 1.f;

} // namespace

namespace TradeLines {

double ChosenTotal(const Menu& menu) {
    double total = 0.0;
    for (const AmountEntry* entry : DialogLayout::FindAll<AmountEntry>(menu))
        total += static_cast<double>(entry->getAmount()) * entry->getPrice();
    return total;
}

bool AnyChosen(const Menu& menu) {
    for (const AmountEntry* entry : DialogLayout::FindAll<AmountEntry>(menu))
        if (entry->getAmount() != 0)
            return true;
    return false;
}

void ShowHeldAndTitles(Menu& menu, const std::map<ItemType, unsigned>& held,
                       const std::string& heldTitle) {
    const auto entries = DialogLayout::FindAll<AmountEntry>(menu);
    for (AmountEntry* entry : entries) {
        const auto found = held.find(entry->getItem());
        entry->setHeldText(std::to_string(found == held.end() ? 0u : found->second));
    }
    auto* header = DialogLayout::FindFirst<MenuColumnHeader>(menu);
    if (header == nullptr || entries.empty())
        return;
    const AmountEntry::ColumnEdges edges = entries.front()->getColumnEdges();
    const float imageEnd = entries.front()->getSize().y + 5.f;
    const MenuTextColumns columns = {
        {ListBorder + imageEnd, ListBorder + edges.heldRight - 80.f, false},
        {ListBorder + edges.heldRight - 100.f, ListBorder + edges.heldRight, true},
        {ListBorder + edges.heldRight, ListBorder + edges.priceRight, true},
        {ListBorder + edges.buttonsLeft, ListBorder + edges.amountRight, true},
    };
    header->setColumns(columns, {"Artikel", heldTitle, "Preis", "Menge / höchstens"});
}

} // namespace TradeLines

void Game::refreshTradeTotals() {
    const double balance = level->getBankAccount().getBalance();
    if (orderMenu.isOpen()) {
        const double total = TradeLines::ChosenTotal(orderMenu);
        std::string text =
            "Summe: " + MoneyText(total) + "      Kontostand danach: " + MoneyText(balance - total);
        const bool tooMuch = total > balance;
        if (tooMuch)
            text += "      Es fehlen " + MoneyText(total - balance);
        DialogLayout::ShowLine(orderMenu, DialogLine::Totals, text, tooMuch);
    }
    if (sellMenu.isOpen()) {
        const double total = TradeLines::ChosenTotal(sellMenu);
        // Sales are paid when the truck loads the units.
        DialogLayout::ShowLine(sellMenu, DialogLine::Totals,
                               "Erlös: " + MoneyText(total) +
                                   "      Kontostand nach Abholung: " + MoneyText(balance + total));
    }
}
