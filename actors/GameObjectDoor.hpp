#pragma once

#include "actors/GameObject.hpp"

#include <SFML/System/Vector2.hpp>

// A sliding door: asked to open, it slides one tile aside, stays open while
// people keep asking, and slides back when left alone. Its open state is not
// saved; a loaded door is closed.
class GameObjectDoor : public GameObject {
public:
    // Pixels per game minute at 128-pixel tiles.
    static constexpr float SlideSpeed = 500.f;
    // Game minutes the door stays open after the last request.
    static constexpr float HoldTime = 3.f;

    // A request while closing only renews the hold time; the door finishes closing.
    void requestOpening();
    void update(float dt);

    bool isOpen() const { return open; }
    bool isOpening() const { return opening; }
    bool isClosing() const { return closing; }
    float getHoldTimer() const { return holdTimer; }
    sf::Vector2f getClosedPosition() const { return closedPosition; }

private:
    sf::Vector2f slideDirection() const;
    void slideOpen(float dt);
    void slideClosed(float dt);
    float slideStep(float dt) const;

    sf::Vector2f closedPosition;
    bool open = false;
    bool opening = false;
    bool closing = false;
    float slideSpeed = SlideSpeed;
    float holdTimer = 0.f;
    float holdTime = HoldTime;
};
