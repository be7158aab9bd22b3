#include "params/TileSize.hpp"

namespace GameParams {

namespace {
TileSizeType currentTileSize = SIZE128PX;
}

TileSizeType GetTileSizeType() { return currentTileSize; }

void SetTileSizeType(TileSizeType size) { currentTileSize = size; }

} // namespace GameParams
