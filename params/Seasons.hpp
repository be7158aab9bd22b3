#pragma once

#include <string>
#include <vector>

namespace GameParams {

// The calendar's season names, in order; their count is the seasons per year.
const std::vector<std::string>& GetSeasonNames();

} // namespace GameParams
