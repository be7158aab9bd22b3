#pragma once

#include "params/Enums.hpp"

namespace GameParams {

// Purchase prices in the account's currency; 0 for anything not for sale.
float GetTilePrice(TileType type);
float GetZonePrice(ZoneType type);
float GetObjectPrice(GameObjectType type);

// Demolition gives back half the price, rounded to hundredths.
float GetZoneRefund(ZoneType type);
float GetObjectRefund(GameObjectType type);

} // namespace GameParams
