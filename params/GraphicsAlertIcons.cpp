#include "params/Graphics.hpp"

#include "params/TileSize.hpp"

// Pictures of the alert kinds the HUD lists, drawn by the atlas generator.
namespace GameParams::Graphics {

namespace SIZE128PX {

namespace {

// The row between the task icons and the cursor frames, from its right end
// back, one tile per kind.
constexpr int AlertIconRowTop = 3840;
constexpr int AlertIconFirstLeft = 2688 - AlertIconCount * 128;
constexpr int AlertIconSize = 128;

} // namespace

sf::IntRect GetAlertIconTexture(int kind) {
    if (kind < 0 || kind >= AlertIconCount)
        return GetFallbackTexture();
    return {AlertIconFirstLeft + kind * AlertIconSize, AlertIconRowTop, AlertIconSize,
            AlertIconSize};
}

} // namespace SIZE128PX

sf::IntRect GetAlertIconTexture(int kind) {
    // The old 32-pixel layout has no such pictures.
    if (GetTileSizeType() == ::SIZE128PX)
        return SIZE128PX::GetAlertIconTexture(kind);
    return SIZE32PX::GetFallbackTexture();
}

} // namespace GameParams::Graphics
