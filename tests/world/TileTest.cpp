#include "world/Tile.hpp"

#include "params/Graphics.hpp"
#include "params/TileSize.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(TileTest, StartsVisibleUnsetAndFree) {
    Tile tile;
    EXPECT_TRUE(tile.isVisible());
    EXPECT_EQ(tile.getType(), TileInvalid);
    EXPECT_FALSE(tile.isOccupied());
    EXPECT_EQ(tile.getQuad().getVertexCount(), 4u);
    EXPECT_EQ(tile.getQuad().getPrimitiveType(), sf::Quads);
}

TEST(TileTest, SetPlacesTheSpriteOnTheCellCentre) {
    GameParams::SetTileSizeType(SIZE128PX);
    Tile tile;
    tile.set(nullptr, TileWall, 3, 5, 90.f);
    EXPECT_EQ(tile.getType(), TileWall);
    EXPECT_EQ(tile.getMapPos(), sf::Vector2i(3, 5));
    EXPECT_EQ(tile.getSize(), sf::Vector2i(128, 128));
    EXPECT_EQ(tile.getPosition(), sf::Vector2f(384.f, 640.f));
    EXPECT_EQ(tile.getOrigin(), sf::Vector2f(64.f, 64.f));
    EXPECT_EQ(tile.getRotation(), 90.f);
    EXPECT_EQ(tile.getTextureRect(), GameParams::Graphics::GetTexture(TileWall));
}

TEST(TileTest, QuadSpansTheCellAndItsAtlasRectangle) {
    GameParams::SetTileSizeType(SIZE128PX);
    Tile tile;
    tile.set(nullptr, TileRoad, 0, 0, 0.f);
    const sf::IntRect rect = tile.getTextureRect();
    const sf::VertexArray& quad = tile.getQuad();
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    EXPECT_EQ(quad[0].position, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(quad[1].position, sf::Vector2f(128.f, 0.f));
    EXPECT_EQ(quad[2].position, sf::Vector2f(128.f, 128.f));
    EXPECT_EQ(quad[3].position, sf::Vector2f(0.f, 128.f));
    EXPECT_EQ(quad[0].texCoords, sf::Vector2f(left, top));
    EXPECT_EQ(quad[1].texCoords, sf::Vector2f(left + rect.width, top));
    EXPECT_EQ(quad[2].texCoords, sf::Vector2f(left + rect.width, top + rect.height));
    EXPECT_EQ(quad[3].texCoords, sf::Vector2f(left, top + rect.height));
}

TEST(TileTest, OccupyAndReleaseEachSucceedOnlyOnce) {
    Tile tile;
    EXPECT_FALSE(tile.release());
    EXPECT_TRUE(tile.occupy());
    EXPECT_FALSE(tile.occupy());
    EXPECT_TRUE(tile.isOccupied());
    EXPECT_TRUE(tile.release());
    EXPECT_FALSE(tile.release());
}

TEST(TileTest, SettingFreesAnOccupiedTile) {
    Tile tile;
    tile.occupy();
    tile.set(nullptr, TileFloor, 1, 1, 0.f);
    EXPECT_FALSE(tile.isOccupied());
}

TEST(TileTest, GrassVariantsDrawOneRandomNumberPerSet) {
    GameParams::SetTileSizeType(SIZE128PX);
    std::srand(7);
    std::rand();
    const int second = std::rand();
    std::srand(7);
    Tile tile;
    tile.set(nullptr, TileGrass, 0, 0, 0.f);
    EXPECT_EQ(std::rand(), second);
}
