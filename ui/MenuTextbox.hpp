#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstddef>
#include <functional>

// An editable single line with a caret. The content is UTF-8; the caret
// counts characters. A typed character that is not accepted, or that would
// make the line longer than allowed or wider than the box, is refused and
// the refusal told to a listener; nothing is ever cut. Text set from outside
// is kept whole and drawn cut off at the box's edge. Measuring needs a
// window with a loaded font; with an empty font every width fits.
class MenuTextbox : public virtual MenuElementHandlerFocus,
                    public virtual MenuElementHandlerText,
                    public virtual MenuElementHandlerKeyDown {
public:
    MenuTextbox(Game* game, const sf::Font& font);
    MenuTextbox(const MenuTextbox&) = delete;
    MenuTextbox& operator=(const MenuTextbox&) = delete;

    enum class Refusal { CharacterNotAllowed, Full };
    using CharacterFilter = std::function<bool(unsigned codepoint)>;
    using RefusalListener = std::function<void(Refusal)>;
    // Without a filter printable Latin-1 is accepted.
    void setCharacterFilter(CharacterFilter filter) { accepts = std::move(filter); }
    // 0 for no limit but the box's width.
    void setMaxCharacters(std::size_t count) { maxCharacters = count; }
    void setRefusalListener(RefusalListener listener) { onRefused = std::move(listener); }

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
    bool fitsWidth(const sf::String& characters);
    void refuse(Refusal refusal);
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
    CharacterFilter accepts;
    std::size_t maxCharacters = 0;
    RefusalListener onRefused;
};
