#include "actors/Item.hpp"

#include "params/Graphics.hpp"
#include "params/TileSize.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class ItemTest : public ::testing::Test {
protected:
    void SetUp() override { GameParams::SetTileSizeType(SIZE128PX); }
};

std::string Saved(const Item& item) {
    auto out = ClassicOutput();
    EXPECT_TRUE(item.save(out));
    return out.str();
}

// Loads text into a fresh item and returns what was printed.
std::string LoadFails(const std::string& text) {
    Item item;
    auto in = ClassicInput(text);
    CapturedOutput printed;
    EXPECT_FALSE(item.load(in, nullptr));
    return printed.text();
}

} // namespace

TEST_F(ItemTest, IdsCountUpAndTheRegistryForgetsDestroyedItems) {
    auto first = std::make_unique<Item>();
    auto second = std::make_unique<Item>(nullptr, ItemSteel);
    EXPECT_EQ(second->getId(), first->getId() + 1);
    EXPECT_EQ(Item::GetMaxId(), second->getId() + 1);
    EXPECT_EQ(Item::GetById(first->getId()), first.get());
    EXPECT_EQ(Item::GetById(second->getId()), second.get());

    const auto firstId = first->getId();
    first.reset();
    EXPECT_EQ(Item::GetById(firstId), nullptr);
    EXPECT_EQ(Item::GetById(second->getId()), second.get());
}

TEST_F(ItemTest, ANewItemIsNothingOnTheFirstTileAndHidden) {
    Item item;
    EXPECT_EQ(item.getType(), ItemNone);
    EXPECT_EQ(item.getMapPosition(), sf::Vector2i(0, 0));
    EXPECT_FALSE(item.isVisible());
    EXPECT_EQ(item.getQuads().getVertexCount(), 4u);
    EXPECT_EQ(item.getQuads().getPrimitiveType(), sf::Quads);
}

TEST_F(ItemTest, PlacingCoversExactlyTheTileWithTheTypesSprite) {
    Item item;
    item.place(nullptr, ItemTyre, 3, 5);
    const sf::IntRect rect = GameParams::Graphics::GetTexture(ItemTyre);
    EXPECT_EQ(item.getTextureRect(), rect);
    EXPECT_EQ(item.getTileSize(), sf::Vector2i(128, 128));
    EXPECT_EQ(item.getName(), "Reifen");

    const sf::VertexArray& quad = item.getQuads();
    EXPECT_EQ(quad[0].position, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(quad[2].position, sf::Vector2f(128.f, 128.f));
    EXPECT_EQ(quad[0].texCoords, sf::Vector2f(rect.left, rect.top));
    EXPECT_EQ(quad[1].texCoords, sf::Vector2f(rect.left + rect.width, rect.top));
    EXPECT_EQ(quad[2].texCoords, sf::Vector2f(rect.left + rect.width, rect.top + rect.height));
    EXPECT_EQ(quad[3].texCoords, sf::Vector2f(rect.left, rect.top + rect.height));

    // The tile's centre is at (column, row) times the tile size.
    const sf::Vector2f topLeft = item.getTransform().transformPoint(0.f, 0.f);
    EXPECT_EQ(topLeft, sf::Vector2f(3 * 128.f - 64.f, 5 * 128.f - 64.f));
}

TEST_F(ItemTest, TheSmallTileSizeGivesSmallQuads) {
    GameParams::SetTileSizeType(SIZE32PX);
    Item item(nullptr, ItemSteel);
    EXPECT_EQ(item.getTileSize(), sf::Vector2i(32, 32));
    EXPECT_EQ(item.getQuads()[2].position, sf::Vector2f(32.f, 32.f));
}

TEST_F(ItemTest, TheRecordRoundTripsAndKeepsTheId) {
    Item original;
    original.place(nullptr, ItemCar, 7, 2);
    original.setVisible(true);
    const std::string text = Saved(original);
    const std::string prefix =
        "ITEM 0.1 " + std::to_string(original.getId()) + " 103000 1 Ver 0.1 4 ";
    EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 12), " 7 2 128 128");
    EXPECT_NE(text.back(), ' ');

    Item loaded;
    auto in = ClassicInput(text);
    CapturedOutput printed;
    ASSERT_TRUE(loaded.load(in, nullptr));
    EXPECT_EQ(printed.text(), "");
    EXPECT_EQ(loaded.getId(), original.getId());
    EXPECT_EQ(loaded.getType(), ItemCar);
    EXPECT_TRUE(loaded.isVisible());
    EXPECT_EQ(loaded.getMapPosition(), sf::Vector2i(7, 2));
    EXPECT_EQ(loaded.getTextureRect(), GameParams::Graphics::GetTexture(ItemCar));
    EXPECT_EQ(Saved(loaded), text);
}

TEST_F(ItemTest, ALoadedItemTakesOverItsIdInTheRegistry) {
    auto original = std::make_unique<Item>(nullptr, ItemGlass);
    const std::string text = Saved(*original);
    const auto savedId = original->getId();
    original.reset();

    Item loaded;
    const auto freshId = loaded.getId();
    auto in = ClassicInput(text);
    ASSERT_TRUE(loaded.load(in, nullptr));
    EXPECT_EQ(Item::GetById(savedId), &loaded);
    EXPECT_EQ(Item::GetById(freshId), nullptr);
}

TEST_F(ItemTest, ItemsMadeAfterALoadNeverReuseALoadedId) {
    Item loaded;
    auto in = ClassicInput("ITEM 0.1 900000 1000 0 Ver 0.1 0 0 0 128 128");
    ASSERT_TRUE(loaded.load(in, nullptr));
    Item next;
    EXPECT_GT(next.getId(), 900000u);
}

TEST_F(ItemTest, AnotherVersionIsReportedButStillLoads) {
    Item item;
    auto in = ClassicInput("ITEM 0.2 5 1000 0 Ver 0.1 0 1 1 128 128");
    CapturedOutput printed;
    EXPECT_TRUE(item.load(in, nullptr));
    EXPECT_EQ(printed.text(), "Item::load() - Version nicht unterstuetzt!\n");
    EXPECT_EQ(item.getType(), ItemSteel);
    EXPECT_EQ(item.getMapPosition(), sf::Vector2i(1, 1));
}

TEST_F(ItemTest, EveryLoadFailureHasItsLine) {
    EXPECT_EQ(LoadFails("ITEMS 0.1 5 1000 0 Ver 0.1 0 0 0 128 128"),
              "Item::load() - Header ungueltig!\n");
    EXPECT_EQ(LoadFails("ITEM 0.1 5 -1 0 Ver 0.1 0 0 0 128 128"),
              "Item::load() - type ungueltig!\n");
    EXPECT_EQ(LoadFails("ITEM 0.1 5 1000 0 Vers 0.1 0 0 0 128 128"),
              "GameParams::Load::VertexArray() - Header ungueltig!\n"
              "Item::load() - Laden von itemQuads fehlgeschlagen!\n");
    EXPECT_EQ(LoadFails("ITEM 0.1 -5 1000 0 Ver 0.1 0 0 0 128 128"),
              "Item::load() - id ungueltig!\n");
}

TEST_F(ItemTest, ATruncatedRecordFailsSilently) {
    EXPECT_EQ(LoadFails(""), "");
    EXPECT_EQ(LoadFails("ITEM"), "");
    EXPECT_EQ(LoadFails("ITEM 0.1 5 1000"), "");
    EXPECT_EQ(LoadFails("ITEM 0.1 5 1000 0 Ver 0.1 0 0 0 128"), "");
    EXPECT_EQ(LoadFails("ITEM 0.1 x"), "");
}

TEST_F(ItemTest, AFailedLoadLeavesTheItemAsItWas) {
    Item item(nullptr, ItemRubber);
    const auto id = item.getId();
    auto in = ClassicInput("ITEM 0.1 77 -1 0 Ver 0.1 0 0 0 128 128");
    CapturedOutput printed;
    EXPECT_FALSE(item.load(in, nullptr));
    EXPECT_EQ(item.getId(), id);
    EXPECT_EQ(item.getType(), ItemRubber);
    EXPECT_EQ(Item::GetById(id), &item);
    EXPECT_EQ(Item::GetById(77), nullptr);
}

TEST_F(ItemTest, ResettingRestartsTheIdsAndASurvivorStaysHarmless) {
    auto survivor = std::make_unique<Item>();
    Item::ResetIds();
    EXPECT_EQ(Item::GetRegisteredCount(), 0u);
    EXPECT_EQ(Item::GetById(survivor->getId()), nullptr);
    auto fresh = std::make_unique<Item>();
    EXPECT_EQ(fresh->getId(), 0u);
    EXPECT_EQ(Item::GetMaxId(), 1u);
    // The survivor's end must not take the new item's entry with it.
    survivor.reset();
    EXPECT_EQ(Item::GetById(0), fresh.get());
}
