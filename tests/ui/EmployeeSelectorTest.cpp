#include "actors/ApplicantPool.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "ui/Menu.hpp"
#include "ui/MenuEmployeeSelector.hpp"
#include "ui/MenuEmployeeSelectorPortrait.hpp"

#include "MenuTestSupport.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

class EmployeeSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        GameParams::Texts::SetMaleFirstNames({"Karl", "Otto"});
        GameParams::Texts::SetFemaleFirstNames({"Erna", "Hilde"});
        GameParams::Texts::SetLastNames({"Novak", "Schulz"});
    }
    void hire(int count) {
        for (int i = 0; i < count; ++i)
            staff.push_back(std::make_unique<Employee>());
    }

    sf::Font font;
    MenuEmployeeSelector::Employees staff;
};

TEST_F(EmployeeSelectorTest, EmptyListShowsOnlyTheTitle) {
    MenuEmployeeSelector selector(&staff, font);
    EXPECT_EQ(selector.getTitleText(), u8"Keine Angestellten verfügbar.");
    EXPECT_EQ(selector.getElementCount(), 1);
    selector.showNext();
    EXPECT_EQ(selector.getIndex(), 0u);
}

TEST_F(EmployeeSelectorTest, ArrowsPageAndWrapAround) {
    hire(5);
    MenuEmployeeSelector selector(&staff, font);
    EXPECT_EQ(selector.getTitleText(), "1 / 5");
    EXPECT_EQ(selector.getNameText(), staff[0]->getFullName());
    selector.showNext();
    EXPECT_EQ(selector.getTitleText(), "2 / 5");
    EXPECT_EQ(selector.getNameText(), staff[1]->getFullName());
    selector.showPrevious();
    selector.showPrevious();
    EXPECT_EQ(selector.getIndex(), 4u);
    selector.showNext();
    EXPECT_EQ(selector.getIndex(), 0u);
    EXPECT_EQ(selector.getSalaryText(), staff[0]->getSalaryText() + " pro Tag");
}

TEST_F(EmployeeSelectorTest, SingleEntryStaysPut) {
    hire(1);
    MenuEmployeeSelector selector(&staff, font);
    selector.showNext();
    EXPECT_EQ(selector.getIndex(), 0u);
    selector.showPrevious();
    EXPECT_EQ(selector.getIndex(), 0u);
}

TEST_F(EmployeeSelectorTest, IndexPastAShrunkListGoesBackToTheFirst) {
    hire(3);
    MenuEmployeeSelector selector(&staff, font);
    selector.setIndex(2);
    staff.pop_back();
    selector.update();
    EXPECT_EQ(selector.getIndex(), 0u);
    EXPECT_EQ(selector.getTitleText(), "1 / 2");
}

// The room beside skills and needs shows the person in their own colours.
TEST_F(EmployeeSelectorTest, PortraitShowsThePersonShown) {
    const auto wears = [](const MenuEmployeeSelectorPortrait& portrait, sf::Color colour) {
        const sf::VertexArray& figure = portrait.getFigure();
        for (std::size_t i = 0; i < figure.getVertexCount(); ++i)
            if (figure[i].color == colour)
                return true;
        return false;
    };
    hire(2);
    MenuEmployeeSelector selector(&staff, font);
    selector.setSize(600.f, 420.f);
    selector.update();
    const MenuEmployeeSelectorPortrait& portrait = selector.getPortrait();
    ASSERT_TRUE(portrait.hasLooks());
    for (const sf::Color& colour : staff[0]->getColours())
        EXPECT_TRUE(wears(portrait, colour));
    // The figure stands inside the box it was given.
    const sf::FloatRect box(sf::Vector2f(0.f, 0.f), portrait.getSize());
    const sf::FloatRect figure = portrait.getFigure().getBounds();
    EXPECT_TRUE(box.contains(figure.left, figure.top));
    EXPECT_TRUE(box.contains(figure.left + figure.width - 1.f, figure.top + figure.height - 1.f));
    EXPECT_GT(figure.height, box.height / 2.f);

    selector.showNext();
    EXPECT_TRUE(wears(portrait, staff[1]->getColours()[2]));
    staff.clear();
    selector.update();
    EXPECT_FALSE(portrait.hasLooks());
}

TEST_F(EmployeeSelectorTest, ShowsApplicantsOfThePool) {
    ApplicantPool pool;
    pool.fill();
    MenuEmployeeSelector selector(&pool.getApplicants(), font);
    EXPECT_EQ(selector.getTitleText(), "1 / 5");
    EXPECT_EQ(selector.getNameText(), pool.getApplicants()[0].employee->getFullName());
}

// The arrows are drawn inside the columns below the title; a click must hit
// them where they are drawn.
TEST_F(EmployeeSelectorTest, ClickOnTheDrawnNextArrowPages) {
    MenuBindingsScope bindings;
    hire(3);
    Menu menu;
    menu.setGame(StandInGame());
    auto owned = std::make_unique<MenuEmployeeSelector>(&staff, font);
    owned->setSize(600, 400);
    MenuEmployeeSelector* selector = menu.add(std::move(owned));
    menu.layout();
    selector->update();
    // Column 3 starts at 28.5 + 256.5 + 256.5 + 3 x 10 = 571.5, below the title.
    const int x = 10 + 585;
    const int y = 10 + 16 + 5 + 360;
    menu.onMousePressed(x, y);
    menu.onMouseReleased(x, y);
    EXPECT_EQ(selector->getIndex(), 1u);
    menu.onMousePressed(10 + 5, y);
    menu.onMouseReleased(10 + 5, y);
    EXPECT_EQ(selector->getIndex(), 0u);
}

} // namespace
