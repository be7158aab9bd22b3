#include "sound/ToolSoundWatch.hpp"

#include "sound/GameSounds.hpp"
#include "world/Level.hpp"

ToolSoundWatch::ToolSoundWatch(GameSounds& sounds, Level* level, int category, sf::Vector2f at,
                               bool used)
    : sounds(sounds), level(used ? level : nullptr), category(category), at(at) {
    if (this->level != nullptr)
        balanceBefore = this->level->getBankAccount().getBalance();
}

ToolSoundWatch::~ToolSoundWatch() {
    sounds.toolReleased(level, category, at, balanceBefore);
}
