#include "params/Prices.hpp"

#include <cmath>

namespace GameParams {

namespace {

constexpr float ZonePrice = 25.f;

struct ObjectPrice {
    GameObjectType type;
    float price;
};

constexpr ObjectPrice ObjectPrices[] = {
    {ObjectFridge, 100.f},         {ObjectToilet, 50.f},
    {ObjectDesk, 120.f},           {ObjectCoffeeMachine, 15.f},
    {ObjectKitchenCounter, 150.f}, {ObjectKitchenTable, 50.f},
    {ObjectWorkbench, 250.f},      {ObjectDoor, 50.f},
};

float HalfRoundedToHundredths(float price) {
    return std::round(price * 0.5f * 100.f) / 100.f;
}

} // namespace

float GetTilePrice(TileType type) {
    switch (type) {
    case TileGrass:
        return 10.f;
    case TileWall:
        return 25.f;
    case TileFloor:
        return 20.f;
    default:
        return 0.f;
    }
}

float GetZonePrice(ZoneType type) {
    return type >= ZoneKitchen && type <= ZoneGoodsOut ? ZonePrice : 0.f;
}

float GetObjectPrice(GameObjectType type) {
    for (const ObjectPrice& entry : ObjectPrices) {
        if (entry.type == type) {
            return entry.price;
        }
    }
    return 0.f;
}

float GetZoneRefund(ZoneType type) {
    return HalfRoundedToHundredths(GetZonePrice(type));
}

float GetObjectRefund(GameObjectType type) {
    return HalfRoundedToHundredths(GetObjectPrice(type));
}

} // namespace GameParams
