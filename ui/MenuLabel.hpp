#pragma once

#include "ui/MenuElementStaticText.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

// One line of text, aligned in its box, whose font size is fitted to the box
// when the box is sized. Fitting measures the text: with a loaded font that
// needs a window; with an empty font the size stays as it is.
class MenuLabel : public virtual MenuElementStaticText {
public:
    enum Alignment { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

    MenuLabel(MenuElement* parent, const sf::Font& font);
    MenuLabel(const MenuLabel&) = delete;
    MenuLabel& operator=(const MenuLabel&) = delete;

    // UTF-8. Aligns again; the font size is refitted only by setSize.
    void setText(const std::string& newText) override;
    std::string getText() const override;
    void setAlignment(int newAlignment);
    int getAlignment() const { return alignment; }
    void setTextColor(sf::Color color);
    unsigned getCharacterSize() const { return text.getCharacterSize(); }
    const sf::Text& getTextShape() const { return text; }
    std::vector<const sf::Text*> getWrittenTexts() const override { return {&text}; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    // Fits the font size (up to the largest, 300 unless set) to the box, then aligns.
    void setSize(float newWidth, float newHeight) override;
    // Lines of running text keep one size and one baseline whatever their
    // letters: a box fitted to the ink alone makes a line without
    // descenders larger, and centring the ink moves it up.
    void setLargestCharacterSize(unsigned size);
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static constexpr unsigned MaxCharacterSize = 300;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void align();
    bool keepsOneSize() const { return largestCharacterSize < MaxCharacterSize; }

    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    int alignment = AlignCentre;
    sf::Text text;
    // Its own copy, so the label outlives the menu that made it.
    sf::Font font;
    sf::Color textColor = sf::Color::Black;
    unsigned largestCharacterSize = MaxCharacterSize;
};
