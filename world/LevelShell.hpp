#pragma once

class GameTime;

namespace sf {
class Font;
class View;
} // namespace sf

// What a level needs from the window that shows it: the font its labels are
// written in, the clock the game runs by and the view that looks at the map.
// The game is one; the headless runner and the tests have none, and attach a
// clock of their own to the level instead.
class LevelShell {
public:
    virtual ~LevelShell() = default;
    virtual const sf::Font& getFont() const = 0;
    virtual GameTime& getGameTime() = 0;
    virtual sf::View& getWorldView() = 0;

protected:
    LevelShell() = default;
    LevelShell(const LevelShell&) = default;
    LevelShell& operator=(const LevelShell&) = default;
};
