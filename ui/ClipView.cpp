#include "ui/ClipView.hpp"

namespace ClipView {

bool Make(const sf::RenderTarget& target, const sf::Transform& transform, sf::Vector2f size,
          sf::View& clip) {
    const sf::View& current = target.getView();
    const sf::Vector2f topLeft = transform.transformPoint(0.f, 0.f);
    const sf::Vector2f bottomRight = transform.transformPoint(size.x, size.y);
    const sf::Vector2i pixelTopLeft = target.mapCoordsToPixel(topLeft, current);
    const sf::Vector2i pixelBottomRight = target.mapCoordsToPixel(bottomRight, current);
    const sf::Vector2f targetSize(static_cast<float>(target.getSize().x),
                                  static_cast<float>(target.getSize().y));
    if (targetSize.x <= 0.f || targetSize.y <= 0.f || size.x <= 0.f || size.y <= 0.f)
        return false;
    clip.reset(
        sf::FloatRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
    clip.setViewport(
        sf::FloatRect(static_cast<float>(pixelTopLeft.x) / targetSize.x,
                      static_cast<float>(pixelTopLeft.y) / targetSize.y,
                      static_cast<float>(pixelBottomRight.x - pixelTopLeft.x) / targetSize.x,
                      static_cast<float>(pixelBottomRight.y - pixelTopLeft.y) / targetSize.y));
    return true;
}

} // namespace ClipView
