#include "ui/MenuScrollbar.hpp"

#include "ui/MenuListbox.hpp"
#include "ui/MenuSymbolButton.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuScrollbar::MenuScrollbar(MenuListbox& target, const sf::Font& font)
    : target(target), upButton(std::make_unique<MenuSymbolButton>(this, font)),
      downButton(std::make_unique<MenuSymbolButton>(this, font)) {
    setParent(&target);
    upButton->setDirection(MenuSymbolButton::DirectionUp);
    downButton->setDirection(MenuSymbolButton::DirectionDown);
    track.setFillColor(trackFill);
    track.setOutlineColor(trackOutline);
    track.setOutlineThickness(thickness);
    thumb.setFillColor(thumbFill);
}

MenuScrollbar::~MenuScrollbar() = default;

void MenuScrollbar::setScrollPosition(float newPosition) {
    position = std::clamp(newPosition, 0.f, 100.f);
    update();
}

std::vector<MenuElement*> MenuScrollbar::getElements() const {
    return {upButton.get(), downButton.get()};
}

void MenuScrollbar::onElementEvent(MenuEventType type, MenuElement* child) {
    if (type != MenuEventType::MousePressed)
        return;
    if (child == upButton.get())
        target.scrollUp();
    else if (child == downButton.get())
        target.scrollDown();
}

void MenuScrollbar::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    layoutValid = false;
}

float MenuScrollbar::trackTop() const {
    return upButton->getSize().y;
}

float MenuScrollbar::trackHeight() const {
    return std::max(0.f, height - upButton->getSize().y - downButton->getSize().y);
}

float MenuScrollbar::thumbTop() const {
    return trackTop() + (trackHeight() - thumbHeight()) / 100.f * position;
}

void MenuScrollbar::update() {
    upButton->setSize(width, width);
    upButton->setPosition(0.f, 0.f);
    downButton->setSize(width, width);
    downButton->setPosition(0.f, height - width);
    track.setSize(sf::Vector2f(std::max(0.f, width - 2.f * thickness), trackHeight()));
    track.setPosition(thickness, trackTop());
    thumb.setSize(sf::Vector2f(track.getSize().x, thumbHeight()));
    thumb.setPosition(0.f, thumbTop());
    layoutValid = true;
}

void MenuScrollbar::onDragStart(int x, int y) {
    const float localX = static_cast<float>(x) - getPosition().x;
    const float localY = static_cast<float>(y) - getPosition().y;
    const bool onTrack = localX >= 0.f && localX < width && localY >= trackTop() &&
                         localY < trackTop() + trackHeight();
    if (!onTrack)
        return;
    dragging = true;
    const float top = thumbTop();
    // A grab on the thumb keeps its hold; one beside it pulls the thumb's
    // middle under the pointer.
    const bool onThumb = localY >= top && localY < top + thumbHeight();
    grabOffset = onThumb ? localY - top : thumbHeight() / 2.f;
    if (!onThumb)
        dragTo(localY);
}

void MenuScrollbar::onDragMove(int, int y) {
    if (dragging)
        dragTo(static_cast<float>(y) - getPosition().y);
}

void MenuScrollbar::dragTo(float localY) {
    const float travel = trackHeight() - thumbHeight();
    if (travel <= 0.f)
        return;
    target.scrollTo((localY - grabOffset - trackTop()) / travel * 100.f);
}

void MenuScrollbar::draw(sf::RenderTarget& renderTarget, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    renderTarget.draw(track, states);
    renderTarget.draw(thumb, states);
    renderTarget.draw(*upButton, states);
    renderTarget.draw(*downButton, states);
}
