#include "tests/ui/MenuTestSupport.hpp"
#include "params/TileSize.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuImage.hpp"
#include "ui/MenuImageButton.hpp"
#include "ui/MenuPropertyBar.hpp"
#include "ui/MenuSymbolButton.hpp"
#include "ui/RoundedRectangleShape.hpp"

#include <SFML/Graphics/Font.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MenuButtonKindTest, CaptionsAndActionsFollowTheTable) {
    // Once shown to every player as "Hautpmenü".
    EXPECT_STREQ(GetButtonKindInfo(ButtonMainMenu).caption, u8"Hauptmenü");
    EXPECT_STREQ(GetButtonKindInfo(ButtonApplyRecipe).caption, u8"Übernehmen");
    EXPECT_STREQ(GetButtonKindInfo(ButtonCloseMainMenu).caption, u8"Menü schließen");
    EXPECT_EQ(GetButtonKindInfo(ButtonQuitGame).action, ActionQuitGame);
    EXPECT_EQ(GetButtonKindInfo(ButtonShowAll).action, ActionNone);
    for (int kind : {ButtonCancelLoad, ButtonCancelSave, ButtonCancelRecipe, ButtonCancelBuy,
                     ButtonCancelSell, ButtonClosePrices, ButtonCloseLabourMarket,
                     ButtonCloseEmployee, ButtonCloseStaff, ButtonCancelQuestion})
        EXPECT_EQ(GetButtonKindInfo(kind).action, ActionCloseTopMenu) << kind;
    for (int kind : {-1, static_cast<int>(ButtonKindCount), 1000}) {
        EXPECT_STREQ(GetButtonKindInfo(kind).caption, "UNKNOWN BUTTON");
        EXPECT_EQ(GetButtonKindInfo(kind).action, ActionNone);
    }
}

TEST(MenuButtonTest, UnknownKindDoesNothingWhenClicked) {
    MenuBindingsScope bindings;
    sf::Font font;
    MenuButton button(nullptr, nullptr, font, ButtonKindCount);
    EXPECT_EQ(button.getCaption(), "UNKNOWN BUTTON");
    button.onMousePressed(nullptr);
    button.onMouseReleased(nullptr);
    EXPECT_EQ(bindings.closeCount, 0);
}

TEST(MenuButtonTest, ActionBoundAfterTheButtonWasMadeStillRuns) {
    MenuBindingsScope bindings;
    sf::Font font;
    MenuButton button(nullptr, nullptr, font, ButtonSell);
    int sold = 0;
    MenuBindings::Bind(ActionSellChosen, [&sold](Game*) { ++sold; });
    button.onMousePressed(nullptr);
    button.onMouseReleased(nullptr);
    EXPECT_EQ(sold, 1);
    button.onMouseReleased(nullptr);
    EXPECT_EQ(sold, 1) << "a second release without a press";
}

TEST(MenuButtonTest, DisabledClickAndHoverChangeNothing) {
    MenuBindingsScope bindings;
    sf::Font font;
    MenuButton button(nullptr, nullptr, font, ButtonCloseStaff);
    button.MenuElementHandlerClick::setDisabled(true);
    button.MenuElementHandlerHover::setDisabled(true);
    button.onHoverEnter();
    button.onMousePressed(nullptr);
    button.onMouseReleased(nullptr);
    EXPECT_EQ(bindings.closeCount, 0);
    EXPECT_FALSE(button.isHovered());
    EXPECT_EQ(button.getFillColor(), MenuButton::NormalColor);
}

TEST(MenuButtonTest, HoverColoursAndResizingKeepsTheCaptionCentred) {
    sf::Font font;
    MenuButton button(nullptr, nullptr, font, ButtonBuy);
    EXPECT_EQ(button.getSize(), sf::Vector2f(12, 12)) << "padding only, nothing measured";
    button.onHoverEnter();
    EXPECT_EQ(button.getFillColor(), MenuButton::HoverColor);
    button.onHoverLeave();
    EXPECT_EQ(button.getFillColor(), MenuButton::NormalColor);
    button.setSize(112, 52);
    EXPECT_EQ(button.getSize(), sf::Vector2f(112, 52));
}

TEST(RoundedRectangleShapeTest, CornersSweepCounterClockwiseFromTheTopRight) {
    sf::RoundedRectangleShape shape;
    EXPECT_EQ(shape.getPointCount(), 0u);
    shape.setSize(sf::Vector2f(100, 50));
    shape.setCornersRadius(10);
    shape.setCornerPointCount(10);
    ASSERT_EQ(shape.getPointCount(), 40u);
    auto near = [](sf::Vector2f a, sf::Vector2f b) {
        return std::abs(a.x - b.x) < 1e-3f && std::abs(a.y - b.y) < 1e-3f;
    };
    EXPECT_TRUE(near(shape.getPoint(0), {100, 10}));
    EXPECT_TRUE(near(shape.getPoint(9), {90, 0}));
    EXPECT_TRUE(near(shape.getPoint(10), {10, 0}));
    EXPECT_TRUE(near(shape.getPoint(19), {0, 10}));
    EXPECT_TRUE(near(shape.getPoint(20), {0, 40}));
    EXPECT_TRUE(near(shape.getPoint(29), {10, 50}));
    EXPECT_TRUE(near(shape.getPoint(30), {90, 50}));
    EXPECT_TRUE(near(shape.getPoint(39), {100, 40}));
    EXPECT_EQ(shape.getPoint(40), sf::Vector2f(0, 0));
}

TEST(RoundedRectangleShapeTest, OnePointPerCornerGivesFinitePoints) {
    sf::RoundedRectangleShape shape;
    shape.setSize(sf::Vector2f(100, 50));
    shape.setCornersRadius(10);
    shape.setCornerPointCount(1);
    for (std::size_t i = 0; i < shape.getPointCount(); ++i) {
        EXPECT_TRUE(std::isfinite(shape.getPoint(i).x)) << i;
        EXPECT_TRUE(std::isfinite(shape.getPoint(i).y)) << i;
    }
}

TEST(MenuImageTest, ResizingKeepsTheTopLeftCornerAndTheAtlasRectangle) {
    MenuImage image(nullptr, 64, 32, 16, 8);
    image.setSize(40, 20);
    const sf::VertexArray& quad = image.getQuad();
    EXPECT_EQ(quad[0].position, sf::Vector2f(0, 0));
    EXPECT_EQ(quad[2].position, sf::Vector2f(40, 20));
    EXPECT_EQ(quad[1].texCoords, sf::Vector2f(80, 32));
    EXPECT_EQ(quad[3].texCoords, sf::Vector2f(64, 40));
}

TEST(MenuImageButtonTest, NoImageMeansAnEmptyQuad) {
    GameParams::SetTileSizeType(SIZE128PX);
    MenuImageButton button(nullptr, nullptr, -1, 3);
    button.setSize(32, 32);
    EXPECT_EQ(button.getQuad().getVertexCount(), 0u);
    button.setImage(CategoryItem, 1);
    EXPECT_EQ(button.getQuad().getVertexCount(), 4u);
    EXPECT_EQ(button.getQuad()[2].position, sf::Vector2f(32, 32));
    button.onMousePressed(nullptr);
    EXPECT_TRUE(button.isPressed());
    button.onMouseReleased(nullptr);
    EXPECT_FALSE(button.isPressed());
}

TEST(MenuSymbolButtonTest, SymbolsChooseTheirParts) {
    sf::Font font;
    MenuSymbolButton button(nullptr, font);
    button.setSize(40, 40);
    button.setSymbol(7);
    EXPECT_EQ(button.getSymbol(), 0u);
    EXPECT_TRUE(button.showsFirst());
    EXPECT_FALSE(button.showsSecond());
    EXPECT_EQ(button.getFirst().getPointCount(), 3u);
    button.setSymbol(MenuSymbolButton::SymbolZero);
    EXPECT_TRUE(button.showsText());
    EXPECT_FALSE(button.showsFirst());
    button.setDirection(MenuSymbolButton::DirectionLeft);
    button.setSymbol(MenuSymbolButton::SymbolMaximum);
    EXPECT_EQ(button.getDirection(), MenuSymbolButton::DirectionUp);
    EXPECT_EQ(button.getFirst().getPointCount(), 20u);
    EXPECT_EQ(button.getFirst().getFillColor(), sf::Color::Transparent);
}

TEST(MenuSymbolButtonTest, DoubleArrowLeansTowardsItsDirection) {
    sf::Font font;
    MenuSymbolButton button(nullptr, font);
    button.setSymbol(MenuSymbolButton::SymbolDoubleArrow);
    button.setDirection(MenuSymbolButton::DirectionLeft);
    button.setSize(40, 40);
    // r = 20 - (9.6 + 1) = 9.4; centres at 20 -+ r / 1.5, moved by r / 4.
    const float r = 9.4f;
    EXPECT_NEAR(button.getFirst().getPosition().x, 20 - r / 1.5f + 0.25f * r, 1e-4);
    EXPECT_NEAR(button.getSecond().getPosition().x, 20 + r / 1.5f + 0.25f * r, 1e-4);
    EXPECT_FLOAT_EQ(button.getFirst().getRotation(), 270);
    EXPECT_FLOAT_EQ(button.getFirst().getOutlineThickness(), 2);
}

class MenuPropertyBarTest : public ::testing::Test {
protected:
    MenuPropertyBarTest() { GameParams::SetTileSizeType(SIZE128PX); }
    MenuPropertyBar bar;
};

TEST_F(MenuPropertyBarTest, ValueShowsAScaleWithOneMarker) {
    bar.setValue(25);
    bar.setSize(200, 10);
    EXPECT_EQ(bar.getQuads().getVertexCount(), 8u);
    EXPECT_EQ(bar.getQuads()[0].position, sf::Vector2f(0, 2));
    EXPECT_EQ(bar.getQuads()[2].position, sf::Vector2f(100, 8));
    EXPECT_EQ(bar.getQuads()[1].color, sf::Color::Yellow);
    ASSERT_EQ(bar.getMarkers().size(), 1u);
    EXPECT_FLOAT_EQ(bar.getMarkers()[0].getPosition().x, 50);
}

TEST_F(MenuPropertyBarTest, NoValueAndNoSizeShowNothing) {
    bar.setSize(200, 10);
    EXPECT_EQ(bar.getQuads().getVertexCount(), 0u);
    bar.setValue(50);
    bar.setSize(0, 10);
    EXPECT_EQ(bar.getQuads().getVertexCount(), 0u);
}

TEST_F(MenuPropertyBarTest, StopsMakeOneBandPerPairAndInnerMarkers) {
    bar.setColorStops({{0, sf::Color::Red}, {40, sf::Color::Blue}, {100, sf::Color::Green}});
    bar.setValue(10);
    bar.setSize(100, 10);
    EXPECT_EQ(bar.getQuads().getVertexCount(), 8u);
    EXPECT_EQ(bar.getQuads()[1].color, sf::Color::Blue);
    EXPECT_EQ(bar.getQuads()[5].position.x, 100);
    ASSERT_EQ(bar.getMarkers().size(), 1u) << "no value marker with stops";
    EXPECT_FLOAT_EQ(bar.getMarkers()[0].getPosition().x, 40);
}

TEST_F(MenuPropertyBarTest, ResizingRebuildsTheShapes) {
    bar.setValue(50);
    bar.setSize(100, 10);
    bar.setSize(300, 10);
    ASSERT_EQ(bar.getMarkers().size(), 1u);
    EXPECT_FLOAT_EQ(bar.getMarkers()[0].getPosition().x, 150);
}

} // namespace
