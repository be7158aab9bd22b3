// The game's dialogs: what each one holds. Each builder starts from a
// cleared dialog and leaves it laid out and centred.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuColumnHeader.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuStockChart.hpp"

#include <algorithm>
#include <memory>

namespace {

using DialogLayout::DialogLine;

// The buy and sell lines hold an image and their amount controls.
constexpr float TradeEntryHeight = 40.f;
constexpr int TradeListLines = 8;
constexpr int StaffListLines = 7;
constexpr float ListScrollbarWidth = 30.f;
// A person's name, three skills, three needs and the salary take about 415
// pixels; at 400 the salary would sit under the buttons.
constexpr float SelectorHeight = 420.f;
// The chart is wider than the dialog's own width, and the dialog follows it.
constexpr float PriceChartWidthFactor = 2.5f;
constexpr float PriceChartHeight = 600.f;

const char* const BuyPricesTitle = "Item-Kaufpreise";
const char* const SellPricesTitle = "Item-Verkaufspreise";

// Whole lines only, so no line is cut in half before the player scrolls.
std::unique_ptr<MenuListbox> MakeList(const sf::Font& font, float width, float entryHeight,
                                      int lines) {
    auto list = std::make_unique<MenuListbox>(font);
    list->setEntryHeight(entryHeight);
    list->setSize(width, list->heightForLines(lines));
    return list;
}

// The titles over the list, the list, and under it the totals of the
// chosen amounts and the answer to the last action.
void AddTradeList(Menu& menu, const sf::Font& font, float width) {
    menu.add(std::make_unique<MenuColumnHeader>(font, DialogLayout::ColumnHeaderHeight));
    menu.add(MakeList(font, width, TradeEntryHeight, TradeListLines));
    DialogLayout::AddLine(menu, DialogLine::Totals, width);
    DialogLayout::AddLine(menu, DialogLine::Note, width);
}

} // namespace

void Game::buildDialogs() {
    buildMainMenu();
    buildSaveMenu();
    buildLoadMenu();
    buildOrderMenu();
    buildSellMenu();
    buildPriceMenu();
    buildLabourMarketMenu();
    buildDismissMenu();
    buildStaffMenu();
    buildStatisticsMenu();
    buildResearchMenu();
}

void Game::buildOrderMenu() {
    DialogLayout::Start(orderMenu, this, font, "Neue Bestellung aufgeben", dialogWidthLarge);
    AddTradeList(orderMenu, font, dialogWidthLarge);
    DialogLayout::AddButtonRow(orderMenu, ButtonBuy, ButtonCancelBuy, dialogWidthLarge);
    DialogLayout::Finish(orderMenu);
    refreshOrderMenu();
}

void Game::buildSellMenu() {
    DialogLayout::Start(sellMenu, this, font, "Produzierte Items verkaufen", dialogWidthLarge);
    AddTradeList(sellMenu, font, dialogWidthLarge);
    DialogLayout::AddButtonRow(sellMenu, ButtonSell, ButtonCancelSell, dialogWidthLarge);
    DialogLayout::Finish(sellMenu);
    refreshSellMenu();
}

void Game::buildPriceMenu() {
    DialogLayout::Start(priceMenu, this, font, BuyPricesTitle, dialogWidthLarge);
    auto chart = std::make_unique<MenuStockChart>(font);
    // A window lower than the first one gives the chart less height.
    const float missingHeight = std::max(0.f, WindowHeight - getGuiSize().y);
    chart->setSize(PriceChartWidthFactor * dialogWidthSmall, PriceChartHeight - missingHeight);
    MenuStockChart* shown = priceMenu.add(std::move(chart));
    DialogLayout::AddButtonRow(priceMenu, ButtonTogglePrices, ButtonClosePrices, dialogWidthLarge);
    DialogLayout::Finish(priceMenu);
    // Every sizing reads the whole price history: the chart is laid out
    // without the market and reads it once, when it is complete.
    shown->setMarket(&level->getStockMarket(), &gameTime);
    shown->update();
}

void Game::buildLabourMarketMenu() {
    DialogLayout::Start(labourMarketMenu, this, font, "Arbeitsmarkt", dialogWidthMedium);
    auto selector =
        std::make_unique<MenuEmployeeSelector>(&level->getApplicantPool().getApplicants(), font);
    selector->setSize(dialogWidthMedium, SelectorHeight);
    labourMarketMenu.add(std::move(selector));
    DialogLayout::AddButtonRow(labourMarketMenu, ButtonHire, ButtonCloseLabourMarket,
                               dialogWidthMedium);
    DialogLayout::Finish(labourMarketMenu);
}

void Game::buildDismissMenu() {
    DialogLayout::Start(dismissMenu, this, font, "Angestellte entlassen", dialogWidthMedium);
    auto selector = std::make_unique<MenuEmployeeSelector>(&level->getEmployees(), font);
    selector->setSize(dialogWidthMedium, SelectorHeight);
    dismissMenu.add(std::move(selector));
    DialogLayout::AddButtonRow(dismissMenu, ButtonDismiss, ButtonCloseEmployee, dialogWidthMedium);
    DialogLayout::Finish(dismissMenu);
}

void Game::buildStaffMenu() {
    DialogLayout::Start(staffMenu, this, font, "Angestellte verwalten", dialogWidthLarge);
    auto header = std::make_unique<MenuColumnHeader>(font, DialogLayout::ColumnHeaderHeight);
    // The priorities end where the lines do, left of the scrollbar.
    const float linesEnd = dialogWidthLarge - ListScrollbarWidth - 8.f;
    header->setColumns({{8.f, 300.f, false}, {300.f, linesEnd, true}},
                       {"Name", "Arbeiten nach Vorrang, links zuerst"});
    staffMenu.add(std::move(header));
    staffMenu.add(MakeList(font, dialogWidthLarge, TradeEntryHeight, StaffListLines));
    staffMenu.addButton(ButtonCloseStaff);
    DialogLayout::Finish(staffMenu);
    refreshStaffMenu();
}

void Game::showPriceTitle() {
    auto* chart = DialogLayout::FindFirst<MenuStockChart>(priceMenu);
    auto* title = DialogLayout::FindFirst<MenuLabel>(priceMenu);
    if (chart == nullptr || title == nullptr)
        return;
    title->setText(chart->isShowingBuyPrices() ? BuyPricesTitle : SellPricesTitle);
}
