#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <bitset>

// The keys held down in the game's own window, as its key events tell. The
// keyboard's global state would also count keys typed into other windows;
// a window that loses focus hears no release, so everything is let go then.
class HeldKeys {
public:
    void press(sf::Keyboard::Key key) {
        if (isKnown(key))
            held.set(static_cast<std::size_t>(key));
    }
    void release(sf::Keyboard::Key key) {
        if (isKnown(key))
            held.reset(static_cast<std::size_t>(key));
    }
    void releaseAll() { held.reset(); }
    bool isHeld(sf::Keyboard::Key key) const {
        return isKnown(key) && held.test(static_cast<std::size_t>(key));
    }

private:
    static bool isKnown(sf::Keyboard::Key key) {
        return key > sf::Keyboard::Unknown && key < sf::Keyboard::KeyCount;
    }

    std::bitset<sf::Keyboard::KeyCount> held;
};
