#include "app/DebugText.hpp"

sf::Text fpsText;
float debugTextNextY = 50.f;
