// Time from start to the first shown frame, the large atlas included, with
// the settings read and a save folder of forty games listed.
// Needs a display: run it from build/ as `xvfb-run -a bench/startup`.

#include "app/Game.hpp"

#include <SFML/System/Clock.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A player's folders in a scratch place: settings and forty saves, the
// fuzzer's seeds over and over, so the bench writes nothing into a home.
fs::path MakePlayerFolders() {
    char pattern[] = "/tmp/ostravel-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return {};
    const fs::path root = pattern;
    const fs::path saves = root / "data" / "ostravel" / "save";
    fs::create_directories(saves);
    fs::create_directories(root / "config" / "ostravel");
    std::ofstream(root / "config" / "ostravel" / "settings.ini") << "show_fps=on\n";
    const fs::path seeds = OSTRAVEL_SAVE_SEEDS;
    for (int copy = 0; copy < 5; ++copy)
        for (const fs::directory_entry& seed : fs::directory_iterator(seeds))
            fs::copy_file(seed.path(),
                          saves / (seed.path().filename().string() + " " + std::to_string(copy)));
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    return root;
}

} // namespace

int main() {
    const fs::path folders = MakePlayerFolders();
    if (folders.empty())
        return 1;
    {
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
    }
    fs::remove_all(folders);
    return 0;
}
