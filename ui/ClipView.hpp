#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/Graphics/View.hpp>

namespace ClipView {

// A view that shows exactly the rectangle of the given size under the
// transform, on the same spot of the target: what is drawn through it is cut
// off at the rectangle's edges. False for an empty target or rectangle.
bool Make(const sf::RenderTarget& target, const sf::Transform& transform, sf::Vector2f size,
          sf::View& clip);

} // namespace ClipView
