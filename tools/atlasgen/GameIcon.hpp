#pragma once

#include <SFML/Graphics/Image.hpp>

// The game's icon, size pixels square.
sf::Image DrawGameIcon(int size);
