// What the dialogs' buttons do: trading refreshes its lists, the price chart
// switches with its title, staff is hired and dismissed.

#include "DialogTestSupport.hpp"

#include "actors/Employee.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListboxEmployeePrioritySelectorEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"

#include <algorithm>
#include <vector>

namespace {

using AmountEntry = MenuListboxItemAmountSelectorEntry;

AmountEntry* EntryFor(const Menu& menu, ItemType item) {
    for (AmountEntry* entry : DialogLayout::FindAll<AmountEntry>(menu))
        if (entry->getItem() == item)
            return entry;
    return nullptr;
}

} // namespace

TEST_F(DialogTest, BuyingChargesTheChosenAmountsAndRefreshesTheList) {
    ASSERT_TRUE(game->openOrderMenu());
    Menu& menu = game->getOrderMenu();
    const auto entries = DialogLayout::FindAll<AmountEntry>(menu);
    ASSERT_FALSE(entries.empty());
    const auto supply = level().getStockMarket().getItemAvailability();
    for (const AmountEntry* entry : entries)
        EXPECT_EQ(entry->getMaximum(), supply.at(entry->getItem()));

    AmountEntry* steel = EntryFor(menu, ItemSteel);
    ASSERT_NE(steel, nullptr);
    const unsigned before = steel->getMaximum();
    const double balance = level().getBankAccount().getBalance();
    const float price = steel->getPrice();
    steel->setAmount(2);
    clickButton(menu, ButtonBuy);

    EXPECT_TRUE(menu.isOpen());
    EXPECT_NEAR(level().getBankAccount().getBalance(), balance - 2.0 * price, 0.01);
    EXPECT_EQ(steel->getAmount(), 0u);
    EXPECT_EQ(steel->getMaximum(), before - 2);
}

TEST_F(DialogTest, BuyingNothingChangesNothingButRefreshesTheList) {
    ASSERT_TRUE(game->openOrderMenu());
    const double balance = level().getBankAccount().getBalance();
    clickButton(game->getOrderMenu(), ButtonBuy);
    EXPECT_EQ(level().getBankAccount().getBalance(), balance);
    EXPECT_TRUE(game->getOrderMenu().isOpen());
}

TEST_F(DialogTest, TheSellableAmountIsBoundByDemandAndUnsoldStock) {
    ASSERT_TRUE(game->openSellMenu());
    for (const AmountEntry* entry : DialogLayout::FindAll<AmountEntry>(game->getSellMenu()))
        EXPECT_EQ(entry->getMaximum(), 0u) << "nothing is in storage";
    key(sf::Keyboard::Escape);

    const auto demand = level().getStockMarket().getItemRequests();
    const auto wantedItem = std::find_if(demand.begin(), demand.end(),
                                         [](const auto& entry) { return entry.second > 0; });
    ASSERT_NE(wantedItem, demand.end());
    const ItemType item = wantedItem->first;
    const unsigned wanted = static_cast<unsigned>(wantedItem->second);
    level().addStored(item, wanted + 5);
    ASSERT_TRUE(game->openSellMenu());
    AmountEntry* entry = EntryFor(game->getSellMenu(), item);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->getMaximum(), wanted) << "no more than the market wants";

    entry->setAmount(wanted);
    clickButton(game->getSellMenu(), ButtonSell);
    EXPECT_EQ(level().getItemsNeedingShippingPreparation().at(item), wanted);
    EXPECT_EQ(entry->getAmount(), 0u);
    // The market wants no more now, and storage holds only five unsold.
    EXPECT_LE(entry->getMaximum(), 5u);
    EXPECT_TRUE(game->getSellMenu().isOpen());
}

TEST_F(DialogTest, ThePriceTitleSwitchesWithEveryPressAndResetsOnOpening) {
    Menu& menu = game->getPriceMenu();
    auto title = [&] { return DialogLayout::FindFirst<MenuLabel>(menu)->getText(); };
    ASSERT_TRUE(game->openPriceMenu());
    EXPECT_EQ(title(), "Item-Kaufpreise");
    EXPECT_GT(menu.getSize().x, 1000.f) << "the chart sets the dialog's width";
    clickButton(menu, ButtonTogglePrices);
    EXPECT_EQ(title(), "Item-Verkaufspreise");
    clickButton(menu, ButtonTogglePrices);
    EXPECT_EQ(title(), "Item-Kaufpreise");
    clickButton(menu, ButtonTogglePrices);
    key(sf::Keyboard::Escape);
    ASSERT_TRUE(game->openPriceMenu());
    EXPECT_EQ(title(), "Item-Kaufpreise");
}

TEST_F(DialogTest, HiringAndDismissingChangeTheStaffAndKeepTheDialogsOpen) {
    const std::size_t applicants = level().getApplicantPool().size();
    ASSERT_GT(applicants, 0u);
    ASSERT_TRUE(game->openLabourMarketMenu());
    clickButton(game->getLabourMarketMenu(), ButtonHire);
    clickButton(game->getLabourMarketMenu(), ButtonHire);
    EXPECT_EQ(level().getEmployees().size(), 2u);
    EXPECT_EQ(level().getApplicantPool().size(), applicants - 2);
    EXPECT_TRUE(game->getLabourMarketMenu().isOpen());
    key(sf::Keyboard::Escape);

    ASSERT_TRUE(game->openStaffMenu());
    EXPECT_EQ(DialogLayout::FindAll<MenuListboxEmployeePrioritySelectorEntry>(game->getStaffMenu())
                  .size(),
              2u);
    key(sf::Keyboard::Escape);

    ASSERT_TRUE(game->openDismissMenu());
    auto* selector = DialogLayout::FindFirst<MenuEmployeeSelector>(game->getDismissMenu());
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->getTitleText(), "1 / 2");
    clickButton(game->getDismissMenu(), ButtonDismiss);
    answer(ButtonConfirmDismiss);
    EXPECT_EQ(level().getEmployees().size(), 1u);
    EXPECT_EQ(selector->getTitleText(), "1 / 1");
    clickButton(game->getDismissMenu(), ButtonDismiss);
    answer(ButtonConfirmDismiss);
    clickButton(game->getDismissMenu(), ButtonDismiss);
    EXPECT_TRUE(level().getEmployees().empty());
    EXPECT_EQ(game->getTopMenu(), &game->getDismissMenu()) << "nobody left to ask about";
    EXPECT_TRUE(game->getDismissMenu().isOpen());

    key(sf::Keyboard::Escape);
    ASSERT_TRUE(game->openStaffMenu());
    EXPECT_TRUE(
        DialogLayout::FindAll<MenuListboxEmployeePrioritySelectorEntry>(game->getStaffMenu())
            .empty());
}
