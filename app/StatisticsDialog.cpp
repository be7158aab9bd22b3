// The statistics dialog: the money by day with a chart and the goods by
// item, or on its second page what every bench did today. Opening it pauses
// the game, so what it shows cannot change while it is open.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "app/StatisticsRows.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuMoneyChart.hpp"
#include "ui/MenuRowContainer.hpp"
#include "ui/MenuTable.hpp"

#include <memory>

namespace {

constexpr float DialogWidth = 1000.f;
constexpr float RowHeight = 24.f;
constexpr float Gap = 10.f;
// The totals, today and the six days before it.
constexpr int DayRowsShown = 8;
constexpr float DayTableWidth = 600.f;
constexpr float ChartHeight = 264.f;
constexpr float CaptionHeight = 24.f;
constexpr float ButtonHeight = 34.f;
// Both pages are the same height, so the buttons stay where they are.
constexpr float PageHeight = RowHeight * (DayRowsShown + 1) + Gap + ChartHeight;

std::unique_ptr<MenuTable> MakeTable(const sf::Font& font, float width, float height,
                                     std::vector<MenuTable::Column> columns,
                                     std::vector<MenuTable::Row> rows) {
    auto table = std::make_unique<MenuTable>(font);
    table->setRowHeight(RowHeight);
    table->setSize(width, height);
    table->setColumns(std::move(columns));
    table->setRows(std::move(rows));
    return table;
}

} // namespace

bool Game::openStatisticsMenu() {
    if (statisticsMenu.isOpen())
        return false;
    benchStatisticsShown = false;
    buildStatisticsMenu();
    return openMenu(statisticsMenu);
}

void Game::toggleStatisticsPage() {
    benchStatisticsShown = !benchStatisticsShown;
    buildStatisticsMenu();
}

void Game::buildStatisticsMenu() {
    using namespace StatisticsRows;
    const float tableHeight = RowHeight * (DayRowsShown + 1);
    if (!benchStatisticsShown) {
        DialogLayout::Start(statisticsMenu, this, font, "Statistik", DialogWidth);
        auto tables = std::make_unique<MenuRowContainer>();
        tables->setSpacing(Gap);
        tables->add(MakeTable(font, DayTableWidth, tableHeight, DayColumns(), DayRows(*level)));
        tables->add(MakeTable(font, DialogWidth - DayTableWidth - Gap, tableHeight, ItemColumns(),
                              ItemRows(*level)));
        tables->update();
        statisticsMenu.add(std::move(tables));
        auto chart = std::make_unique<MenuMoneyChart>(font);
        chart->setSize(DialogWidth, ChartHeight);
        chart->setDays(ChartDays(*level));
        statisticsMenu.add(std::move(chart));
    } else {
        DialogLayout::Start(statisticsMenu, this, font, "Statistik: Maschinen", DialogWidth);
        MenuLabel* caption = statisticsMenu.addLabel(MenuLabel::AlignLeft,
                                                     "Was jede Werkbank heute fertigte und womit "
                                                     "sie die Zeit seit Arbeitsbeginn verbrachte:",
                                                     DialogWidth, CaptionHeight);
        caption->setLargestCharacterSize(MenuTable::TextSize + 1);
        statisticsMenu.add(MakeTable(font, DialogWidth, PageHeight - CaptionHeight - Gap,
                                     BenchColumns(), BenchRows(*level)));
    }
    const auto buttons = DialogLayout::AddButtonRow(
        statisticsMenu,
        benchStatisticsShown ? ButtonShowMoneyStatistics : ButtonShowBenchStatistics,
        ButtonCloseStatistics, DialogWidth);
    // A button fits its caption's ink, and "Übersicht" stands taller than
    // "Maschinen": one height for both pages keeps the buttons in place.
    for (MenuButton* button : {buttons.first, buttons.second})
        button->setSize(button->getSize().x, ButtonHeight);
    buttons.first->getParent()->setSize(DialogWidth, 0.f);
    DialogLayout::Finish(statisticsMenu);
}

void Game::bindStatisticsActions() {
    MenuBindings::Bind(ActionOpenStatisticsMenu, [](Game* game) {
        if (game != nullptr)
            game->openStatisticsMenu();
    });
    MenuBindings::Bind(ActionToggleStatistics, [](Game* game) {
        if (game != nullptr)
            game->toggleStatisticsPage();
    });
}
