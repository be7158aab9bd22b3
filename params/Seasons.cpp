#include "params/Seasons.hpp"

namespace GameParams {

const std::vector<std::string>& GetSeasonNames() {
    static const std::vector<std::string> names{"Frühling", "Sommer", "Herbst", "Winter"};
    return names;
}

} // namespace GameParams
