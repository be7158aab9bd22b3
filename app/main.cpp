#include "app/Game.hpp"

#include <cstdlib>
#include <ctime>
#include <memory>

int main() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    auto game = std::make_unique<Game>();
    if (!game->loadAssets() || !game->init())
        return -1;
    while (game->update())
        game->draw();
    return 0;
}
