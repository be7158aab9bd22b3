// The production, order and sell dialogs show what a choice costs and
// earns, and refuse what cannot be done whole, saying why in the dialog.

#include "DialogTestSupport.hpp"

#include "actors/GameObject.hpp"
#include "economy/MoneyText.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuColumnHeader.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxColumnsEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"

namespace {

using AmountEntry = MenuListboxItemAmountSelectorEntry;
using DialogLayout::DialogLine;

AmountEntry* EntryFor(const Menu& menu, ItemType item) {
    for (AmountEntry* entry : DialogLayout::FindAll<AmountEntry>(menu))
        if (entry->getItem() == item)
            return entry;
    return nullptr;
}

std::string LineText(const Menu& menu, DialogLine::Role role) {
    const DialogLine* line = DialogLayout::FindLine(menu, role);
    return line == nullptr ? "" : line->getText();
}

// The ink of every text the dialogs added: column titles, the figures of the
// list's lines shown whole, and the lines under the list; in window pixels.
std::vector<Ink> NewTexts(const Menu& menu) {
    std::vector<Ink> inks;
    auto add = [&](const std::string& what, const MenuElement& owner, const sf::Text& text) {
        if (text.getString().isEmpty())
            return;
        sf::FloatRect box = text.getGlobalBounds();
        const sf::Vector2f at = menu.getAbsolutePosition(&owner);
        box.left += at.x;
        box.top += at.y;
        inks.push_back({what + " '" + std::string(text.getString()) + "'", box});
    };
    for (const MenuColumnHeader* header : DialogLayout::FindAll<MenuColumnHeader>(menu))
        for (const sf::Text& title : header->getTitles())
            add("title", *header, title);
    const MenuListbox* list = DialogLayout::FindFirst<MenuListbox>(menu);
    for (const auto* entry : DialogLayout::FindAll<MenuListboxColumnsEntry>(menu)) {
        const float top = entry->getPosition().y;
        if (list == nullptr || top < 0.f || top + entry->getSize().y > list->getSize().y)
            continue; // clipped by the list
        add("name", *entry, entry->getTextShape());
        for (const sf::Text& cell : entry->getCells())
            add("cell", *entry, cell);
    }
    for (const DialogLine* line : DialogLayout::FindAll<DialogLine>(menu))
        add("line", *line, line->getTextShape());
    return inks;
}

} // namespace

class TradeDialogTest : public DialogTest {
protected:
    void expectReadable(const Menu& menu) {
        const std::vector<Ink> inks = NewTexts(menu);
        EXPECT_GT(inks.size(), 3u);
        expectInksReadable(menu, inks);
    }
};

TEST_F(TradeDialogTest, AnOrderTheAccountCannotPayIsRefusedWholeAndSaysWhy) {
    level().getBankAccount().bookExpense(level().getBankAccount().getBalance() - 100.0);
    ASSERT_TRUE(game->openOrderMenu());
    Menu& menu = game->getOrderMenu();
    AmountEntry* steel = EntryFor(menu, ItemSteel);
    AmountEntry* glass = EntryFor(menu, ItemGlass);
    ASSERT_NE(steel, nullptr);
    ASSERT_NE(glass, nullptr);
    steel->setAmount(2);
    glass->setAmount(1);
    const double total = 2.0 * steel->getPrice() + glass->getPrice();
    ASSERT_GT(total, 100.0);
    game->update();
    EXPECT_NE(LineText(menu, DialogLine::Totals).find(MoneyText(total)), std::string::npos);

    const auto supply = level().getStockMarket().getItemAvailability();
    clickButton(menu, ButtonBuy);
    EXPECT_EQ(level().getBankAccount().getBalance(), 100.0);
    EXPECT_EQ(level().getTruckLogistics().unitsPending(), 0u) << "not one unit ordered";
    EXPECT_EQ(level().getStockMarket().getItemAvailability(), supply);
    EXPECT_NE(LineText(menu, DialogLine::Note).find("Es fehlen " + MoneyText(total - 100.0)),
              std::string::npos)
        << LineText(menu, DialogLine::Note);
    EXPECT_EQ(steel->getAmount(), 2u) << "the choice stays to be mended";

    // Less of it fits the account and is ordered whole.
    steel->setAmount(1);
    glass->setAmount(0);
    clickButton(menu, ButtonBuy);
    EXPECT_EQ(level().getTruckLogistics().unitsPending(), 1u);
    EXPECT_NE(LineText(menu, DialogLine::Note).find("Bestellt"), std::string::npos);
}

TEST_F(TradeDialogTest, TheDialogsShowTheirFiguresInsideWithoutOverlap) {
    ASSERT_TRUE(level().setTile(TileFloor, 10, 10));
    ASSERT_TRUE(level().setZone(ZoneWorkshop, 10, 10));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, 10, 10, 0.f));
    GameObject* bench = level().getObjectAtMapPosition(10, 10);
    ASSERT_NE(bench, nullptr);
    ASSERT_TRUE(game->openProductionMenu(bench));
    Menu& production = game->getProductionMenu();
    // The engine block's line shows the margin at today's prices, in green.
    for (const auto* entry : DialogLayout::FindAll<MenuListboxColumnsEntry>(production))
        if (entry->getItem() == ItemEngineBlock) {
            EXPECT_EQ(entry->getCellText(4), "+" + MoneyText(504.22));
            EXPECT_EQ(entry->getCells().at(4).getFillColor().g, 125);
        }
    clickButton(production, ButtonApplyRecipe); // nothing chosen
    EXPECT_TRUE(production.isOpen());
    EXPECT_FALSE(LineText(production, DialogLine::Note).empty());
    expectReadable(production);
    key(sf::Keyboard::Escape);

    level().addStored(ItemSteel, 3);
    ASSERT_TRUE(game->openOrderMenu());
    EXPECT_EQ(EntryFor(game->getOrderMenu(), ItemSteel)->getHeldText(), "3");
    // Two cars and two chassis are more than the account holds: the refusal
    // is the longest line the dialog shows.
    EntryFor(game->getOrderMenu(), ItemCar)->setAmount(2);
    EntryFor(game->getOrderMenu(), ItemChassis)->setAmount(2);
    game->update();
    clickButton(game->getOrderMenu(), ButtonBuy);
    EXPECT_NE(LineText(game->getOrderMenu(), DialogLine::Note).find("Es fehlen"),
              std::string::npos);
    expectReadable(game->getOrderMenu());
    key(sf::Keyboard::Escape);

    ASSERT_TRUE(game->openSellMenu());
    EXPECT_EQ(EntryFor(game->getSellMenu(), ItemSteel)->getHeldText(), "3");
    clickButton(game->getSellMenu(), ButtonSell); // nothing chosen
    EXPECT_FALSE(LineText(game->getSellMenu(), DialogLine::Note).empty());
    expectReadable(game->getSellMenu());
}
