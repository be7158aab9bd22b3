#include "ui/MenuTextbox.hpp"

#include <SFML/Graphics/Font.hpp>

#include <gtest/gtest.h>

namespace {

// Without a loaded font nothing is measured, so the box never cuts; the
// cutting itself is checked with a real font in the display tests.
class MenuTextboxTest : public ::testing::Test {
protected:
    MenuTextboxTest() : box(nullptr, font) {
        box.setSize(200, 30);
        box.onFocusGained();
    }

    void type(const std::u32string& characters) {
        for (char32_t c : characters)
            box.onTextEntered(static_cast<unsigned>(c));
    }

    sf::Font font;
    MenuTextbox box;
};

TEST_F(MenuTextboxTest, TypingInsertsAtTheCaret) {
    type(U"Lagr");
    box.onKeyPressed(sf::Keyboard::Left);
    type(U"e");
    EXPECT_EQ(box.getText(), "Lager");
    EXPECT_EQ(box.getCaretIndex(), 4u);
}

TEST_F(MenuTextboxTest, UmlautsAreStoredAsUtf8AndCountAsOneCharacter) {
    type(U"Bär");
    EXPECT_EQ(box.getText(), u8"Bär");
    EXPECT_EQ(box.getCaretIndex(), 3u);
    box.onKeyPressed(sf::Keyboard::Left);
    box.onKeyPressed(sf::Keyboard::BackSpace);
    EXPECT_EQ(box.getText(), "Br");
}

TEST_F(MenuTextboxTest, OnlyPrintableLatin1IsAccepted) {
    // Control characters, DEL, the C1 block and the symbols of 160-191 are
    // refused; the box still takes the event because it has the focus.
    for (unsigned c : {8u, 9u, 13u, 31u, 127u, 128u, 160u, 191u, 256u, 0x20ACu})
        EXPECT_TRUE(box.onTextEntered(c)) << c;
    EXPECT_EQ(box.getText(), "");
    type(U" ~ÀÿßÖ");
    EXPECT_EQ(box.getText(), u8" ~ÀÿßÖ");
}

TEST_F(MenuTextboxTest, CaretStaysWithinTheContent) {
    type(U"ab");
    box.onKeyPressed(sf::Keyboard::Right);
    EXPECT_EQ(box.getCaretIndex(), 2u) << "Right at the end leaves the caret";
    box.onKeyPressed(sf::Keyboard::Delete);
    EXPECT_EQ(box.getText(), "ab") << "Delete at the end erases nothing";
    box.onKeyPressed(sf::Keyboard::Left);
    box.onKeyPressed(sf::Keyboard::Left);
    box.onKeyPressed(sf::Keyboard::Left);
    EXPECT_EQ(box.getCaretIndex(), 0u);
    box.onKeyPressed(sf::Keyboard::BackSpace);
    EXPECT_EQ(box.getText(), "ab") << "BackSpace at the start erases nothing";
    box.onKeyPressed(sf::Keyboard::Delete);
    EXPECT_EQ(box.getText(), "b");
    EXPECT_EQ(box.getCaretIndex(), 0u);
}

TEST_F(MenuTextboxTest, WithoutFocusItIgnoresKeysAndText) {
    box.onFocusLost();
    EXPECT_FALSE(box.onTextEntered('a'));
    EXPECT_FALSE(box.onKeyPressed(sf::Keyboard::BackSpace));
    EXPECT_EQ(box.getText(), "");
}

TEST_F(MenuTextboxTest, EscapeAndReturnDropTheFocusAndAreConsumed) {
    EXPECT_TRUE(box.onKeyPressed(sf::Keyboard::Return));
    EXPECT_FALSE(box.isFocused());
    box.onFocusGained();
    EXPECT_TRUE(box.onKeyPressed(sf::Keyboard::Escape));
    EXPECT_FALSE(box.isFocused());
    box.onFocusGained();
    EXPECT_TRUE(box.onKeyPressed(sf::Keyboard::F5)) << "every key is taken while focused";
}

TEST_F(MenuTextboxTest, DisabledFocusIsNeitherGainedNorLost) {
    box.onFocusLost();
    box.MenuElementHandlerFocus::setDisabled(true);
    box.onFocusGained();
    EXPECT_FALSE(box.isFocused());
}

TEST_F(MenuTextboxTest, ShortenedTextPullsTheCaretBack) {
    type(U"abcdef");
    box.setText("ab");
    EXPECT_EQ(box.getCaretIndex(), 2u);
}

TEST_F(MenuTextboxTest, SizeSetsTheCharacterSizeFromTheHeight) {
    EXPECT_EQ(box.getCharacterSize(), 26u);
    box.setSize(200, 3);
    EXPECT_EQ(box.getCharacterSize(), 0u) << "no wrap-around below the padding";
}

TEST(MenuTextboxUnsizedTest, TextSetBeforeTheSizeIsKept) {
    sf::Font font;
    MenuTextbox box(nullptr, font);
    box.setText("Spielstand");
    EXPECT_EQ(box.getText(), "Spielstand");
}

} // namespace
