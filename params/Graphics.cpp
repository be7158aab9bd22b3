#include "params/Graphics.hpp"

#include "params/TileSize.hpp"

#include <iostream>

// Each public lookup answers from the table of the current tile size. An
// unknown size is reported and answered with an empty value, so callers
// draw nothing instead of garbage.
namespace GameParams::Graphics {

namespace {

sf::Texture* spriteMap128 = nullptr;
sf::Texture* spriteMap32 = nullptr; // the game never loads the old atlas

void ReportUnknownSize(const char* function) {
    std::cout << "GameParams::Graphics::" << function << "() - Unknown TileSizeType" << std::endl;
}

template <typename Small, typename Large, typename Result>
Result Dispatch(const char* function, Small small, Large large, Result empty) {
    switch (GetTileSizeType()) {
    case ::SIZE128PX:
        return large();
    case ::SIZE32PX:
        return small();
    }
    ReportUnknownSize(function);
    return empty;
}

template <typename Value> sf::IntRect DispatchTexture(Value type) {
    return Dispatch(
        "GetTexture", [type] { return SIZE32PX::GetTexture(type); },
        [type] { return SIZE128PX::GetTexture(type); }, sf::IntRect());
}

} // namespace

sf::Texture* GetSpriteMap() {
    // The blank after the colons has always been in this message.
    return Dispatch(
        " GetSpriteMap", [] { return spriteMap32; }, [] { return spriteMap128; },
        static_cast<sf::Texture*>(nullptr));
}

void SetSpriteMap(TileSizeType size, sf::Texture* atlas) {
    switch (size) {
    case ::SIZE128PX:
        spriteMap128 = atlas;
        return;
    case ::SIZE32PX:
        spriteMap32 = atlas;
        return;
    }
    ReportUnknownSize("SetSpriteMap");
}

sf::Vector2i GetSize() {
    return Dispatch(
        "GetSize", [] { return SIZE32PX::GetSize(); }, [] { return SIZE128PX::GetSize(); },
        sf::Vector2i());
}

sf::IntRect GetTexture(TileType type) {
    return DispatchTexture(type);
}
sf::IntRect GetTexture(TileType type, int column, int row) {
    return Dispatch(
        "GetTexture", [=] { return SIZE32PX::GetTexture(type, column, row); },
        [=] { return SIZE128PX::GetTexture(type, column, row); }, sf::IntRect());
}
sf::IntRect GetTexture(ZoneType type) {
    return DispatchTexture(type);
}
sf::IntRect GetTexture(GameObjectType type) {
    return DispatchTexture(type);
}
sf::IntRect GetTexture(ItemType type) {
    return DispatchTexture(type);
}
sf::IntRect GetTexture(GuiElemType type) {
    return DispatchTexture(type);
}
sf::IntRect GetTexture(TaskType type) {
    return DispatchTexture(type);
}

sf::VertexArray GetEmployeeTextureQuads(int direction, sf::Color skin, sf::Color hair,
                                        sf::Color upperBody, sf::Color lowerBody) {
    return Dispatch(
        "GetEmployeeTextureQuads",
        [&] {
            return SIZE32PX::GetEmployeeTextureQuads(direction, skin, hair, upperBody, lowerBody);
        },
        [&] {
            return SIZE128PX::GetEmployeeTextureQuads(direction, skin, hair, upperBody, lowerBody);
        },
        sf::VertexArray());
}

sf::IntRect GetTruckTexture() {
    return Dispatch(
        "GetTruckTexture", [] { return SIZE32PX::GetTruckTexture(); },
        [] { return SIZE128PX::GetTruckTexture(); }, sf::IntRect());
}

sf::IntRect GetTruckTireTexture() {
    return Dispatch(
        "GetTruckTireTexture", [] { return SIZE32PX::GetTruckTireTexture(); },
        [] { return SIZE128PX::GetTruckTireTexture(); }, sf::IntRect());
}

sf::Vector2f GetTruckTireOffset(int wheel) {
    return Dispatch(
        "GetTruckTireOffset", [wheel] { return SIZE32PX::GetTruckTireOffset(wheel); },
        [wheel] { return SIZE128PX::GetTruckTireOffset(wheel); }, sf::Vector2f());
}

sf::Vector2f GetTruckDriverOffset() {
    return Dispatch(
        "GetTruckDriverOffset", [] { return SIZE32PX::GetTruckDriverOffset(); },
        [] { return SIZE128PX::GetTruckDriverOffset(); }, sf::Vector2f());
}

sf::Vector2i GetWhitePixelTexture() {
    return Dispatch(
        "GetWhitePixelTexture", [] { return SIZE32PX::GetWhitePixelTexture(); },
        [] { return SIZE128PX::GetWhitePixelTexture(); }, sf::Vector2i());
}

CursorTextureMap GetCursorTexture() {
    return Dispatch(
        "GetCursorTexture", [] { return SIZE32PX::GetCursorTexture(); },
        [] { return SIZE128PX::GetCursorTexture(); }, CursorTextureMap());
}

} // namespace GameParams::Graphics
