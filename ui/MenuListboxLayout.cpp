// Scrolling, layout and clipped drawing of MenuListbox.
#include "ui/MenuListbox.hpp"

#include "ui/ClipView.hpp"
#include "ui/MenuScrollbar.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

#include <algorithm>
#include <cmath>

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

float MenuListbox::heightForLines(int lines) const {
    return static_cast<float>(lines) * entryHeight + 2.f * borderThickness;
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
    float offset =
        hiddenContent > 0.f ? hiddenContent / 100.f * scrollbar->getScrollPosition() : 0.f;
    // Whole lines only, wherever the scrollbar was dragged to: no line is
    // cut in half at the list's top or bottom.
    if (entryHeight > 0.f && hiddenContent > 0.f)
        offset = std::min(std::round(offset / entryHeight) * entryHeight, hiddenContent);
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
    sf::View clip;
    if (!ClipView::Make(target, states.transform, sf::Vector2f(width, height), clip))
        return;
    target.setView(clip);
    for (const auto& entry : entries)
        target.draw(*entry, states);
    target.draw(*scrollbar, states);
    target.draw(frame, states);
    target.setView(previous);
}
