#include "ui/Menu.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuScrollbar.hpp"
#include "ui/MenuTextbox.hpp"

#include "MenuTestSupport.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A menu at the window's corner holding one list 200 x 100; entries are 20
// high, so entry k's middle is at menu y 10 + 1 + 20 k + 10.
class ListboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuListboxEntry::SetPressClock([this] { return now; });
        menu.setGame(StandInGame());
        auto box = std::make_unique<MenuListbox>(font);
        box->setSize(200, 100);
        list = menu.add(std::move(box));
    }
    void TearDown() override { MenuListboxEntry::SetPressClock(nullptr); }

    void fill(int count) {
        for (int i = 0; i < count; ++i)
            list->addEntry("Spielstand " + std::to_string(i));
        menu.layout();
    }
    static int entryY(int k) { return 10 + 1 + 20 * k + 10; }
    void click(int x, int y) {
        menu.onMousePressed(x, y);
        menu.onMouseReleased(x, y);
    }
    MenuListboxEntry* entry(int k) const {
        return dynamic_cast<MenuListboxEntry*>(list->getEntries()[static_cast<std::size_t>(k)]);
    }
    // The scrollbar's middle column, in menu coordinates.
    int scrollbarX() const {
        return 10 + static_cast<int>(list->getScrollbar().getPosition().x) + 15;
    }

    MenuBindingsScope bindings;
    sf::Font font;
    Menu menu;
    MenuListbox* list = nullptr;
    sf::Time now = sf::seconds(10);
};

TEST_F(ListboxTest, ClickSelectsOnlyThatEntryAndCopiesItsText) {
    MenuTextbox textbox(StandInGame(), font);
    list->setLinkedText(&textbox);
    fill(3);
    click(50, entryY(0));
    now += sf::seconds(2);
    click(50, entryY(2));
    EXPECT_FALSE(entry(0)->isSelected());
    EXPECT_FALSE(entry(1)->isSelected());
    EXPECT_TRUE(entry(2)->isSelected());
    EXPECT_EQ(list->getSelectedEntry(), entry(2));
    EXPECT_EQ(textbox.getText(), "Spielstand 2");
    EXPECT_EQ(entry(2)->getFillColor(), MenuListboxEntry::SelectedColor);
}

TEST_F(ListboxTest, ClickOnTheScrollbarKeepsTheSelection) {
    fill(10);
    click(50, entryY(1));
    now += sf::seconds(2);
    click(scrollbarX(), 10 + 100 - 5); // the down arrow
    EXPECT_EQ(list->getSelectedEntry(), entry(1));
    EXPECT_GT(list->getScrollPosition(), 0.f);
}

TEST_F(ListboxTest, TwoQuickPressesOnDifferentEntriesRunTheLinkedButtonForTheSecond) {
    fill(3);
    MenuButton button(nullptr, StandInGame(), font, ButtonLoadGame);
    list->setLinkedButton(&button);
    std::vector<std::string> loaded;
    MenuBindings::Bind(ActionLoadSelectedGame, [&](Game*) {
        loaded.push_back(list->getSelectedEntry() ? list->getSelectedEntry()->getText() : "");
    });
    click(50, entryY(0));
    now += sf::seconds(0.4f);
    click(50, entryY(1));
    EXPECT_EQ(loaded, std::vector<std::string>{"Spielstand 1"});
}

TEST_F(ListboxTest, PressesFurtherApartOrTheFirstEverAreSingleClicks) {
    fill(2);
    MenuButton button(nullptr, StandInGame(), font, ButtonLoadGame);
    list->setLinkedButton(&button);
    int runs = 0;
    MenuBindings::Bind(ActionLoadSelectedGame, [&](Game*) { ++runs; });
    click(50, entryY(0));
    now += sf::seconds(0.6f);
    click(50, entryY(0));
    EXPECT_EQ(runs, 0);
    now += sf::seconds(0.5f);
    click(50, entryY(0));
    EXPECT_EQ(runs, 1);
}

TEST_F(ListboxTest, ListThatFitsDoesNotScroll) {
    fill(3);
    list->scrollDown();
    menu.onMouseWheel(-1, 50, entryY(0));
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 0.f);
    EXPECT_FLOAT_EQ(entry(0)->getPosition().y, 1.f);
}

TEST_F(ListboxTest, StepsMoveFiftyPixelsOfContentAndStopAtBothEnds) {
    fill(10); // 200 of content in a box of 100
    list->scrollDown();
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 50.f);
    // Hidden content is 200 - 98; half of it is scrolled away, rounded to
    // whole lines of 20 so that none is cut at the edges.
    EXPECT_FLOAT_EQ(entry(0)->getPosition().y, 1.f - 60.f);
    list->scrollDown();
    list->scrollDown();
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 100.f);
    for (int i = 0; i < 3; ++i)
        list->scrollUp();
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 0.f);
}

TEST_F(ListboxTest, WheelAndArrowsScrollThroughTheMenu) {
    fill(10);
    menu.onMouseWheel(-1, 50, entryY(1));
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 50.f);
    menu.onMouseWheel(1, 50, entryY(1));
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 0.f);
    menu.onMouseWheel(0, 50, entryY(1));
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 0.f);
    menu.onMousePressed(scrollbarX(), 10 + 100 - 5);
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 50.f);
    menu.onMousePressed(scrollbarX(), 10 + 5);
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 0.f);
}

TEST_F(ListboxTest, DraggingTheThumbScrollsUntilReleasedAnywhere) {
    fill(10);
    const MenuScrollbar& bar = list->getScrollbar();
    // Track 100 - 2 x 30 = 40 high, thumb 4: 36 pixels of travel.
    const int thumbY = 10 + 30 + 1;
    menu.onMousePressed(scrollbarX(), thumbY);
    EXPECT_TRUE(bar.isDragging());
    menu.onMouseMoved(scrollbarX(), thumbY + 18);
    EXPECT_NEAR(list->getScrollPosition(), 50.f, 0.01f);
    menu.onMouseMoved(scrollbarX() - 150, thumbY + 500);
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 100.f);
    menu.onMouseReleased(30, 30);
    EXPECT_FALSE(bar.isDragging());
    menu.onMouseMoved(scrollbarX(), thumbY);
    EXPECT_FLOAT_EQ(list->getScrollPosition(), 100.f);
}

TEST_F(ListboxTest, InvisibleEntriesTakeNoRoom) {
    fill(3);
    entry(1)->setVisible(false);
    list->update();
    EXPECT_FLOAT_EQ(entry(2)->getPosition().y, 1.f + 20.f);
    EXPECT_FLOAT_EQ(list->getContentHeight(), 40.f);
}

} // namespace
