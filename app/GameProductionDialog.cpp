// The production dialog: a bench's products with what each needs, how long
// it takes and what it earns at today's market prices.

#include "app/Game.hpp"

#include "actors/GameObject.hpp"
#include "actors/RecipeTable.hpp"
#include "app/DialogLayout.hpp"
#include "economy/MoneyText.hpp"
#include "economy/ProductFigures.hpp"
#include "params/Texts.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuColumnHeader.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxColumnsEntry.hpp"

#include <cmath>
#include <memory>

namespace {

using DialogLayout::DialogLine;

// Wide enough for the longest list of ingredients beside the figures: as
// wide as the price chart's dialog.
constexpr float ProductionWidthFactor = 2.5f;
// Room between the lines, and a list low enough for the smallest window.
constexpr float EntryHeight = 36.f;
constexpr int ListLines = 11;
constexpr float HeaderHeight = 22.f;
// The list's border and scrollbar beside its entries.
constexpr float ListBorder = 1.f;
constexpr float ScrollbarWidth = 30.f;
const sf::Color GainColour(0, 125, 40);
const sf::Color LossColour(190, 0, 0);

// The product's name is the entry's own text; these follow it, in the
// entry's space of the given width.
MenuTextColumns FigureColumns(float width) {
    return {
        {190.f, 560.f, false},       // ingredients
        {560.f, 640.f, true},        // duration
        {640.f, 745.f, true},        // ingredients' cost
        {745.f, 850.f, true},        // sale value
        {850.f, width - 12.f, true}, // margin per hour
    };
}

const std::vector<std::string> Titles = {"Produkt", "Zutaten", "Dauer",
                                         "Einkauf", "Verkauf", "Marge je Std."};

std::string IngredientsText(const Recipe& recipe) {
    if (recipe.ingredients.empty())
        return "keine";
    std::string text;
    for (const auto& [item, count] : recipe.ingredients) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(count) + "× " + GameParams::Texts::GetItemTypeName(item);
    }
    return text;
}

std::string SignedMoney(double amount) {
    return (amount > 0.0 ? "+" : "") + MoneyText(amount);
}

void ShowFigures(MenuListboxColumnsEntry& entry, const MenuTextColumns& columns,
                 const Recipe& recipe, const ProductFigures& figures) {
    if (!recipe.isValid())
        return;
    const double margin = figures.marginPerHour();
    const sf::Color marginColour = margin > 0.0   ? GainColour
                                   : margin < 0.0 ? LossColour
                                                  : sf::Color::Black;
    entry.setCells(
        columns,
        {IngredientsText(recipe),
         std::to_string(static_cast<int>(std::lround(recipe.duration))) + " min",
         recipe.ingredients.empty() ? "–" : MoneyText(figures.ingredientCost),
         MoneyText(figures.saleValue), SignedMoney(margin)},
        {sf::Color::Black, sf::Color::Black, sf::Color::Black, sf::Color::Black, marginColour});
}

} // namespace

void Game::buildProductionMenu(const GameObject& object) {
    const float width = ProductionWidthFactor * dialogWidthSmall;
    const float entryWidth = width - ListBorder - ScrollbarWidth;
    DialogLayout::Start(productionMenu, this, font, "Produktion wählen", width);

    // The header lies where the list does; its columns are the entries'
    // moved by the list's border.
    MenuTextColumns headerColumns = {{EntryHeight + 5.f, 190.f, false}};
    for (const MenuTextColumn& column : FigureColumns(entryWidth))
        headerColumns.push_back(column);
    for (MenuTextColumn& column : headerColumns) {
        column.left += ListBorder;
        column.right += ListBorder;
    }
    auto header = std::make_unique<MenuColumnHeader>(font, HeaderHeight);
    header->setColumns(headerColumns, Titles);
    productionMenu.add(std::move(header));

    auto list = std::make_unique<MenuListbox>(font);
    list->setEntryHeight(EntryHeight);
    list->setSize(width, list->heightForLines(ListLines));
    MenuListbox* shown = productionMenu.add(std::move(list));
    const StockMarket::PriceTable buyPrices = level->buyPrices();
    const StockMarket::PriceTable sellPrices = level->sellPrices();
    const MenuTextColumns columns = FigureColumns(entryWidth);
    for (ItemType product : object.getAvailableRecipes()) {
        MenuListboxColumnsEntry* entry = shown->addColumnsEntry(product);
        Recipe recipe = GameParams::GetRecipe(product);
        // As long as a run takes at the bench, after finished research.
        recipe.duration =
            Research::Scaled(recipe.duration, level->getResearchEffects().recipeDuration);
        ShowFigures(*entry, columns, recipe, FiguresOf(recipe, buyPrices, sellPrices));
    }
    DialogLayout::AddLine(productionMenu, DialogLine::Note, width);
    DialogLayout::AddButtonRow(productionMenu, ButtonApplyRecipe, ButtonCancelRecipe, width);
    DialogLayout::Finish(productionMenu);
}
