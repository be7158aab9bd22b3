// The tooltip over a cell with several things on it, drawn in the real game
// window: one part for each thing, a line between the parts, the whole box
// inside the window however near its corner the pointer is.

#include "GameFixture.hpp"

#include "actors/Employee.hpp"
#include "params/PhraseTexts.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <cmath>

namespace {

class TooltipDisplayTest : public GameFixture {
protected:
    // The cell under a window pixel.
    sf::Vector2i cellAt(sf::Vector2i pixel) {
        const sf::Vector2f world = game->getWindow()->mapPixelToCoords(pixel, game->getWorldView());
        return {static_cast<int>(std::lround(world.x / 128.f)),
                static_cast<int>(std::lround(world.y / 128.f))};
    }
};

} // namespace

TEST_F(TooltipDisplayTest, PartsAreSeparatedByLinesAndTheBoxStaysInTheWindow) {
    const sf::Vector2i cell = cellAt({1200, 660});
    ASSERT_TRUE(level().setTile(TileFloor, cell.x, cell.y));
    ASSERT_TRUE(level().setZone(ZoneWorkshop, cell.x, cell.y));
    ASSERT_TRUE(level().placeObject(ObjectWorkbench, cell.x, cell.y, 0.f));
    ASSERT_TRUE(level().addEmployee());
    Employee& worker = *level().getEmployees().back();
    worker.attachToLevel(&level(), cell.x, cell.y);

    game->movePointerTo(worldPixel(cell.x, cell.y));
    const Tooltip& tooltip = game->getTooltip();
    ASSERT_TRUE(tooltip.isShown());
    const auto utf8 = tooltip.getText().getString().toUtf8();
    const std::string text(utf8.begin(), utf8.end());
    EXPECT_NE(text.find(worker.getFullName()), std::string::npos) << text;
    EXPECT_NE(text.find("Typ: Werkbank"), std::string::npos) << text;
    EXPECT_NE(text.find("Raum: Werkstatt"), std::string::npos) << text;
    EXPECT_EQ(text.find(GameParams::Phrases::TooltipRule), std::string::npos) << text;

    // Employee, bench, room: two lines between them, inside the box.
    const std::vector<float> rules = tooltip.getRuleHeights();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_LT(rules[0], rules[1]);
    EXPECT_GT(rules[0], 0.f);
    EXPECT_LT(rules[1], tooltip.getHeight());
    EXPECT_GE(tooltip.getPosition().x, 0.f);
    EXPECT_GE(tooltip.getPosition().y, 0.f);
    EXPECT_LE(tooltip.getPosition().x + tooltip.getWidth(), Game::WindowWidth);
    EXPECT_LE(tooltip.getPosition().y + tooltip.getHeight(), Game::WindowHeight);

    // The line is drawn: grey on the white box where the rule runs.
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(Game::WindowWidth, Game::WindowHeight));
    target.clear(sf::Color::White);
    target.draw(tooltip);
    target.display();
    const sf::Image image = target.getTexture().copyToImage();
    const sf::Vector2f at = tooltip.getPosition();
    const sf::Color onRule = image.getPixel(static_cast<unsigned>(at.x + tooltip.getWidth() / 2.f),
                                            static_cast<unsigned>(at.y + rules[0]));
    EXPECT_LT(onRule.r, 200) << "no line where the rule runs";
}
