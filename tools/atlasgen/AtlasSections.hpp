#pragma once

#include <SFML/Graphics/Image.hpp>

// Each section draws its sprites into the rectangles the game's atlas
// lookups answer, so picture and lookup can never disagree.
void DrawTiles(sf::Image& atlas);
void DrawZones(sf::Image& atlas);
void DrawObjects(sf::Image& atlas);
void DrawRawMaterials(sf::Image& atlas);
void DrawCarParts(sf::Image& atlas);
void DrawHudIcons(sf::Image& atlas);
void DrawTaskIcons(sf::Image& atlas);
void DrawCursorFrames(sf::Image& atlas);
void DrawEmployeeLayers(sf::Image& atlas);
void DrawTruck(sf::Image& atlas);
void DrawAlertIcons(sf::Image& atlas);

// Sprites are designed on a canvas a quarter of their atlas size.
constexpr int PixelArtScale = 4;
// The canvas of one 128-pixel tile.
constexpr int TileCanvasSize = 128 / PixelArtScale;
