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

TEST_F(TooltipDisplayTest, LongLinesWrapInsideTheBoxAndTheBoxStaysInTheWindowAtEveryEdge) {
    Tooltip tooltip;
    tooltip.setFont(game->getFont());
    const std::string line = u8"Wartet auf Zutaten: Stahl, Aluminium, Glas, Gummi, Getriebe, "
                             u8"Auspuffanlage und Motorblock für die nächste Fertigung";
    tooltip.setText(line + "\n" + GameParams::Phrases::TooltipRule + "\n" + line);
    EXPECT_LE(tooltip.getWidth(), Tooltip::MaxTextWidth + 12.f);
    const sf::FloatRect ink = tooltip.getText().getGlobalBounds();
    EXPECT_GE(ink.left, 5.f);
    EXPECT_GE(ink.top, 2.f);
    EXPECT_LE(ink.left + ink.width, tooltip.getWidth() - 5.f);
    EXPECT_LE(ink.top + ink.height, tooltip.getHeight() - 2.f);
    const std::vector<float> rules = tooltip.getRuleHeights();
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_GT(rules[0], ink.top);
    EXPECT_LT(rules[0], ink.top + ink.height);

    // The game's own tooltip near each edge and corner of the window.
    const sf::Vector2f screen = game->getGuiSize();
    const int right = static_cast<int>(screen.x) - 2;
    const int bottom = static_cast<int>(screen.y) - 2;
    for (const sf::Vector2i at :
         {sf::Vector2i{1, 1}, sf::Vector2i{right, 1}, sf::Vector2i{1, bottom},
          sf::Vector2i{right, bottom}, sf::Vector2i{right, bottom / 2}}) {
        game->movePointerTo(at);
        const Tooltip& shown = game->getTooltip();
        if (!shown.isShown())
            continue;
        EXPECT_GE(shown.getPosition().x, 0.f) << at.x << "," << at.y;
        EXPECT_GE(shown.getPosition().y, 0.f) << at.x << "," << at.y;
        EXPECT_LE(shown.getPosition().x + shown.getWidth(), screen.x) << at.x << "," << at.y;
        EXPECT_LE(shown.getPosition().y + shown.getHeight(), screen.y) << at.x << "," << at.y;
    }
}
