#include "sound/SoundPlacement.hpp"

#include <algorithm>
#include <cmath>

SoundPlacement PlaceInView(sf::Vector2f point, sf::Vector2f viewCentre, sf::Vector2f viewSize) {
    const sf::Vector2f half = viewSize / 2.f;
    if (half.x <= 0.f || half.y <= 0.f)
        return {};
    const float x = (point.x - viewCentre.x) / half.x;
    const float y = (point.y - viewCentre.y) / half.y;
    if (std::fabs(x) > 1.f || std::fabs(y) > 1.f)
        return {};
    // 0 at the centre, 1 in the corners.
    const float distance = std::min(1.f, std::sqrt(x * x + y * y) / std::sqrt(2.f));
    return {true, 1.f - (1.f - EdgeGain) * distance, EdgePan * x};
}
