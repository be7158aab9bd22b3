// Scrolling, layout and clipped drawing of MenuListbox.
#include "ui/MenuListbox.hpp"

#include "ui/MenuScrollbar.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

#include <algorithm>

float MenuListbox::getContentHeight() const {
    float sum = 0.f;
    for (const auto& entry : entries)
        sum += entry->getSize().y;
    return sum;
}

float MenuListbox::getScrollPosition() const {
    return scrollbar->getScrollPosition();
}

void MenuListbox::scrollBy(float steps) {
    const float overflow = getContentHeight() - height;
    if (overflow <= 0.f)
        return;
    scrollTo(scrollbar->getScrollPosition() + steps * scrollStep / overflow * 100.f);
}

void MenuListbox::scrollUp() {
    scrollBy(-1.f);
}

void MenuListbox::scrollDown() {
    scrollBy(1.f);
}

void MenuListbox::scrollTo(float position) {
    if (getContentHeight() - height <= 0.f)
        return;
    scrollbar->setScrollPosition(position);
    layoutValid = false;
    update();
}

void MenuListbox::onScroll(int delta) {
    if (delta < 0)
        scrollDown();
    else if (delta >= 1)
        scrollUp();
}

void MenuListbox::setEntryHeight(float newHeight) {
    entryHeight = newHeight;
    layoutValid = false;
}

void MenuListbox::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    layoutValid = false;
    update();
}

void MenuListbox::update() {
    const float t = borderThickness;
    frame.setSize(sf::Vector2f(width - t, height - 2.f * t));
    frame.setPosition(t, t);
    frame.setOutlineThickness(t);

    scrollbar->setSize(scrollbarWidth, height);
    scrollbar->setPosition(width - scrollbarWidth + t, 0.f);
    scrollbar->update();

    const float hiddenContent = getContentHeight() - (height - 2.f * t);
    const float offset =
        hiddenContent > 0.f ? hiddenContent / 100.f * scrollbar->getScrollPosition() : 0.f;
    float k = 0.f;
    for (const auto& entry : entries) {
        if (!entry->isVisible())
            continue;
        entry->setSize(width - t - scrollbarWidth, entryHeight);
        entry->setPosition(t, k * entryHeight - offset + t);
        if (auto* container = dynamic_cast<MenuElementContainer*>(entry.get()))
            container->update();
        k += 1.f;
    }
    layoutValid = true;
}

void MenuListbox::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible || !layoutValid)
        return;
    states.transform *= getTransform();
    // Entries scrolled out of the box are cut off at its edges: a view that
    // shows exactly the list's rectangle, on the same spot of the target.
    const sf::View previous = target.getView();
    const sf::Vector2f topLeft = states.transform.transformPoint(0.f, 0.f);
    const sf::Vector2f bottomRight = states.transform.transformPoint(width, height);
    const sf::Vector2i pixelTopLeft = target.mapCoordsToPixel(topLeft, previous);
    const sf::Vector2i pixelBottomRight = target.mapCoordsToPixel(bottomRight, previous);
    const sf::Vector2f targetSize(static_cast<float>(target.getSize().x),
                                  static_cast<float>(target.getSize().y));
    if (targetSize.x <= 0.f || targetSize.y <= 0.f || width <= 0.f || height <= 0.f)
        return;
    sf::View clip(
        sf::FloatRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
    clip.setViewport(
        sf::FloatRect(static_cast<float>(pixelTopLeft.x) / targetSize.x,
                      static_cast<float>(pixelTopLeft.y) / targetSize.y,
                      static_cast<float>(pixelBottomRight.x - pixelTopLeft.x) / targetSize.x,
                      static_cast<float>(pixelBottomRight.y - pixelTopLeft.y) / targetSize.y));
    target.setView(clip);
    for (const auto& entry : entries)
        target.draw(*entry, states);
    target.draw(*scrollbar, states);
    target.draw(frame, states);
    target.setView(previous);
}
