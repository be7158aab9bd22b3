#pragma once

#include <optional>
#include <string>
#include <vector>

struct SimOptions {
    std::optional<unsigned> seed;
    std::string loadFile;
    double frameMinutes = 0.3; // the top speed at 60 frames per second
    bool profile = false;
    std::vector<std::string> scripts;
};

// Reads the command line; on a usage error prints why and returns nothing.
std::optional<SimOptions> ParseOptions(int argc, char** argv);
