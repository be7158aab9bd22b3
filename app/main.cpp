#include "app/Game.hpp"
#include "params/Random.hpp"

#include <ctime>
#include <memory>

int main() {
    GameParams::SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    auto game = std::make_unique<Game>();
    if (!game->loadAssets() || !game->init())
        return -1;
    while (game->update())
        game->draw();
    return 0;
}
