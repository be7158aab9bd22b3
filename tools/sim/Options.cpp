#include "Options.hpp"

#include <cmath>
#include <iostream>

namespace {

const char* const Usage =
    "usage: ostravel-sim [--seed N] [--load FILE] [--frame-minutes M] [--profile] [SCRIPT ...]";

bool ParseNumber(const std::string& text, double& value) {
    try {
        std::size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size() && std::isfinite(value);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::optional<SimOptions> ParseOptions(int argc, char** argv) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        double number = 0;
        if (word == "--seed" && hasValue && ParseNumber(argv[i + 1], number) && number >= 0 &&
            number == std::floor(number) && number <= 4294967295.0) {
            options.seed = static_cast<unsigned>(number);
            ++i;
        } else if (word == "--load" && hasValue) {
            options.loadFile = argv[++i];
        } else if (word == "--frame-minutes" && hasValue && ParseNumber(argv[i + 1], number) &&
                   number > 0) {
            options.frameMinutes = number;
            ++i;
        } else if (word == "--profile") {
            options.profile = true;
        } else if (word == "-" || word.rfind("--", 0) != 0) {
            options.scripts.push_back(word);
        } else {
            std::cerr << "ostravel-sim: bad option or value: " << word << "\n"
                      << Usage << std::endl;
            return std::nullopt;
        }
    }
    return options;
}
