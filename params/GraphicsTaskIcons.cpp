#include "params/Graphics.hpp"

#include "params/TileSize.hpp"

// Pictures of the task kinds, shown where an employee's work priorities are
// set. The task lookup proper answers the fallback for every task; these are
// separate so that nothing drawn through that lookup changes.
namespace GameParams::Graphics {

namespace SIZE128PX {

namespace {

// Below the HUD icons; one tile per kind from TaskError on.
constexpr int TaskIconRowTop = 3712;
constexpr int TaskIconSize = 128;

} // namespace

sf::IntRect GetTaskIconTexture(int kind) {
    if (kind < FirstTaskIcon || kind > LastTaskIcon)
        return GetFallbackTexture();
    return {(kind - FirstTaskIcon) * TaskIconSize, TaskIconRowTop, TaskIconSize, TaskIconSize};
}

} // namespace SIZE128PX

sf::IntRect GetTaskIconTexture(int kind) {
    // The old 32-pixel layout has no such pictures.
    if (GetTileSizeType() == ::SIZE128PX)
        return SIZE128PX::GetTaskIconTexture(kind);
    return GetTexture(static_cast<TaskType>(kind));
}

} // namespace GameParams::Graphics
