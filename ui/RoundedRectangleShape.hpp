#pragma once

#include <SFML/Graphics/Shape.hpp>

namespace sf {

// A rectangle whose four corners are quarter circles; the panel and button
// background of the menus.
class RoundedRectangleShape : public Shape {
public:
    RoundedRectangleShape() { update(); }

    void setSize(const Vector2f& newSize);
    const Vector2f& getSize() const { return size; }
    void setCornersRadius(float newRadius);
    float getCornersRadius() const { return radius; }
    void setCornerPointCount(unsigned int count);
    unsigned int getCornerPointCount() const { return cornerPointCount; }

    std::size_t getPointCount() const override;
    // Corners run counter-clockwise from the top right; an index past the
    // count gives (0, 0).
    Vector2f getPoint(std::size_t index) const override;

private:
    Vector2f size;
    float radius = 0.f;
    unsigned int cornerPointCount = 0;
};

} // namespace sf
