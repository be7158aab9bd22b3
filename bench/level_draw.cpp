// Cost of drawing the level, per frame, at the game's zoom levels.
// Needs a display: run it from build/ as `xvfb-run -a bench/level_draw`.

#include "app/Game.hpp"

#include <SFML/System/Clock.hpp>

#include <iostream>

int main() {
    Game game;
    if (!game.loadAssets() || !game.init())
        return 1;
    sf::RenderWindow& window = *game.getWindow();
    window.setFramerateLimit(0); // measure the drawing, not the pacing
    const int frames = 120;
    sf::Clock baseline;
    for (int i = 0; i < frames; ++i) {
        window.clear();
        window.display();
    }
    std::cout << "empty frame: " << baseline.getElapsedTime().asMicroseconds() / 1000.0 / frames
              << " ms" << std::endl;
    for (int zoom = 0; zoom < 5; ++zoom) {
        game.setZoom(zoom);
        game.draw(); // warm up caches and textures
        sf::Clock clock;
        for (int i = 0; i < frames; ++i)
            game.draw();
        const double perFrame = clock.getElapsedTime().asMicroseconds() / 1000.0 / frames;
        std::cout << "zoom index " << zoom << ": " << perFrame << " ms per frame" << std::endl;
    }
    window.close();
    return 0;
}
