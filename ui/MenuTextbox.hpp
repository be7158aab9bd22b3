#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

// An editable single line with a caret. The content is UTF-8; the caret
// counts characters. The content is cut so that it always fits the box,
// which measures the text: with a loaded font that needs a window, with an
// empty font nothing is ever cut.
class MenuTextbox : public virtual MenuElementHandlerFocus,
                    public virtual MenuElementHandlerText,
                    public virtual MenuElementHandlerKeyDown {
public:
    MenuTextbox(Game* game, const sf::Font& font);
    MenuTextbox(const MenuTextbox&) = delete;
    MenuTextbox& operator=(const MenuTextbox&) = delete;

    std::string getText() const override { return text; }
    void setText(const std::string& newText) override;
    bool onTextEntered(unsigned codepoint) override;
    bool onKeyPressed(sf::Keyboard::Key key) override;
    void onFocusGained() override;
    void onFocusLost() override;

    unsigned getCaretIndex() const { return caretIndex; }
    unsigned getCharacterSize() const { return shownText.getCharacterSize(); }
    sf::Vector2f getCaretPosition() const { return caret.getPosition(); }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // The font size follows the height.
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    sf::String content() const;
    void storeContent(const sf::String& characters);
    void cutToWidth(sf::String& characters);
    void placeTextAndCaret();

    bool visible = true;
    Game* game;
    sf::RectangleShape background;
    sf::RectangleShape caret;
    sf::Text shownText;
    // Its own copy, so the box outlives the menu that made it.
    sf::Font font;
    sf::Color outlineColor = sf::Color::Black;
    sf::Color fillColor = sf::Color::White;
    sf::Color textColor = sf::Color::Black;
    float width = 0.f;
    float height = 0.f;
    float paddingX = 2.f;
    float paddingY = 2.f;
    float caretGap = 0.f;
    unsigned caretIndex = 0;
};
