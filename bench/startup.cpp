// Time from start to the first shown frame, the large atlas included.
// Needs a display: run it from build/ as `xvfb-run -a bench/startup`.

#include "app/Game.hpp"

#include <SFML/System/Clock.hpp>

#include <iostream>

int main() {
    sf::Clock clock;
    Game game;
    if (!game.loadAssets())
        return 1;
    const sf::Time assets = clock.getElapsedTime();
    if (!game.init())
        return 1;
    const sf::Time initialised = clock.getElapsedTime();
    game.update();
    game.draw();
    const sf::Time firstFrame = clock.getElapsedTime();
    std::cout << "assets loaded:  " << assets.asMilliseconds() << " ms\n"
              << "initialised:    " << initialised.asMilliseconds() << " ms\n"
              << "first frame:    " << firstFrame.asMilliseconds() << " ms" << std::endl;
    return 0;
}
