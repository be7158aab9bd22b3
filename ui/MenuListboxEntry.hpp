#pragma once

#include "ui/MenuElementStaticText.hpp"
#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Time.hpp>

#include <functional>

// One line of a list box. Its focus state is its selection, which the list
// decides; a press reports a double click to the list when it follows the
// previous press on any entry within half a second.
class MenuListboxEntry : public virtual MenuElementStaticText,
                         public virtual MenuElementHandlerHover,
                         public virtual MenuElementHandlerFocus,
                         public virtual MenuElementHandlerClick {
public:
    // The font is referred to, not copied: the list that owns the entry owns it.
    MenuListboxEntry(MenuElement* parent, const sf::Font& font);
    MenuListboxEntry(const MenuListboxEntry&) = delete;
    MenuListboxEntry& operator=(const MenuListboxEntry&) = delete;

    // UTF-8.
    std::string getText() const override;
    void setText(const std::string& newText) override;

    void onHoverEnter() override;
    void onHoverLeave() override;
    void onFocusGained() override;
    void onFocusLost() override;
    void onMousePressed(Game* game) override;
    void onMouseReleased(Game* game) override;

    bool isSelected() const { return focused; }
    sf::Color getFillColor() const { return background.getFillColor(); }
    const sf::Text& getTextShape() const { return text; }
    std::vector<const sf::Text*> getWrittenTexts() const override { return {&text}; }

    // (0, 0) while invisible, so a hidden entry takes no room and is never hit.
    sf::Vector2f getSize() const override;
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    // The time since start-up that double clicks are measured with; one for
    // every entry. An empty function restores the real clock. For tests.
    using PressClock = std::function<sf::Time()>;
    static void SetPressClock(PressClock clock);
    // Makes the next press a single one.
    static void ForgetLastPress();
    static constexpr float DoubleClickSeconds = 0.5f;

    static const sf::Color NormalColor;
    static const sf::Color HoverColor;
    static const sf::Color SelectedColor;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // Background and text under the entry's own transform already applied.
    void drawEntry(sf::RenderTarget& target, const sf::RenderStates& states) const;
    // Puts the text's glyphs at textStart(), centred in the entry's height.
    void placeText();
    // Where the text begins; entries with an image move it right.
    virtual float textStart() const { return paddingX; }
    sf::Vector2f getBoxSize() const { return background.getSize(); }
    const sf::Font& getFont() const { return font; }

private:
    bool visible = true;
    const sf::Font& font;
    sf::Text text;
    sf::RectangleShape background;
    float paddingX = 5.f;
};
