#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Clock.hpp>

#include <string>

// A line at the top of the window that tells the player what the game did
// on its own (an autosave, a quick save) and fades after a few seconds. It
// never takes input and never pauses the game: a failure shown here is one
// the game goes on after.
class Notice : public sf::Drawable {
public:
    void setFont(const sf::Font& font);
    // UTF-8. A problem is shown in red and stays longer.
    void show(const std::string& text, bool problem = false);
    // Where the line's top centre goes, in window pixels.
    void placeAt(float centreX, float top);

    bool isShown() const;
    std::string getText() const;
    bool isProblem() const { return problem; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    float remainingSeconds() const;
    void place();

    sf::Text text;
    sf::Clock shownFor;
    float lifetime = 0.f;
    bool problem = false;
    float centreX = 0.f;
    float top = 0.f;
};
