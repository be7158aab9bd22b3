#include "tests/ui/MenuTestSupport.hpp"
#include "ui/Menu.hpp"
#include "ui/MenuSpacer.hpp"

#include <gtest/gtest.h>

namespace {

class MenuLayoutTest : public ::testing::Test {
protected:
    MenuLayoutTest() { menu.setGame(StandInGame()); }

    ProbeElement* probe(float width, float height) {
        return menu.add(std::make_unique<ProbeElement>(log, "e", width, height));
    }
    static std::unique_ptr<ProbeElement> owned(EventLog& log, float width, float height) {
        return std::make_unique<ProbeElement>(log, "e", width, height);
    }

    Menu menu;
    EventLog log;
};

TEST_F(MenuLayoutTest, StacksElementsAndStretchesThemToTheWidest) {
    ProbeElement* narrow = probe(50, 20);
    ProbeElement* wide = probe(200, 30);
    menu.setHeaderHeight(15);
    menu.layout();
    EXPECT_EQ(menu.getSize(), sf::Vector2f(220, 15 + 10 + 50 + 10 + 10));
    EXPECT_EQ(narrow->getPosition(), sf::Vector2f(10, 25));
    EXPECT_EQ(narrow->getSize(), sf::Vector2f(200, 20));
    EXPECT_EQ(wide->getPosition(), sf::Vector2f(10, 55));
    EXPECT_EQ(menu.getBackground().getSize(), sf::Vector2f(220, 95));
}

TEST_F(MenuLayoutTest, InvalidLayoutReportsNoSizeAndNeedsAGame) {
    probe(50, 20);
    EXPECT_EQ(menu.getSize(), sf::Vector2f(0, 0));
    menu.setGame(nullptr);
    menu.layout();
    EXPECT_FALSE(menu.isLayoutValid());
    menu.setGame(StandInGame());
    menu.layout();
    EXPECT_TRUE(menu.isLayoutValid());
    probe(10, 10);
    EXPECT_FALSE(menu.isLayoutValid()) << "every add invalidates";
    EXPECT_EQ(menu.getSize(), sf::Vector2f(0, 0));
}

TEST_F(MenuLayoutTest, SpacerReplacesTheGapsOnBothSides) {
    ProbeElement* top = probe(100, 20);
    menu.add(std::make_unique<MenuSpacer>(nullptr, 0.f, 7.f));
    ProbeElement* bottom = probe(100, 20);
    menu.layout();
    EXPECT_FLOAT_EQ(bottom->getPosition().y - (top->getPosition().y + 20), 7.f);
    EXPECT_FLOAT_EQ(menu.getSize().y, 10 + 20 + 7 + 20 + 10);
}

TEST_F(MenuLayoutTest, TrailingSpacerKeepsOnlyItsOwnHeight) {
    probe(100, 20);
    MenuSpacer* spacer = menu.add(std::make_unique<MenuSpacer>(nullptr, 0.f, 7.f));
    menu.layout();
    EXPECT_FLOAT_EQ(spacer->getPosition().y, 30);
    EXPECT_FLOAT_EQ(menu.getSize().y, 10 + 20 + 7 + 10);
}

TEST(MenuRowContainerTest, RowIsAsWideAsItsChildrenAndCentresTheShorter) {
    EventLog log;
    MenuRowContainer row;
    ProbeElement* wide = row.add(std::make_unique<ProbeElement>(log, "w", 50, 40));
    ProbeElement* narrow = row.add(std::make_unique<ProbeElement>(log, "n", 30, 20));
    row.update();
    EXPECT_EQ(row.getSize(), sf::Vector2f(90, 40));
    EXPECT_EQ(wide->getPosition(), sf::Vector2f(0, 0));
    EXPECT_EQ(narrow->getPosition(), sf::Vector2f(60, 10));
    EXPECT_EQ(narrow->getSize(), sf::Vector2f(30, 20)) << "rows never resize children";
}

TEST(MenuRowContainerTest, TrailingSpacerTakesTheGapBeforeItAndLeavesNoneAfter) {
    EventLog log;
    MenuRowContainer row;
    row.add(std::make_unique<ProbeElement>(log, "a", 50, 40));
    MenuSpacer* spacer = row.add(std::make_unique<MenuSpacer>(&row, 25.f, 5.f));
    row.update();
    EXPECT_FLOAT_EQ(spacer->getPosition().x, 50);
    EXPECT_FLOAT_EQ(row.getSize().x, 75);
}

TEST(MenuRowContainerTest, SizeGivenToAValidRowStaysAndAnEmptyRowIsEmpty) {
    MenuRowContainer row;
    row.setSize(300, 50);
    EXPECT_EQ(row.getSize(), sf::Vector2f(0, 0)) << "first layout replaces the size";
    row.setSize(300, 50);
    EXPECT_EQ(row.getSize(), sf::Vector2f(300, 50));
}

TEST(MenuColumnContainerTest, WeightsSplitTheWidthAfterThePadding) {
    EventLog log;
    MenuColumnContainer columns;
    columns.setColumnCount(2);
    columns.setColumnWeight(1, 3);
    ProbeElement* left = new ProbeElement(log, "l", 10, 20);
    ProbeElement* right = new ProbeElement(log, "r", 10, 30);
    ASSERT_TRUE(columns.addElement(0, std::unique_ptr<MenuElement>(left)));
    ASSERT_TRUE(columns.addElement(1, std::unique_ptr<MenuElement>(right)));
    columns.setSize(410, 0);
    ASSERT_EQ(columns.getColumnWidths().size(), 2u);
    EXPECT_FLOAT_EQ(columns.getColumnWidths()[0], 100);
    EXPECT_FLOAT_EQ(columns.getColumnWidths()[1], 300);
    EXPECT_EQ(left->getSize(), sf::Vector2f(100, 20));
    EXPECT_EQ(right->getPosition(), sf::Vector2f(110, 0));
    EXPECT_FLOAT_EQ(columns.getSize().y, 30);
}

TEST(MenuColumnContainerTest, ElementsStackInTheirColumnWithTheSpacerRule) {
    EventLog log;
    MenuColumnContainer columns;
    columns.setColumnCount(1);
    columns.addElement(0, std::make_unique<ProbeElement>(log, "a", 10, 20));
    columns.addElement(0, std::make_unique<MenuSpacer>(nullptr, 0.f, 4.f));
    auto last = std::make_unique<ProbeElement>(log, "b", 10, 20);
    ProbeElement* b = last.get();
    columns.addElement(0, std::move(last));
    columns.setSize(100, 0);
    EXPECT_FLOAT_EQ(b->getPosition().y, 24);
    EXPECT_FLOAT_EQ(columns.getSize().y, 44);
    EXPECT_EQ(columns.getElementCount(), 3);
}

TEST(MenuColumnContainerTest, AddingToAMissingColumnIsRefusedAndChangesNothing) {
    EventLog log;
    MenuColumnContainer columns;
    columns.setColumnCount(2);
    columns.setSize(100, 0);
    ASSERT_TRUE(columns.isLayoutValid());
    EXPECT_FALSE(columns.addElement(2, std::make_unique<ProbeElement>(log, "x", 1, 1)));
    EXPECT_FALSE(columns.addElement(-1, std::make_unique<ProbeElement>(log, "x", 1, 1)));
    EXPECT_EQ(columns.getElementCount(), 0);
    EXPECT_TRUE(columns.isLayoutValid());
}

TEST(MenuColumnContainerTest, ShrinkingDropsColumnsFromTheEndAndIgnoresBadWeights) {
    EventLog log;
    MenuColumnContainer columns;
    columns.setColumnCount(3);
    columns.addElement(2, std::make_unique<ProbeElement>(log, "x", 1, 1));
    columns.setColumnCount(1);
    EXPECT_EQ(columns.getElementCount(), 0);
    columns.setColumnWeight(0, 0);
    EXPECT_EQ(columns.getColumnWeights(), (std::vector<int>{1}));
}

TEST(MenuTreeTest, FlattenedTreeListsEachContainerBeforeItsContents) {
    Menu menu;
    menu.setGame(StandInGame());
    EventLog log;
    ProbeElement* first = menu.add(std::make_unique<ProbeElement>(log, "1", 10, 10));
    auto row = std::make_unique<MenuRowContainer>();
    MenuRowContainer* rowPtr = row.get();
    ProbeElement* inner = row->add(std::make_unique<ProbeElement>(log, "2", 10, 10));
    menu.addElement(std::move(row));
    ProbeElement* last = menu.add(std::make_unique<ProbeElement>(log, "3", 10, 10));
    EXPECT_EQ(menu.getAllElements(), (std::vector<MenuElement*>{first, rowPtr, inner, last}));
    EXPECT_EQ(menu.getElements(), (std::vector<MenuElement*>{first, rowPtr, last}));
}

} // namespace
