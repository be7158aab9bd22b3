#pragma once

#include "ui/MenuListboxEntry.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

// A list line of two rows for something worked towards: its caption with a
// state at the right on top; below, what it is, and how far it has come as a
// figure and a bar. The tag tells the dialog which thing the line shows.
class MenuListboxProgressEntry : public virtual MenuListboxEntry {
public:
    MenuListboxProgressEntry(MenuElement* parent, const sf::Font& font, int tag);

    int getTag() const { return tag; }
    // The caption (UTF-8); the entry's text.
    std::string getText() const override;
    void setText(const std::string& newText) override;
    // fraction is clamped to [0, 1].
    void setDetails(const std::string& state, sf::Color stateColour, const std::string& description,
                    const std::string& figures, float fraction);
    std::string getState() const;
    std::string getDescription() const;
    std::string getFigures() const;
    float getFraction() const { return fraction; }
    const sf::RectangleShape& getBar() const { return bar; }
    const sf::RectangleShape& getBarFrame() const { return barFrame; }
    // Caption, state, description and figures, as drawn.
    std::vector<const sf::Text*> getTexts() const {
        return {&caption, &state, &description, &figures};
    }
    std::vector<const sf::Text*> getWrittenTexts() const override { return getTexts(); }

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void place();

    int tag;
    sf::Text caption;
    sf::Text state;
    sf::Text description;
    sf::Text figures;
    // Drawn over the list's dark selection, which would hide the grey texts.
    sf::RectangleShape selection;
    sf::RectangleShape barFrame;
    sf::RectangleShape bar;
    float fraction = 0.f;
};
