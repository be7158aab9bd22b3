#include "params/Invariant.hpp"

#include <cstdlib>
#include <iostream>

namespace GameParams {

bool InvariantsStop() {
#if !defined(NDEBUG) || defined(OSTRAVEL_CHECK_INVARIANTS)
    return true;
#else
    return false;
#endif
}

void InvariantBroken(const std::string& line) {
    std::cout << line << std::endl;
    if (InvariantsStop()) {
        std::cerr << line << std::endl;
        std::abort();
    }
}

} // namespace GameParams
