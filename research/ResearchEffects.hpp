#pragma once

#include "research/ResearchProjects.hpp"

#include <set>

// What finished research changes in the rules, as factors on the figures the
// rules name. Every factor is exactly 1 while nothing is finished, and
// Scaled() then hands the figure back untouched, so a game that never
// researches plays exactly as before research existed.
struct ResearchEffects {
    double recipeDuration = 1.0;
    double truckSpawnDelay = 1.0;
    double driverWalkSpeed = 1.0;
    double needRise = 1.0;
    double buyPrice = 1.0;
    double sellPrice = 1.0;

    static ResearchEffects Of(const std::set<ResearchProject>& finished);
};

namespace Research {

// The figure times the factor; the figure itself at factor 1. Worked out in
// double, so that 30 minutes less 10 % are 27 and not a float below it.
inline float Scaled(float figure, double factor) {
    return factor == 1.0 ? figure : static_cast<float>(static_cast<double>(figure) * factor);
}

} // namespace Research
