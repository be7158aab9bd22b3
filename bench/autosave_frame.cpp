// Cost of the frames in which the game saves by itself, over a busy factory:
// the frame's update, the autosave into the next slot and its draw, and the
// next frame, whose draw takes the save's picture. Needs a display; from build/, with a save
// written by the headless runner:
//   (cat ../bench/factory_100.sim; echo save factory.sav) | ./ostravel-sim --seed 1 -
//   xvfb-run -a -s "-screen 0 1600x1200x24" bench/autosave_frame factory.sav [saves]
// The slots are written into a scratch folder, never into build/save.
// Prints the median and the largest ordinary frame, then the same for the
// frames of the save and of its picture.

#include "app/Game.hpp"

#include <SFML/System/Clock.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

double Milliseconds(const sf::Clock& clock) {
    return clock.getElapsedTime().asMicroseconds() / 1000.0;
}

void Report(const char* name, const std::vector<double>& times) {
    std::cout << name << ": median " << Percentile(times, 0.5) << " ms, largest "
              << Percentile(times, 1.0) << " ms (" << times.size() << ")" << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    Game game;
    if (!game.loadAssets() || !game.init())
        return 1;
    if (argc < 2 || !game.getLevel()->loadKeepingCurrent(argv[1])) {
        std::cerr << "usage: autosave_frame FACTORY_SAVE [saves]" << std::endl;
        return 1;
    }
    const int saves = argc > 2 ? std::max(3, std::atoi(argv[2])) : 20;
    char scratch[] = "/tmp/ostravel-autosave-bench-XXXXXX";
    if (mkdtemp(scratch) == nullptr)
        return 1;
    std::filesystem::current_path(scratch);
    game.getWindow()->setFramerateLimit(0); // measure the work, not the pacing
    game.getGameTime().setSpeedLevel(1);
    game.getWorldView().setCenter(28 * 128.f, 16 * 128.f);
    std::cout << "objects " << game.getLevel()->getGameObjects().size() << ", employees "
              << game.getLevel()->getEmployees().size() << std::endl;

    std::vector<double> ordinary;
    for (int i = 0; i < 120; ++i) {
        sf::Clock clock;
        game.update();
        game.draw();
        if (i >= 20) // the first frames fill caches and upload textures
            ordinary.push_back(Milliseconds(clock));
    }
    std::vector<double> saveFrames;
    std::vector<double> saving;
    std::vector<double> pictureFrames;
    for (int i = 0; i < saves; ++i) {
        sf::Clock clock;
        game.update();
        sf::Clock save;
        game.autosaveAtDayStart();
        saving.push_back(Milliseconds(save));
        game.draw();
        saveFrames.push_back(Milliseconds(clock));
        // The save's picture is taken in the frame after it.
        clock.restart();
        game.update();
        game.draw();
        pictureFrames.push_back(Milliseconds(clock));
        for (int k = 0; k < 5; ++k) {
            game.update();
            game.draw();
        }
    }
    Report("ordinary frame", ordinary);
    Report("frame with the autosave", saveFrames);
    Report("  of which the save", saving);
    Report("frame after it, with the picture", pictureFrames);
    game.getWindow()->close();
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return 0;
}
