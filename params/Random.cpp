#include "params/Random.hpp"

#include <cstdlib>

namespace GameParams {

int Random() {
    return std::rand() % (RandomMax + 1);
}

void SeedRandom(unsigned seed) {
    std::srand(seed);
}

} // namespace GameParams
