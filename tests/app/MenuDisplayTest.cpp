#include "app/Game.hpp"
#include "params/Graphics.hpp"
#include "params/TileSize.hpp"
#include "ui/Menu.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuImageButton.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuPropertyBar.hpp"
#include "ui/MenuRowContainer.hpp"
#include "ui/MenuSymbolButton.hpp"
#include "ui/MenuTextbox.hpp"

#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Menus only hand the game pointer on; these tests never dereference it.
Game* StandInGame() {
    alignas(Game) static unsigned char storage[sizeof(Game)];
    return reinterpret_cast<Game*>(storage);
}

class MenuDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(font.loadFromFile("fonts/arial.ttf"));
        ASSERT_TRUE(atlas.loadFromFile("img/spriteMap_v2_128.png"));
        GameParams::SetTileSizeType(SIZE128PX);
        GameParams::Graphics::SetSpriteMap(SIZE128PX, &atlas);
    }
    void TearDown() override { GameParams::Graphics::SetSpriteMap(SIZE128PX, nullptr); }

    sf::Image render(const sf::Drawable& drawable, sf::Vector2u size) {
        sf::RenderTexture target;
        EXPECT_TRUE(target.create(size.x, size.y));
        target.clear(sf::Color(90, 110, 90));
        target.draw(drawable);
        target.display();
        return target.getTexture().copyToImage();
    }

    static bool fits(const sf::Text& text, float width, float height) {
        const sf::FloatRect bounds = text.getLocalBounds();
        return bounds.width <= width && bounds.height <= height;
    }

    sf::Font font;
    sf::Texture atlas;
};

TEST_F(MenuDisplayTest, LabelTakesTheLargestFontSizeThatFits) {
    MenuLabel label(nullptr, font);
    label.setText(u8"Produktion wählen");
    label.setSize(400, 30);
    const unsigned size = label.getCharacterSize();
    ASSERT_GT(size, 20u);
    EXPECT_TRUE(fits(label.getTextShape(), 400, 30));
    sf::Text bigger = label.getTextShape();
    bigger.setCharacterSize(size + 1);
    EXPECT_FALSE(fits(bigger, 400, 30));
}

TEST_F(MenuDisplayTest, LabelSmallerThanAnyGlyphEndsWithSizeZero) {
    MenuLabel label(nullptr, font);
    label.setText("Arbeitsmarkt");
    label.setSize(1, 1);
    EXPECT_EQ(label.getCharacterSize(), 0u);
}

TEST_F(MenuDisplayTest, LabelAlignsItsInkInsideTheBox) {
    MenuLabel label(nullptr, font);
    label.setText("Kaufen");
    label.setSize(300, 20);
    label.setAlignment(MenuLabel::AlignRight);
    sf::FloatRect ink = label.getTextShape().getGlobalBounds();
    EXPECT_NEAR(ink.left + ink.width, 300, 0.01);
    EXPECT_NEAR(ink.top + ink.height / 2, 10, 0.01);
    label.setAlignment(MenuLabel::AlignLeft);
    ink = label.getTextShape().getGlobalBounds();
    EXPECT_NEAR(ink.left, 0, 0.01);
    label.setAlignment(MenuLabel::AlignCentre);
    ink = label.getTextShape().getGlobalBounds();
    EXPECT_NEAR(ink.left + ink.width / 2, 150, 0.01);
}

TEST_F(MenuDisplayTest, ButtonFitsItsCaptionWithPadding) {
    MenuButton button(nullptr, nullptr, font, ButtonApplyRecipe);
    sf::Text caption(sf::String::fromUtf8(std::begin(u8"Übernehmen"), std::end(u8"Übernehmen") - 1),
                     font, 20);
    const sf::FloatRect bounds = caption.getLocalBounds();
    EXPECT_FLOAT_EQ(button.getSize().x, 12 + bounds.width);
    EXPECT_FLOAT_EQ(button.getSize().y, 12 + bounds.height);
}

TEST_F(MenuDisplayTest, AFullTextboxRefusesMoreAndNeverCutsWhatItHolds) {
    MenuTextbox box(nullptr, font);
    box.setSize(60, 30);
    box.onFocusGained();
    int refusedAsFull = 0;
    box.setRefusalListener([&](MenuTextbox::Refusal refusal) {
        refusedAsFull += refusal == MenuTextbox::Refusal::Full ? 1 : 0;
    });
    for (char c : std::string("Spielstand"))
        box.onTextEntered(static_cast<unsigned char>(c));
    const std::string full = box.getText();
    ASSERT_LT(full.size(), 10u);
    ASSERT_GT(full.size(), 1u);
    EXPECT_EQ(full, std::string("Spielstand").substr(0, full.size()));
    EXPECT_EQ(refusedAsFull, static_cast<int>(10 - full.size()));
    // Typed in the middle of a full box: refused, and the end stays.
    box.onKeyPressed(sf::Keyboard::Left);
    box.onTextEntered('X');
    EXPECT_EQ(box.getText(), full);
    EXPECT_EQ(box.getCaretIndex(), full.size() - 1);
    // A longer text from outside is kept whole.
    box.setText("Spielstand Nummer zwei");
    EXPECT_EQ(box.getText(), "Spielstand Nummer zwei");
}

TEST_F(MenuDisplayTest, CaretFollowsTheTextAtTheBoxPadding) {
    MenuTextbox box(nullptr, font);
    box.setSize(200, 30);
    box.onFocusGained();
    EXPECT_FLOAT_EQ(box.getCaretPosition().x, 2);
    box.onTextEntered('W');
    const float afterOne = box.getCaretPosition().x;
    EXPECT_GT(afterOne, 10);
    box.onKeyPressed(sf::Keyboard::Left);
    EXPECT_FLOAT_EQ(box.getCaretPosition().x, 2);
    EXPECT_FLOAT_EQ(box.getCaretPosition().y, 2);
}

TEST_F(MenuDisplayTest, ClosedOrUnlaidMenuDrawsNothing) {
    Menu menu;
    menu.setFont(font);
    menu.setGame(StandInGame());
    menu.addLabel(1, "Arbeitsmarkt", 200, 30);
    menu.setOpen(true);
    EXPECT_EQ(render(menu, {100, 100}).getPixel(50, 50), sf::Color(90, 110, 90));
    menu.layout();
    menu.setOpen(false);
    EXPECT_EQ(render(menu, {100, 100}).getPixel(50, 5), sf::Color(90, 110, 90));
    menu.setOpen(true);
    menu.setPosition(5, 5);
    const sf::Image drawn = render(menu, {100, 100});
    EXPECT_EQ(drawn.getPixel(50, 10), sf::Color::White);
    EXPECT_EQ(drawn.getPixel(50, 4), sf::Color::Black) << "the outline lies outside the panel";
    EXPECT_EQ(drawn.getPixel(5, 5), sf::Color(90, 110, 90)) << "rounded corner";
}

// Builds a dialog like the game's: title, text box, image button, property
// bar and a row of two buttons, and saves it for a look.
TEST_F(MenuDisplayTest, SampleDialogRendersCleanly) {
    Menu menu;
    menu.setFont(font);
    menu.setGame(StandInGame());
    menu.addLabel(MenuLabel::AlignCentre, u8"Spielstand speichern – Größe", 400, 30);
    MenuTextbox* box = menu.addTextbox();
    box->setText(u8"Fabrik Süd");
    box->onFocusGained();
    for (int i = 0; i < 20; ++i)
        box->onKeyPressed(sf::Keyboard::Right);

    auto icons = std::make_unique<MenuRowContainer>();
    for (int item : {ItemSteel, ItemGlass, ItemRubber, ItemEngine}) {
        auto icon = std::make_unique<MenuImageButton>(icons.get(), nullptr, CategoryItem, item);
        icon->setSize(48, 48);
        icons->addElement(std::move(icon));
    }
    auto tool =
        std::make_unique<MenuImageButton>(icons.get(), nullptr, CategoryObject, GuiBuildWorkbench);
    tool->setSize(48, 48);
    icons->addElement(std::move(tool));
    auto arrow = std::make_unique<MenuSymbolButton>(icons.get(), font);
    arrow->setSymbol(MenuSymbolButton::SymbolDoubleArrow);
    arrow->setDirection(MenuSymbolButton::DirectionRight);
    arrow->setSize(32, 32);
    icons->addElement(std::move(arrow));
    icons->update();
    menu.addElement(std::move(icons));

    auto bar = std::make_unique<MenuPropertyBar>();
    bar->setValue(70);
    bar->setSize(400, 24);
    menu.addElement(std::move(bar));
    auto stops = std::make_unique<MenuPropertyBar>();
    stops->setColorStops({{0, sf::Color(120, 170, 255)},
                          {30, sf::Color(250, 220, 120)},
                          {100, sf::Color(240, 120, 100)}});
    stops->setSize(400, 24);
    menu.addElement(std::move(stops));

    auto buttons = std::make_unique<MenuColumnContainer>();
    buttons->setColumnCount(2);
    buttons->addElement(
        0, std::make_unique<MenuButton>(nullptr, nullptr, menu.getFont(), ButtonApplyRecipe));
    buttons->addElement(
        1, std::make_unique<MenuButton>(nullptr, nullptr, menu.getFont(), ButtonCloseMainMenu));
    buttons->setSize(400, 0);
    menu.addElement(std::move(buttons));

    menu.layout();
    menu.setOpen(true);
    menu.setPosition(20, 20);
    menu.onMouseMoved(40, static_cast<int>(20 + menu.getSize().y - 25));
    const sf::Vector2f size = menu.getSize();
    ASSERT_GT(size.x, 400);
    const sf::Image image =
        render(menu, {static_cast<unsigned>(size.x) + 40, static_cast<unsigned>(size.y) + 40});
    ASSERT_TRUE(image.saveToFile("/tmp/ostravel_sample_dialog.png"));
    EXPECT_EQ(image.getPixel(30, 30), sf::Color::White);
}

} // namespace
