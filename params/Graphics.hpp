#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <map>
#include <string>

// Which rectangle of the sprite atlas shows a game value. The public
// functions dispatch on the process-wide tile size type; the two nested
// namespaces hold the tables of the 128-pixel atlas the game uses and of the
// older 32-pixel layout.
namespace GameParams::Graphics {

using CursorTextureMap = std::map<std::string, sf::IntRect>;

// The atlas of the current tile size type; the game owns it.
sf::Texture* GetSpriteMap();
void SetSpriteMap(TileSizeType size, sf::Texture* atlas);

sf::Vector2i GetSize();

sf::IntRect GetTexture(TileType type);
// A ground tile's picture on its cell: the rare variants (flowers, stones,
// stains) follow from the cell, so a map looks the same after a load.
sf::IntRect GetTexture(TileType type, int column, int row);
sf::IntRect GetTexture(ZoneType type);
sf::IntRect GetTexture(GameObjectType type);
sf::IntRect GetTexture(ItemType type);
sf::IntRect GetTexture(GuiElemType type);
sf::IntRect GetTexture(TaskType type);

// The picture of a work priority: a task kind from TaskError (-1) up to
// TaskResearch. Other kinds answer the fallback.
constexpr int FirstTaskIcon = TaskError;
constexpr int ResearchTaskIcon = TaskResearch;
constexpr int LastTaskIcon = ResearchTaskIcon;
sf::IntRect GetTaskIconTexture(int kind);

// The picture of an alert kind, 0 to AlertIconCount - 1 in the order the
// HUD lists them; other values answer the fallback.
constexpr int AlertIconCount = 14;
sf::IntRect GetAlertIconTexture(int kind);

// The seven tinted body layers of an employee facing direction 1-4.
sf::VertexArray GetEmployeeTextureQuads(int direction, sf::Color skin, sf::Color hair,
                                        sf::Color upperBody, sf::Color lowerBody);

sf::IntRect GetTruckTexture();
sf::IntRect GetTruckTireTexture();
sf::Vector2f GetTruckTireOffset(int wheel);
sf::Vector2f GetTruckDriverOffset();
sf::Vector2i GetWhitePixelTexture();
CursorTextureMap GetCursorTexture();

// Palette picks for a new employee's looks; each draws one rand().
sf::Color GetRandomSkinColor();
sf::Color GetRandomHairColor();
sf::Color GetRandomUpperBodyColor();
sf::Color GetRandomLowerBodyColor();

namespace SIZE128PX {

// The fallback rectangle every failed lookup answers with.
sf::IntRect GetFallbackTexture();

sf::IntRect GetTexture(TileType type);
sf::IntRect GetTexture(ZoneType type);
sf::IntRect GetTexture(GameObjectType type);
sf::IntRect GetTexture(ItemType type);
sf::IntRect GetTexture(GuiElemType type);
sf::IntRect GetTexture(TaskType type);
sf::IntRect GetTaskIconTexture(int kind);
sf::IntRect GetAlertIconTexture(int kind);

// The tile lookup without its dice: roll is the rand() % 1000 that picks the
// rare grass and floor variants (grass: < 5 and < 10; floor: < 50).
sf::IntRect GetTileTexture(TileType type, int roll);
sf::IntRect GetTexture(TileType type, int column, int row);
// The roll of a cell, 0 to 999, spread evenly over the map.
int CellRoll(int column, int row);

// Body layer 1-7 (legs, torso, hands, head, face, hair, hair shine).
constexpr int EmployeeLayerCount = 7;
sf::IntRect GetEmployeeLayerTexture(int layer, int direction);
sf::Vector2f GetEmployeeLayerOffset(int layer);
sf::VertexArray GetEmployeeTextureQuads(int direction, sf::Color skin, sf::Color hair,
                                        sf::Color upperBody, sf::Color lowerBody);

sf::IntRect GetTruckTexture();
sf::IntRect GetTruckTireTexture();
sf::Vector2f GetTruckTireOffset(int wheel);
sf::Vector2f GetTruckDriverOffset();
sf::Vector2i GetWhitePixelTexture();
CursorTextureMap GetCursorTexture();
sf::Vector2i GetSize();

} // namespace SIZE128PX

namespace SIZE32PX {

sf::IntRect GetFallbackTexture();

sf::IntRect GetTexture(TileType type);
sf::IntRect GetTexture(TileType type, int column, int row);
sf::IntRect GetTexture(ZoneType type);
sf::IntRect GetTexture(GameObjectType type);
sf::IntRect GetTexture(ItemType type);
sf::IntRect GetTexture(GuiElemType type);
sf::IntRect GetTexture(TaskType type);

sf::VertexArray GetEmployeeTextureQuads(int direction, sf::Color skin, sf::Color hair,
                                        sf::Color upperBody, sf::Color lowerBody);
sf::IntRect GetTruckTexture();
sf::IntRect GetTruckTireTexture();
sf::Vector2f GetTruckTireOffset(int wheel);
sf::Vector2f GetTruckDriverOffset();
sf::Vector2i GetWhitePixelTexture();
CursorTextureMap GetCursorTexture();
sf::Vector2i GetSize();

} // namespace SIZE32PX

} // namespace GameParams::Graphics
