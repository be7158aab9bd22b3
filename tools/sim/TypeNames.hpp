#pragma once

#include "params/Enums.hpp"

#include <optional>
#include <string>

// Script names of the game's types: the enumerator without its prefix, in
// lower case ("floor", "goodsin", "coffeemachine", "engineblock").
namespace SimNames {

std::optional<TileType> ParseTile(const std::string& name);
std::optional<ZoneType> ParseZone(const std::string& name);
std::optional<GameObjectType> ParseObject(const std::string& name);
std::optional<ItemType> ParseItem(const std::string& name);

std::string ItemName(ItemType type);

} // namespace SimNames
