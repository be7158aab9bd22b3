// ostravel-sim: runs a level without a window, driven by scenario scripts.

#include "Options.hpp"
#include "Runner.hpp"

#include "params/Random.hpp"
#include "params/Texts.hpp"

#include <ctime>
#include <iostream>

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options)
        return SimScriptError;
    GameParams::SeedRandom(options->seed ? *options->seed
                                         : static_cast<unsigned>(std::time(nullptr)));
    GameParams::Texts::Init();

    Runner runner(*options);
    if (!options->loadFile.empty() && !runner.loadStartingLevel(options->loadFile)) {
        std::cerr << "ostravel-sim: " << options->loadFile << ": cannot load" << std::endl;
        return SimLoadFailed;
    }
    const int status = runner.runScripts();
    if (status != SimOk)
        return status;
    if (!runner.lastCommandWasReport())
        runner.printReport();
    return SimOk;
}
