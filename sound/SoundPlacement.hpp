#pragma once

#include <SFML/System/Vector2.hpp>

// How a sound from a point of the world is heard by a player looking at
// the view: louder near the view's centre, from the side it is on, and not
// at all off screen.
struct SoundPlacement {
    bool audible = false;
    float gain = 0.f;
    float pan = 0.f;
};

// Gain at the screen's corners, where it is quietest.
constexpr float EdgeGain = 0.35f;
// Pan at the screen's left and right edges: never wholly in one ear.
constexpr float EdgePan = 0.8f;

SoundPlacement PlaceInView(sf::Vector2f point, sf::Vector2f viewCentre, sf::Vector2f viewSize);
