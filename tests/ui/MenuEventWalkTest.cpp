#include "tests/ui/MenuTestSupport.hpp"
#include "ui/Menu.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuTextbox.hpp"

#include <gtest/gtest.h>

namespace {

class MenuEventWalkTest : public ::testing::Test {
protected:
    MenuEventWalkTest() { menu.setGame(StandInGame()); }

    ProbeElement* addProbe(const std::string& name, float width, float height) {
        return menu.add(std::make_unique<ProbeElement>(log, name, width, height));
    }

    MenuBindingsScope bindings;
    Menu menu;
    EventLog log;
};

// Two 100 x 40 probes, stacked: a at (10, 10), b at (10, 60); menu 120 x 110.
class TwoProbeMenu : public MenuEventWalkTest {
protected:
    TwoProbeMenu() {
        a = addProbe("a", 100, 40);
        b = addProbe("b", 100, 40);
        menu.layout();
    }
    ProbeElement* a;
    ProbeElement* b;
};

TEST_F(TwoProbeMenu, LayoutStacksProbesAsExpected) {
    EXPECT_EQ(menu.getSize(), sf::Vector2f(120, 110));
    EXPECT_EQ(a->getPosition(), sf::Vector2f(10, 10));
    EXPECT_EQ(b->getPosition(), sf::Vector2f(10, 60));
}

TEST_F(TwoProbeMenu, PressReachesOnlyTheElementHitAndIsRemembered) {
    EXPECT_TRUE(menu.onMousePressed(20, 70));
    EXPECT_EQ(log, (EventLog{"b:press"}));
    EXPECT_EQ(menu.getLastPressed(), b);
}

TEST_F(TwoProbeMenu, RightAndBottomEdgesAreOutsideForEventsButInsideForLookup) {
    // a spans x 10..110 and y 10..50.
    EXPECT_TRUE(menu.onMousePressed(110, 20));
    EXPECT_TRUE(menu.onMousePressed(20, 50));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(menu.getLastPressed(), nullptr);
    EXPECT_EQ(menu.getElementAt(110, 50), a);
    EXPECT_EQ(menu.getElementAt(10, 10), a);
    EXPECT_EQ(menu.getElementAt(5, 5), nullptr);
}

TEST_F(TwoProbeMenu, PressOutsideTheMenuReachesNothingAndForgetsTheLastPress) {
    menu.onMousePressed(20, 20);
    log.clear();
    EXPECT_FALSE(menu.onMousePressed(120, 20));
    EXPECT_FALSE(menu.onMousePressed(-1, 20));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(menu.getLastPressed(), nullptr);
}

TEST_F(TwoProbeMenu, WalksUseWindowPixelsRelativeToTheMenuPosition) {
    menu.setPosition(300.7f, 200.2f);
    // The origin is truncated to (300, 200).
    EXPECT_TRUE(menu.onMousePressed(310, 210));
    EXPECT_EQ(log, (EventLog{"a:press"}));
    EXPECT_FALSE(menu.onMousePressed(20, 20));
    // The lookup works in exact floats: a starts at (310.7, 210.2).
    EXPECT_EQ(menu.getElementAt(310, 210), nullptr);
    EXPECT_EQ(menu.getElementAt(311, 211), a);
}

TEST_F(TwoProbeMenu, OverlappingElementsAreAllServedInListOrder) {
    b->setPosition(50, 20);
    menu.onMousePressed(60, 30);
    EXPECT_EQ(log, (EventLog{"a:press", "b:press"}));
    EXPECT_EQ(menu.getLastPressed(), b);
    log.clear();
    menu.onMouseMoved(60, 30);
    EXPECT_TRUE(a->isHovered());
    EXPECT_TRUE(b->isHovered());
    EXPECT_EQ(log, (EventLog{"a:enter", "b:enter"}));
    EXPECT_EQ(menu.getElementAt(60, 30), b) << "lookup returns the last element hit";
}

TEST_F(TwoProbeMenu, ReleaseMovesTheFocusToTheElementUnderThePointer) {
    EXPECT_TRUE(menu.onMouseReleased(20, 20));
    EXPECT_EQ(log, (EventLog{"a:release", "a:focus"}));
    EXPECT_EQ(menu.getLastReleased(), a);
    log.clear();
    menu.onMouseReleased(20, 70);
    EXPECT_EQ(log, (EventLog{"a:blur", "b:release", "b:focus"}));
    log.clear();
    // Empty space inside the menu takes it from everyone.
    EXPECT_TRUE(menu.onMouseReleased(115, 55));
    EXPECT_EQ(log, (EventLog{"b:blur"}));
    EXPECT_FALSE(menu.onMouseReleased(500, 500));
}

TEST_F(TwoProbeMenu, HoverEntersOnceAndLeavesWhenThePointerGoes) {
    menu.onMouseMoved(20, 20);
    menu.onMouseMoved(21, 21);
    menu.onMouseMoved(20, 70);
    EXPECT_EQ(log, (EventLog{"a:enter", "a:leave", "b:enter"}));
}

TEST_F(TwoProbeMenu, FirstTooltipHitWinsAndLeavingClearsIt) {
    b->setPosition(10, 10);
    menu.onMouseMoved(20, 20);
    EXPECT_EQ(bindings.tooltips, (std::vector<std::string>{"tip a"}));
    EXPECT_TRUE(menu.isTooltipShown());
    EXPECT_EQ(menu.getTooltipElement(), a);
    menu.onMouseMoved(115, 105);
    EXPECT_EQ(bindings.tooltips, (std::vector<std::string>{"tip a", ""}));
    EXPECT_FALSE(menu.isTooltipShown());
    EXPECT_EQ(menu.getTooltipElement(), nullptr);
    menu.onMouseMoved(116, 105);
    EXPECT_EQ(bindings.tooltips.size(), 2u) << "nothing shown, nothing to clear";
}

TEST_F(TwoProbeMenu, WheelReachesTheScrollElementUnderThePointer) {
    EXPECT_TRUE(menu.onMouseWheel(-2, 20, 70));
    EXPECT_EQ(log, (EventLog{"b:scroll-2"}));
    EXPECT_FALSE(menu.onMouseWheel(1, 20, 200));
}

TEST_F(TwoProbeMenu, TextVisitsEveryChildEvenAfterOneConsumedIt) {
    a->consumesText = true;
    EXPECT_TRUE(menu.onTextEntered('x'));
    EXPECT_EQ(log, (EventLog{"a:text", "b:text"}));
    a->consumesText = false;
    EXPECT_FALSE(menu.onTextEntered('x'));
}

TEST_F(TwoProbeMenu, KeyStopsAtTheFirstChildThatConsumesIt) {
    a->consumesKeys = true;
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::A));
    EXPECT_EQ(log, (EventLog{"a:key"}));
    EXPECT_TRUE(menu.onKeyReleased(sf::Keyboard::A));
    EXPECT_EQ(log, (EventLog{"a:key", "a:keyup"}));
}

TEST_F(TwoProbeMenu, UnconsumedEscapeClosesTheTopMenuOtherKeysDoNot) {
    EXPECT_FALSE(menu.onKeyPressed(sf::Keyboard::A));
    EXPECT_EQ(bindings.closeCount, 0);
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_EQ(bindings.closeCount, 1);
    EXPECT_FALSE(menu.onKeyReleased(sf::Keyboard::Escape));
    EXPECT_EQ(bindings.closeCount, 1);
}

TEST_F(MenuEventWalkTest, EmptyMenuClosesOnEscape) {
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_EQ(bindings.closeCount, 1);
}

TEST_F(MenuEventWalkTest, EscapeInAFocusedTextboxOnlyDropsTheFocus) {
    MenuTextbox* box = menu.addTextbox();
    menu.layout();
    menu.onMouseReleased(20, 20);
    ASSERT_TRUE(box->isFocused());
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_FALSE(box->isFocused());
    EXPECT_EQ(bindings.closeCount, 0);
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_EQ(bindings.closeCount, 1);
}

TEST_F(MenuEventWalkTest, ClickOnEmptySpaceTakesTheFocusFromTheTextbox) {
    MenuTextbox* box = menu.addTextbox();
    menu.layout();
    menu.onMouseReleased(20, 20);
    ASSERT_TRUE(box->isFocused());
    menu.onMouseReleased(5, 5);
    EXPECT_FALSE(box->isFocused());
    EXPECT_FALSE(menu.onTextEntered('x')) << "typing goes nowhere without focus";
}

// A row at (10, 10) holding p at (0, 0) and q at (110, 0), both 100 x 40.
class RowMenu : public MenuEventWalkTest {
protected:
    RowMenu() {
        auto owned = std::make_unique<ProbeRow>(log, "row");
        row = owned.get();
        p = row->add(std::make_unique<ProbeElement>(log, "p", 100, 40));
        q = row->add(std::make_unique<ProbeElement>(log, "q", 100, 40));
        row->update();
        menu.addElement(std::move(owned));
        menu.layout();
    }
    ProbeRow* row;
    ProbeElement* p;
    ProbeElement* q;
};

TEST_F(RowMenu, PressRecursesInContainerCoordinatesAndNotifiesTheContainer) {
    EXPECT_EQ(q->getPosition(), sf::Vector2f(110, 0));
    EXPECT_EQ(p->getParent(), row);
    EXPECT_EQ(row->getParent(), nullptr);
    EXPECT_TRUE(menu.onMousePressed(125, 15));
    EXPECT_EQ(log, (EventLog{"q:press", "row:notify1"}));
    EXPECT_EQ(menu.getLastPressed(), q) << "the deepest element hit is remembered";
    EXPECT_EQ(menu.getAbsolutePosition(q), sf::Vector2f(120, 10));
    EXPECT_EQ(menu.getElementAt(125, 15), q);
}

TEST_F(RowMenu, ReleaseAndFocusChangesAreReportedToTheContainer) {
    menu.onMouseReleased(15, 15);
    EXPECT_EQ(log, (EventLog{"p:release", "row:notify2", "p:focus", "row:notify7"}));
    log.clear();
    menu.onMouseReleased(125, 15);
    EXPECT_EQ(log, (EventLog{"p:blur", "row:notify8", "q:release", "row:notify2", "q:focus",
                             "row:notify7"}));
}

TEST_F(RowMenu, MoveNotifiesHoverChangesAndRecursion) {
    menu.onMouseMoved(15, 15);
    EXPECT_EQ(log, (EventLog{"p:enter", "row:notify5"}));
}

TEST_F(RowMenu, ConsumedKeyInsideAContainerStopsTheWalk) {
    q->consumesKeys = true;
    EXPECT_TRUE(menu.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_EQ(log, (EventLog{"p:key", "q:key", "row:notify10"}));
    EXPECT_EQ(bindings.closeCount, 0);
}

TEST_F(RowMenu, KeyReleaseDoesNotEnterRowContainers) {
    q->consumesKeys = true;
    EXPECT_FALSE(menu.onKeyReleased(sf::Keyboard::A));
    EXPECT_TRUE(log.empty());
}

TEST_F(MenuEventWalkTest, KeyReleaseEntersColumnContainers) {
    auto owned = std::make_unique<ProbeColumns>(log, "cols");
    owned->setColumnCount(1);
    auto probe = std::make_unique<ProbeElement>(log, "c", 100, 40);
    probe->consumesKeys = true;
    owned->addElement(0, std::move(probe));
    owned->setSize(100, 40);
    menu.addElement(std::move(owned));
    menu.layout();
    EXPECT_TRUE(menu.onKeyReleased(sf::Keyboard::A));
    EXPECT_EQ(log, (EventLog{"c:keyup", "cols:notify11"}));
}

TEST_F(MenuEventWalkTest, ButtonActsOnReleaseOnlyAfterItsOwnPress) {
    int runs = 0;
    MenuBindings::Bind(ActionTogglePrices, [&runs](Game* g) {
        EXPECT_EQ(g, StandInGame());
        ++runs;
    });
    MenuButton* button = menu.addButton(ButtonTogglePrices);
    menu.layout();
    const sf::Vector2f at = button->getPosition() + sf::Vector2f(1, 1);
    menu.onMouseReleased(static_cast<int>(at.x), static_cast<int>(at.y));
    EXPECT_EQ(runs, 0) << "press outside, release on the button";
    menu.onMousePressed(static_cast<int>(at.x), static_cast<int>(at.y));
    EXPECT_EQ(button->getFillColor(), MenuButton::PressedColor);
    menu.onMouseReleased(static_cast<int>(at.x), static_cast<int>(at.y));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(button->getFillColor(), MenuButton::HoverColor);
    EXPECT_FALSE(button->isPressed());
}

TEST_F(MenuEventWalkTest, ButtonWhoseActionRebuildsItsOwnMenuLeavesNothingDangling) {
    MenuBindings::Bind(ActionCloseTopMenu, [this](Game*) {
        menu.clear();
        menu.addButton(ButtonCloseStaff);
        menu.layout();
    });
    menu.addButton(ButtonCloseStaff);
    menu.addButton(ButtonCloseStaff);
    menu.layout();
    menu.onMousePressed(15, 15);
    menu.onMouseReleased(15, 15);
    EXPECT_EQ(menu.getElements().size(), 1u);
    EXPECT_EQ(menu.getLastReleased(), nullptr);
    EXPECT_EQ(menu.getLastPressed(), nullptr);
    // The new button works like any other.
    menu.onMousePressed(15, 15);
    menu.onMouseReleased(15, 15);
    EXPECT_EQ(menu.getElements().size(), 1u);
}

TEST_F(MenuEventWalkTest, ClearForgetsEveryElementItPointedAt) {
    addProbe("a", 100, 40);
    menu.layout();
    menu.onMousePressed(20, 20);
    menu.onMouseReleased(20, 20);
    menu.onMouseMoved(20, 20);
    menu.clear();
    EXPECT_EQ(menu.getLastPressed(), nullptr);
    EXPECT_EQ(menu.getLastReleased(), nullptr);
    EXPECT_EQ(menu.getTooltipElement(), nullptr);
    EXPECT_TRUE(menu.getAllElements().empty());
}

} // namespace
