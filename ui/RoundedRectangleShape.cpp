#include "ui/RoundedRectangleShape.hpp"

#include <cmath>

namespace sf {
namespace {

constexpr float Pi = 3.1415927f;

} // namespace

void RoundedRectangleShape::setSize(const Vector2f& newSize) {
    size = newSize;
    update();
}

void RoundedRectangleShape::setCornersRadius(float newRadius) {
    radius = newRadius;
    update();
}

void RoundedRectangleShape::setCornerPointCount(unsigned int count) {
    cornerPointCount = count;
    update();
}

std::size_t RoundedRectangleShape::getPointCount() const {
    return static_cast<std::size_t>(cornerPointCount) * 4;
}

Vector2f RoundedRectangleShape::getPoint(std::size_t index) const {
    if (index >= getPointCount())
        return Vector2f(0.f, 0.f);
    const std::size_t corner = index / cornerPointCount;
    Vector2f centre;
    switch (corner) {
    case 0:
        centre = Vector2f(size.x - radius, radius);
        break;
    case 1:
        centre = Vector2f(radius, radius);
        break;
    case 2:
        centre = Vector2f(radius, size.y - radius);
        break;
    default:
        centre = Vector2f(size.x - radius, size.y - radius);
        break;
    }
    // One point per corner has no sweep to divide; it sits at the corner's
    // starting angle instead of dividing by zero.
    const float step = cornerPointCount > 1 ? 90.f / static_cast<float>(cornerPointCount - 1) : 0.f;
    const float angle = step * static_cast<float>(index - corner) * Pi / 180.f;
    return Vector2f(centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle));
}

} // namespace sf
