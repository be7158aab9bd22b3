#pragma once

#include "params/Enums.hpp"

namespace GameParams {

// The process-wide tile size; every atlas lookup dispatches on it.
TileSizeType GetTileSizeType();
void SetTileSizeType(TileSizeType size);

} // namespace GameParams
