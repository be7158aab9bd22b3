#pragma once

#include <SFML/System/Vector2.hpp>

class GameSounds;
class Level;

// Lives across one release of the build cursor and, when it ends, lets the
// sounds hear what the release did: the balance fell (built), rose
// (demolished) or stayed (refused). A release that did not reach the tool
// (used false) is heard as nothing.
class ToolSoundWatch {
public:
    ToolSoundWatch(GameSounds& sounds, Level* level, int category, sf::Vector2f at,
                   bool used = true);
    ~ToolSoundWatch();
    ToolSoundWatch(const ToolSoundWatch&) = delete;
    ToolSoundWatch& operator=(const ToolSoundWatch&) = delete;

private:
    GameSounds& sounds;
    Level* level;
    int category;
    sf::Vector2f at;
    double balanceBefore = 0.0;
};
