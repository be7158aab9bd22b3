#pragma once

#include <SFML/Graphics/Text.hpp>

// The frames-per-second line, drawn over everything in the GUI view.
extern sf::Text fpsText;

// Vertical position handed to the next debug line; each placed line adds 20.
extern float debugTextNextY;
