#include "params/Invariant.hpp"

#include <cstdlib>
#include <iostream>

namespace GameParams {

void InvariantBroken(const std::string& line) {
    std::cout << line << std::endl;
#if !defined(NDEBUG) || defined(OSTRAVEL_CHECK_INVARIANTS)
    std::cerr << line << std::endl;
    std::abort();
#endif
}

} // namespace GameParams
