#include "actors/Item.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int TilePx = 128;

// Renders one drawable into a fresh transparent target and reads it back;
// blending is off, so the pixels are exactly what was drawn last.
sf::Image Render(const sf::Drawable& drawable, sf::Vector2u size, const sf::Transform& shift) {
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(size.x, size.y));
    target.clear(sf::Color::Transparent);
    sf::RenderStates states(shift);
    states.blendMode = sf::BlendNone;
    target.draw(drawable, states);
    target.display();
    return target.getTexture().copyToImage();
}

class ZoneDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        level = std::make_unique<Level>(nullptr, nullptr, "");
    }

    std::unique_ptr<Level> level;
};

} // namespace

TEST_F(ZoneDrawTest, AnOpenRoomGlowsRedAlongItsOuterSides) {
    // An L of three kitchen cells on the grass.
    for (const sf::Vector2i cell :
         {sf::Vector2i(10, 10), sf::Vector2i(10, 11), sf::Vector2i(11, 11)}) {
        ASSERT_TRUE(level->setTile(TileFloor, cell.x, cell.y));
        ASSERT_TRUE(level->setZone(ZoneKitchen, cell.x, cell.y));
    }
    level->update(0.f);
    const MetaZone& kitchen = *level->getMetaZoneAt(10, 10);
    ASSERT_FALSE(kitchen.wasEnclosed());
    ASSERT_FALSE(kitchen.hasGraphicsResources());

    // Cell (10, 10) spans world pixels from 10 * TilePx - TilePx / 2: move it to 0.
    sf::Transform shift;
    shift.translate(-(10.f * TilePx - TilePx / 2.f), -(10.f * TilePx - TilePx / 2.f));
    const sf::Image image = Render(kitchen, {2 * TilePx, 2 * TilePx}, shift);
    EXPECT_TRUE(kitchen.hasGraphicsResources());

    // The left side of the top cell glows; its inside is clear; the cell
    // outside the room is untouched.
    const sf::Color side = image.getPixel(0, TilePx / 2);
    EXPECT_EQ(side.r, 255);
    EXPECT_EQ(side.g, 0);
    EXPECT_NEAR(side.a, 127, 3);
    EXPECT_EQ(image.getPixel(TilePx / 2, TilePx + TilePx / 2).a, 0);
    EXPECT_EQ(image.getPixel(TilePx + TilePx / 2, TilePx / 2).a, 0);
}

TEST_F(ZoneDrawTest, AnEnclosedRoomDrawsNothingAndMakesNoTexture) {
    for (int row = 9; row <= 11; ++row) {
        for (int column = 9; column <= 11; ++column) {
            ASSERT_TRUE(level->setTile(TileWall, column, row));
        }
    }
    ASSERT_TRUE(level->setTile(TileFloor, 10, 10));
    ASSERT_TRUE(level->setZone(ZoneOffice, 10, 10));
    level->update(0.f);
    const MetaZone& office = *level->getMetaZoneAt(10, 10);
    ASSERT_TRUE(office.wasEnclosed());
    const sf::Image image = Render(office, {TilePx, TilePx}, sf::Transform());
    EXPECT_FALSE(office.hasGraphicsResources());
    EXPECT_EQ(image.getPixel(TilePx / 2, TilePx / 2).a, 0);
}

TEST_F(ZoneDrawTest, TheCountSitsInTheBottomRightCorner) {
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile("fonts/arial.ttf"));
    // A storage cell of its own on cell (1, 1), which spans pixels 64 to 192.
    Zone storage;
    storage.set(nullptr, level.get(), &font, ZoneStorage, 0.f, 1, 1);
    unsigned amount = 1;
    ASSERT_TRUE(storage.setItemInDelivery(ItemSteel, amount));
    amount = 1;
    ASSERT_TRUE(storage.deliverItem(std::make_unique<Item>(nullptr, ItemSteel), amount));

    const sf::Image image = Render(storage, {3 * TilePx, 3 * TilePx}, sf::Transform());
    int right = -1;
    int bottom = -1;
    int dark = 0;
    for (int y = 64; y < 192; ++y) {
        for (int x = 64; x < 192; ++x) {
            const sf::Color pixel = image.getPixel(x, y);
            if (pixel.a == 255 && pixel.r < 64 && pixel.g < 64 && pixel.b < 64) {
                ++dark;
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GT(dark, 0);
    // Two pixels of margin inside the right and bottom edge at 192.
    EXPECT_LE(right, 190);
    EXPECT_GE(right, 186);
    EXPECT_LE(bottom, 190);
    EXPECT_GE(bottom, 186);
}
