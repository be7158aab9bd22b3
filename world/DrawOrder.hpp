#pragma once

#include <memory>

// The level draws its things by y, then x: its containers are kept sorted so,
// and draw() merges them by y.
template <class Thing>
bool DrawnBefore(const std::unique_ptr<Thing>& a, const std::unique_ptr<Thing>& b) {
    const auto pa = a->getPosition();
    const auto pb = b->getPosition();
    if (pa.y != pb.y) {
        return pa.y < pb.y;
    }
    return pa.x < pb.x;
}
