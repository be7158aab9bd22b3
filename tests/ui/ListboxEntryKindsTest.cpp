#include "actors/Employee.hpp"
#include "params/Graphics.hpp"
#include "params/TileSize.hpp"
#include "params/Texts.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxEmployeePrioritySelectorEntry.hpp"
#include "ui/MenuListboxImageEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"
#include "ui/MenuSymbolButton.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

class ListboxEntryKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        GameParams::Texts::SetMaleFirstNames({"Karl"});
        GameParams::Texts::SetFemaleFirstNames({"Erna"});
        GameParams::Texts::SetLastNames({"Novak"});
    }

    // The amount selector's buttons in creation order: maximum, +10, +1, -1, -10, zero.
    static void press(MenuListboxItemAmountSelectorEntry& entry, std::size_t button) {
        entry.onElementEvent(MenuEventType::MousePressed, entry.getElements()[button]);
    }
    enum { Maximum, PlusTen, PlusOne, MinusOne, MinusTen, Zero };

    sf::Font font;
    MenuListbox list{font};
};

TEST_F(ListboxEntryKindsTest, AmountStaysBetweenZeroAndTheMaximum) {
    auto& entry = *list.addItemAmountSelectorEntry(ItemSteel, 100, 35.3f);
    entry.setAmount(95);
    press(entry, PlusTen);
    EXPECT_EQ(entry.getAmount(), 100u);
    press(entry, PlusOne);
    EXPECT_EQ(entry.getAmount(), 100u);
    entry.setAmount(5);
    press(entry, MinusTen);
    EXPECT_EQ(entry.getAmount(), 0u);
    press(entry, MinusOne);
    EXPECT_EQ(entry.getAmount(), 0u);
    press(entry, Maximum);
    EXPECT_EQ(entry.getAmount(), 100u);
    press(entry, Zero);
    EXPECT_EQ(entry.getAmount(), 0u);
}

TEST_F(ListboxEntryKindsTest, LimitAndALowerMaximumCutTheAmount) {
    auto& entry = *list.addItemAmountSelectorEntry(ItemGlass, 12, 75.0f);
    entry.setAmount(3);
    EXPECT_EQ(entry.getAmountText(), "3 / 12");
    entry.setLimit(2);
    EXPECT_EQ(entry.getAmount(), 2u);
    EXPECT_EQ(entry.getAmountText(), "2 / 12 / 2");
    entry.setLimit(MenuListboxItemAmountSelectorEntry::NoLimit);
    entry.setAmount(10);
    entry.setMaximum(4);
    EXPECT_EQ(entry.getAmount(), 4u);
}

TEST_F(ListboxEntryKindsTest, PriceIsKeptToCentsAndShownWithTwoDecimals) {
    auto& entry = *list.addItemAmountSelectorEntry(ItemWood, 10, 7.4951f);
    EXPECT_FLOAT_EQ(entry.getPrice(), 7.5f);
    EXPECT_EQ(entry.getPriceText(), "7.50");
}

TEST_F(ListboxEntryKindsTest, ButtonsReadRightToLeftInCreationOrder) {
    auto& entry = *list.addItemAmountSelectorEntry(ItemSteel, 10, 1.f);
    entry.setSize(600, 40);
    const auto buttons = entry.getElements();
    ASSERT_EQ(buttons.size(), 6u);
    // Rightmost: 600 - 8 - 24 - 70.
    EXPECT_FLOAT_EQ(buttons[0]->getPosition().x, 498.f);
    for (std::size_t i = 1; i < buttons.size(); ++i)
        EXPECT_FLOAT_EQ(buttons[i]->getPosition().x, buttons[i - 1]->getPosition().x - 26.f);
    EXPECT_EQ(dynamic_cast<MenuSymbolButton*>(buttons[5])->getSymbol(),
              MenuSymbolButton::SymbolZero);
}

TEST_F(ListboxEntryKindsTest, TooltipsAppearOnlyOnceEnabled) {
    auto* image = list.addImageEntry(ItemTyre);
    EXPECT_EQ(image->getTooltip(), "");
    list.enableTooltips();
    EXPECT_EQ(image->getTooltip(), GameParams::Texts::GetItemTypeName(ItemTyre));
    EXPECT_TRUE(list.addImageEntry(ItemBrake)->isTooltipEnabled());
}

TEST_F(ListboxEntryKindsTest, SwapButtonExchangesNeighbouringPrioritiesOnTheEmployee) {
    Employee worker;
    worker.setTaskPriorities({TaskWalk, TaskWork, TaskIdle});
    auto& entry = *list.addEmployeePrioritySelectorEntry(worker);
    EXPECT_EQ(entry.getText(), worker.getFullName());
    // Two swap buttons, then a tooltip area over each of the three icons.
    ASSERT_EQ(entry.getElementCount(), 5);
    entry.onElementEvent(MenuEventType::MousePressed, entry.getElements()[0]);
    EXPECT_EQ(worker.getTaskPriorities(), (std::vector<TaskType>{TaskWork, TaskWalk, TaskIdle}));
    EXPECT_EQ(entry.getPriorities(), worker.getTaskPriorities());
    const float working = worker.getSkills().at(SkillWorkingSpeed);
    EXPECT_EQ(entry.getCaption(0), std::to_string(static_cast<int>(std::floor(working))));
    EXPECT_EQ(entry.getCaption(2), "nv");
    // Each icon explains itself; the first priority stands leftmost.
    entry.setSize(600, 40);
    const auto* first = dynamic_cast<MenuElementHandlerTooltip*>(entry.getElements()[2]);
    const auto* second = dynamic_cast<MenuElementHandlerTooltip*>(entry.getElements()[3]);
    ASSERT_TRUE(first != nullptr && second != nullptr);
    EXPECT_EQ(first->getTooltip().rfind("1. Priorität: Arbeiten", 0), 0u) << first->getTooltip();
    EXPECT_LT(first->getPosition().x, second->getPosition().x);
}

// Each priority shows its own task picture, in priority order from left to
// right; research (13) has no task type but a picture all the same.
TEST_F(ListboxEntryKindsTest, PriorityIconsShowTheirTaskKindsInOrder) {
    Employee worker;
    const std::vector<TaskType> priorities{TaskWork, static_cast<TaskType>(13), TaskWalk};
    worker.setTaskPriorities(priorities);
    auto& entry = *list.addEmployeePrioritySelectorEntry(worker);
    entry.setSize(760.f, 40.f);
    const sf::VertexArray& icons = entry.getIcons();
    ASSERT_EQ(icons.getVertexCount(), 4 * priorities.size());
    float previousLeft = -1.f;
    for (std::size_t i = 0; i < priorities.size(); ++i) {
        const sf::IntRect picture = GameParams::Graphics::GetTaskIconTexture(priorities[i]);
        const sf::Vertex* quad = &icons[4 * (priorities.size() - 1 - i)];
        // The icons are laid out from the right edge, the last priority first.
        EXPECT_EQ(quad[0].texCoords,
                  sf::Vector2f(static_cast<float>(picture.left), static_cast<float>(picture.top)))
            << "priority " << i;
        EXPECT_GT(quad[0].position.x, previousLeft) << "priority " << i;
        previousLeft = quad[0].position.x;
    }
}

TEST_F(ListboxEntryKindsTest, PrioritySelectorOfADismissedEmployeeDoesNothing) {
    auto worker = std::make_unique<Employee>();
    auto& entry = *list.addEmployeePrioritySelectorEntry(*worker);
    worker.reset();
    EXPECT_FALSE(entry.swapPriorities(0));
}

TEST_F(ListboxEntryKindsTest, RemovingPrioritySelectorsKeepsOtherEntries) {
    Employee worker;
    list.addEntry("bleibt");
    list.addEmployeePrioritySelectorEntry(worker);
    list.addEmployeePrioritySelectorEntry(worker);
    list.removeEmployeePrioritySelectorEntries();
    ASSERT_EQ(list.getEntries().size(), 1u);
    EXPECT_EQ(list.getElementCount(), 2);
}

} // namespace
