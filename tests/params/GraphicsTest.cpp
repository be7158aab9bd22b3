#include "params/Graphics.hpp"

#include "params/ItemTypes.hpp"
#include "params/TileSize.hpp"
#include "tests/params/CoutCapture.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace Graphics = GameParams::Graphics;

namespace {

const sf::IntRect Fallback128(0, 256, 128, 128);
const sf::IntRect Fallback32(212, 0, 32, 32);

sf::IntRect Tile128(int left, int top) {
    return {left, top, 128, 128};
}

sf::IntRect Tile32(int left, int top) {
    return {left, top, 32, 32};
}

// Every test starts and ends in the game's own tile size.
class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { GameParams::SetTileSizeType(SIZE128PX); }
    void TearDown() override { GameParams::SetTileSizeType(SIZE128PX); }
};

using Graphics128Test = GraphicsTest;
using Graphics32Test = GraphicsTest;
using GraphicsDispatchTest = GraphicsTest;

} // namespace

TEST_F(Graphics128Test, FixedTilesZonesAndObjects) {
    EXPECT_EQ(Graphics::GetTexture(TileWall), Tile128(256, 0));
    EXPECT_EQ(Graphics::GetTexture(TileRoad), Tile128(384, 0));
    EXPECT_EQ(Graphics::GetTexture(TileRoadMarking), Tile128(512, 0));

    const int zoneLefts[] = {0, 256, 128, 384, 512, 640, 768, 896};
    for (int zone = 0; zone <= 7; ++zone) {
        EXPECT_EQ(Graphics::GetTexture(static_cast<ZoneType>(zone)), Tile128(zoneLefts[zone], 256))
            << "zone " << zone;
    }

    const struct {
        GameObjectType type;
        int left;
    } objects[] = {{ObjectFridge, 128},
                   {ObjectToilet, 512},
                   {ObjectDesk, 0},
                   {ObjectCoffeeMachine, 640},
                   {ObjectKitchenCounter, 256},
                   {ObjectKitchenTable, 384},
                   {ObjectWorkbench, 768},
                   {ObjectDoor, 896}};
    for (const auto& object : objects) {
        EXPECT_EQ(Graphics::GetTexture(object.type), Tile128(object.left, 512))
            << "object " << object.type;
    }
}

TEST_F(Graphics128Test, ItemsFollowTheAtlasColumns) {
    const int lefts[] = {0,    256,  128,  384,  512,  640,  768,  896,  1024, 1152, 1280,
                         1408, 1536, 1664, 1792, 1920, 2048, 2176, 2304, 2432, 2560};
    const auto& items = GameParams::GetAllItemTypes();
    ASSERT_EQ(items.size(), std::size(lefts));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(Graphics::GetTexture(items[i]), Tile128(lefts[i], 1024)) << "item " << items[i];
    }
}

TEST_F(Graphics128Test, GuiElementsShowWhatTheyBuild) {
    std::srand(7);
    EXPECT_EQ(Graphics::GetTexture(GuiBuildWall), Tile128(256, 0));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildZoneKitchen), Graphics::GetTexture(ZoneKitchen));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildZoneGoodsOut), Graphics::GetTexture(ZoneGoodsOut));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildCoffeeMachine),
              Graphics::GetTexture(ObjectCoffeeMachine));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildKitchenCounter),
              Graphics::GetTexture(ObjectKitchenCounter));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildDoor), Graphics::GetTexture(ObjectDoor));
    EXPECT_EQ(Graphics::GetTexture(GuiItemSteel), Graphics::GetTexture(ItemSteel));
    EXPECT_EQ(Graphics::GetTexture(GuiItemRubber), Graphics::GetTexture(ItemRubber));
    EXPECT_EQ(Graphics::GetTexture(GuiItemCar), Graphics::GetTexture(ItemCar));

    const sf::IntRect grass = Graphics::GetTexture(GuiBuildGrass);
    EXPECT_EQ(grass.top, 0);
    EXPECT_TRUE(grass.left == 0 || grass.left == 640 || grass.left == 768);

    const struct {
        GuiElemType type;
        int left;
    } panels[] = {{GuiDemolishZone, 1408}, {GuiDemolishObject, 1408}, {GuiTilesPanel, 0},
                  {GuiZonesPanel, 128},    {GuiFurniturePanel, 256},  {GuiStaffPanel, 384},
                  {GuiTradePanel, 512},    {GuiPriceHistory, 1152},   {GuiBuyItems, 1024},
                  {GuiSellItems, 1280},    {GuiLabourMarket, 640},    {GuiDismissStaff, 896},
                  {GuiWorkPriorities, 768}};
    for (const auto& panel : panels) {
        EXPECT_EQ(Graphics::GetTexture(panel.type), Tile128(panel.left, 3584))
            << "element " << panel.type;
    }
}

TEST_F(Graphics128Test, MainMenuHasNoIconAndSaysSo) {
    for (GuiElemType type : {GuiMainMenu, GuiAddWorker, GuiSaveGame}) {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(type), Fallback128);
        EXPECT_EQ(out.text(), "GameParams::Graphics::SIZE128PX::GetTexture() - GuiElemType "
                              "unknown: " +
                                  std::to_string(type) + "\n");
    }
}

TEST_F(Graphics128Test, UndefinedValuesAnswerTheFallback) {
    const std::string prefix = "GameParams::Graphics::SIZE128PX::GetTexture() - ";
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(static_cast<TileType>(5)), Fallback128);
        EXPECT_EQ(out.text(), prefix + "TileType unknown\n");
    }
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(static_cast<ZoneType>(8)), Fallback128);
        EXPECT_EQ(out.text(), prefix + "ZoneType unknown\n");
    }
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(static_cast<GameObjectType>(8)), Fallback128);
        EXPECT_EQ(out.text(), prefix + "GameObjectType unknown\n");
    }
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(static_cast<TaskType>(14)), Fallback128);
        EXPECT_EQ(out.text(), prefix + "TaskType unknown\n");
    }
}

TEST_F(Graphics128Test, NothingAndDefinedTasksAnswerTheFallbackSilently) {
    CoutCapture out;
    EXPECT_EQ(Graphics::GetTexture(ObjectNone), Fallback128);
    EXPECT_EQ(Graphics::GetTexture(ItemNone), Fallback128);
    EXPECT_EQ(Graphics::GetTexture(static_cast<ItemType>(999)), Fallback128);
    for (int task = TaskError; task <= TaskDeliver; ++task) {
        EXPECT_EQ(Graphics::GetTexture(static_cast<TaskType>(task)), Fallback128);
    }
    EXPECT_EQ(out.text(), "");
}

TEST_F(Graphics128Test, TileVariantsDependOnlyOnTheRoll) {
    using GameParams::Graphics::SIZE128PX::GetTileTexture;
    EXPECT_EQ(GetTileTexture(TileGrass, 0), Tile128(640, 0));
    EXPECT_EQ(GetTileTexture(TileGrass, 4), Tile128(640, 0));
    EXPECT_EQ(GetTileTexture(TileGrass, 5), Tile128(768, 0));
    EXPECT_EQ(GetTileTexture(TileGrass, 9), Tile128(768, 0));
    EXPECT_EQ(GetTileTexture(TileGrass, 10), Tile128(0, 0));
    EXPECT_EQ(GetTileTexture(TileFloor, 49), Tile128(896, 0));
    EXPECT_EQ(GetTileTexture(TileFloor, 50), Tile128(128, 0));
    EXPECT_EQ(GetTileTexture(TileWall, 0), Tile128(256, 0));
}

TEST_F(Graphics128Test, RareTileVariantsAppearAtTheirRates) {
    std::srand(12345);
    const int draws = 200000;
    int flowers = 0, stones = 0, plainGrass = 0, stains = 0;
    for (int i = 0; i < draws; ++i) {
        switch (Graphics::GetTexture(TileGrass).left) {
        case 640:
            ++flowers;
            break;
        case 768:
            ++stones;
            break;
        case 0:
            ++plainGrass;
            break;
        default:
            ADD_FAILURE() << "unexpected grass variant";
        }
        if (Graphics::GetTexture(TileFloor).left == 896) {
            ++stains;
        }
    }
    EXPECT_EQ(flowers + stones + plainGrass, draws);
    EXPECT_NEAR(flowers / double(draws), 0.005, 0.0015);
    EXPECT_NEAR(stones / double(draws), 0.005, 0.0015);
    EXPECT_NEAR(stains / double(draws), 0.05, 0.005);
}

TEST_F(Graphics128Test, OnlyGrassAndFloorConsumeRandomNumbers) {
    std::srand(99);
    const int expected = std::rand();
    std::srand(99);
    Graphics::GetTexture(TileWall);
    Graphics::GetTexture(TileRoad);
    Graphics::GetTexture(GuiBuildWall);
    EXPECT_EQ(std::rand(), expected);

    std::srand(99);
    Graphics::GetTexture(TileFloor);
    EXPECT_NE(std::rand(), expected);
}

TEST_F(Graphics128Test, TruckDriverCursorAndSize) {
    EXPECT_EQ(Graphics::GetTruckTexture(), sf::IntRect(0, 2176, 384, 256));
    EXPECT_EQ(Graphics::GetTruckTireTexture(), Tile128(0, 2432));
    EXPECT_EQ(Graphics::GetTruckTireOffset(0), sf::Vector2f(82.905502f, 217.815506f));
    EXPECT_EQ(Graphics::GetTruckTireOffset(1), sf::Vector2f(306.551514f, 217.815506f));
    EXPECT_EQ(Graphics::GetTruckTireOffset(2), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(Graphics::GetTruckTireOffset(-1), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(Graphics::GetTruckDriverOffset(), sf::Vector2f(270.f, 112.f));
    EXPECT_EQ(Graphics::GetWhitePixelTexture(), sf::Vector2i(580, 64));
    EXPECT_EQ(Graphics::GetSize(), sf::Vector2i(128, 128));

    const Graphics::CursorTextureMap cursor = Graphics::GetCursorTexture();
    ASSERT_EQ(cursor.size(), 3u);
    EXPECT_EQ(cursor.at("white"), Tile128(0, 3968));
    EXPECT_EQ(cursor.at("red"), Tile128(128, 3968));
    EXPECT_EQ(cursor.at("black"), Tile128(256, 3968));
}

TEST_F(Graphics128Test, EmployeeQuadsStackSevenTintedLayers) {
    const sf::Color skin(1, 2, 3), hair(4, 5, 6), upper(7, 8, 9), lower(10, 11, 12);
    const sf::VertexArray quads = Graphics::GetEmployeeTextureQuads(2, skin, hair, upper, lower);
    ASSERT_EQ(quads.getVertexCount(), 28u);
    EXPECT_EQ(quads.getPrimitiveType(), sf::Quads);

    const sf::Color expectedColors[] = {lower, upper,           skin, skin, sf::Color::White,
                                        hair,  sf::Color::White};
    for (std::size_t layer = 0; layer < 7; ++layer) {
        for (std::size_t corner = 0; corner < 4; ++corner) {
            EXPECT_EQ(quads[4 * layer + corner].color, expectedColors[layer])
                << "layer " << layer + 1;
        }
    }

    // Layer 6 (hair), direction 2: rectangle (64, 2624, 64, 64) at offset (32, -8).
    const sf::Vector2f positions[] = {{32, -8}, {96, -8}, {96, 56}, {32, 56}};
    const sf::Vector2f texCoords[] = {{64, 2624}, {128, 2624}, {128, 2688}, {64, 2688}};
    for (std::size_t corner = 0; corner < 4; ++corner) {
        EXPECT_EQ(quads[20 + corner].position, positions[corner]) << "corner " << corner;
        EXPECT_EQ(quads[20 + corner].texCoords, texCoords[corner]) << "corner " << corner;
    }
    // Legs sit lowest, at (32, 64).
    EXPECT_EQ(quads[0].position, sf::Vector2f(32, 64));
}

TEST_F(Graphics128Test, EmployeeLayerTable) {
    using namespace GameParams::Graphics::SIZE128PX;
    EXPECT_EQ(GetEmployeeLayerTexture(1, 1), sf::IntRect(0, 3456, 64, 64));
    EXPECT_EQ(GetEmployeeLayerTexture(1, 4), sf::IntRect(64, 3456, 64, 64));
    EXPECT_EQ(GetEmployeeLayerTexture(4, 3), sf::IntRect(0, 2880, 64, 64));
    EXPECT_EQ(GetEmployeeLayerTexture(7, 2), sf::IntRect(64, 2752, 64, 64));
    EXPECT_EQ(GetEmployeeLayerTexture(5, 9), GetEmployeeLayerTexture(5, 3));
    EXPECT_EQ(GetEmployeeLayerOffset(3), sf::Vector2f(32, 32));
    EXPECT_EQ(GetEmployeeLayerOffset(5), sf::Vector2f(32, 0));
    EXPECT_EQ(GetEmployeeLayerOffset(7), sf::Vector2f(32, -8));
}

TEST_F(Graphics128Test, OddDirectionsFaceLikeDirectionThree) {
    const sf::Color c = sf::Color::Red;
    const sf::VertexArray three = Graphics::GetEmployeeTextureQuads(3, c, c, c, c);
    for (int direction : {0, 5, -1}) {
        const sf::VertexArray odd = Graphics::GetEmployeeTextureQuads(direction, c, c, c, c);
        ASSERT_EQ(odd.getVertexCount(), three.getVertexCount());
        for (std::size_t i = 0; i < odd.getVertexCount(); ++i) {
            EXPECT_EQ(odd[i].position, three[i].position);
            EXPECT_EQ(odd[i].texCoords, three[i].texCoords);
        }
    }
    const sf::VertexArray one = Graphics::GetEmployeeTextureQuads(1, c, c, c, c);
    EXPECT_NE(one[0].texCoords, three[0].texCoords);
}

TEST_F(Graphics32Test, Tables) {
    GameParams::SetTileSizeType(SIZE32PX);
    EXPECT_EQ(Graphics::GetSize(), sf::Vector2i(32, 32));
    EXPECT_EQ(Graphics::GetTexture(TileGrass), Tile32(180, 64));
    EXPECT_EQ(Graphics::GetTexture(TileFloor), Tile32(180, 128));
    EXPECT_EQ(Graphics::GetTexture(ZoneBathroom), Tile32(212, 32));
    EXPECT_EQ(Graphics::GetTexture(ZoneWorkshop), Tile32(212, 160));
    EXPECT_EQ(Graphics::GetTexture(ObjectWorkbench), Tile32(244, 192));
    EXPECT_EQ(Graphics::GetTexture(ObjectDoor), sf::IntRect(244, 224, 128, 128));
    EXPECT_EQ(Graphics::GetTexture(ItemGlass), Tile32(276, 64));
    EXPECT_EQ(Graphics::GetTexture(ItemSteering), Tile32(372, 96));
    EXPECT_EQ(Graphics::GetTexture(ItemCar), Tile32(564, 0));
    EXPECT_EQ(Graphics::GetTexture(static_cast<GuiElemType>(0)), sf::IntRect(0, 0, 100, 720));
    EXPECT_EQ(Graphics::GetTexture(static_cast<GuiElemType>(10)), sf::IntRect(100, 32, 80, 32));
    EXPECT_EQ(Graphics::GetTexture(GuiMainMenu), sf::IntRect(100, 592, 82, 32));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildZoneWorkshop), Tile32(212, 160));
    EXPECT_EQ(Graphics::GetTexture(GuiBuildFridge), Tile32(244, 32));
    EXPECT_EQ(Graphics::GetTexture(GuiAddWorker), Tile32(180, 0));
    EXPECT_EQ(Graphics::GetTexture(GuiSaveGame), Tile32(212, 688));
    EXPECT_EQ(Graphics::GetTexture(TaskWalk), Tile32(180, 688));
    EXPECT_EQ(Graphics::GetTexture(TaskDeliver), Tile32(180, 688));
    EXPECT_EQ(Graphics::GetTexture(TaskWait), Fallback32);
    EXPECT_EQ(Graphics::GetWhitePixelTexture(), sf::Vector2i(110, 18));
    EXPECT_EQ(Graphics::GetCursorTexture().at("red"), Tile32(148, 656));
}

TEST_F(Graphics32Test, MissingEntriesAndFeatures) {
    GameParams::SetTileSizeType(SIZE32PX);
    const std::string prefix = "GameParams::Graphics::SIZE32PX::";
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(TileRoad), Fallback32);
        EXPECT_EQ(Graphics::GetTexture(ZoneGoodsIn), Fallback32);
        EXPECT_EQ(Graphics::GetTexture(GuiBuildZoneGoodsIn), Fallback32);
        EXPECT_EQ(Graphics::GetTexture(ZoneMarker), Fallback32);
        EXPECT_EQ(Graphics::GetTexture(static_cast<TaskType>(-2)), Fallback32);
        EXPECT_EQ(out.text(), prefix + "GetTexture() - TileType unknown\n" + prefix +
                                  "GetTexture() - ZoneType unknown\n" + prefix +
                                  "GetTexture() - GuiElemType unknown\n" + prefix +
                                  "GetTexture() - GameObjectType unknown\n" + prefix +
                                  "GetTexture() - TaskType unknown\n");
    }
    {
        CoutCapture out;
        EXPECT_EQ(Graphics::GetTexture(ItemNone), Fallback32);
        EXPECT_EQ(Graphics::GetTexture(TaskNone), Fallback32);
        EXPECT_EQ(out.text(), "");
    }
    {
        CoutCapture out;
        const sf::Color c = sf::Color::Black;
        EXPECT_EQ(Graphics::GetEmployeeTextureQuads(1, c, c, c, c).getVertexCount(), 0u);
        EXPECT_EQ(Graphics::GetTruckTexture(), sf::IntRect());
        EXPECT_EQ(Graphics::GetTruckTireTexture(), sf::IntRect());
        EXPECT_EQ(Graphics::GetTruckTireOffset(0), sf::Vector2f());
        EXPECT_EQ(Graphics::GetTruckDriverOffset(), sf::Vector2f());
        EXPECT_EQ(out.text(), prefix + "GetEmployeeTextureQuads() - not implemented!\n" + prefix +
                                  "GetTruckTexture() - not implemented!\n" + prefix +
                                  "GetTruckTireTexture() - not implemented!\n" + prefix +
                                  "GetTruckTireOffset() - not implemented!\n" + prefix +
                                  "GetTruckDriverOffset() - not implemented!\n");
    }
}

TEST_F(GraphicsDispatchTest, SpriteMapFollowsTheTileSize) {
    sf::Texture* atlas = reinterpret_cast<sf::Texture*>(0x1000);
    Graphics::SetSpriteMap(SIZE128PX, atlas);
    EXPECT_EQ(Graphics::GetSpriteMap(), atlas);
    GameParams::SetTileSizeType(SIZE32PX);
    EXPECT_EQ(Graphics::GetSpriteMap(), nullptr);
    Graphics::SetSpriteMap(SIZE128PX, nullptr);
}

TEST_F(GraphicsDispatchTest, UnknownTileSizeIsReportedAndAnsweredEmpty) {
    GameParams::SetTileSizeType(static_cast<TileSizeType>(64));
    CoutCapture out;
    const sf::Color c = sf::Color::Black;
    EXPECT_EQ(Graphics::GetSpriteMap(), nullptr);
    EXPECT_EQ(Graphics::GetSize(), sf::Vector2i());
    EXPECT_EQ(Graphics::GetTexture(TileWall), sf::IntRect());
    EXPECT_EQ(Graphics::GetTexture(ZoneKitchen), sf::IntRect());
    EXPECT_EQ(Graphics::GetTexture(ObjectDesk), sf::IntRect());
    EXPECT_EQ(Graphics::GetTexture(ItemSteel), sf::IntRect());
    EXPECT_EQ(Graphics::GetTexture(GuiTilesPanel), sf::IntRect());
    EXPECT_EQ(Graphics::GetTexture(TaskWork), sf::IntRect());
    EXPECT_EQ(Graphics::GetEmployeeTextureQuads(1, c, c, c, c).getVertexCount(), 0u);
    EXPECT_EQ(Graphics::GetTruckTexture(), sf::IntRect());
    EXPECT_EQ(Graphics::GetTruckTireTexture(), sf::IntRect());
    EXPECT_EQ(Graphics::GetTruckTireOffset(0), sf::Vector2f());
    EXPECT_EQ(Graphics::GetTruckDriverOffset(), sf::Vector2f());
    EXPECT_EQ(Graphics::GetWhitePixelTexture(), sf::Vector2i());
    EXPECT_TRUE(Graphics::GetCursorTexture().empty());

    const std::string prefix = "GameParams::Graphics::";
    const std::string suffix = "() - Unknown TileSizeType\n";
    std::string expected = prefix + " GetSpriteMap" + suffix + prefix + "GetSize" + suffix;
    for (int i = 0; i < 6; ++i) {
        expected += prefix + "GetTexture" + suffix;
    }
    for (const char* name :
         {"GetEmployeeTextureQuads", "GetTruckTexture", "GetTruckTireTexture", "GetTruckTireOffset",
          "GetTruckDriverOffset", "GetWhitePixelTexture", "GetCursorTexture"}) {
        expected += prefix + name + suffix;
    }
    EXPECT_EQ(out.text(), expected);
}

TEST_F(GraphicsDispatchTest, PalettePicksDrawOneNumberEach) {
    std::srand(3);
    const int first = std::rand();
    std::rand();
    const int third = std::rand();

    std::srand(3);
    const sf::Color skins[] = {
        {254, 218, 181}, {253, 203, 162}, {213, 168, 125}, {119, 95, 79}, {231, 156, 113}};
    EXPECT_EQ(Graphics::GetRandomSkinColor(), skins[first % 5]);
    Graphics::GetRandomHairColor();
    EXPECT_EQ(std::rand(), third);
}

TEST_F(GraphicsDispatchTest, EveryPaletteColourTurnsUpOpaque) {
    std::srand(1);
    std::set<std::tuple<int, int, int>> skin, hair, upper, lower;
    for (int i = 0; i < 2000; ++i) {
        for (auto [pick, seen] : {std::pair{&Graphics::GetRandomSkinColor, &skin},
                                  std::pair{&Graphics::GetRandomHairColor, &hair},
                                  std::pair{&Graphics::GetRandomUpperBodyColor, &upper},
                                  std::pair{&Graphics::GetRandomLowerBodyColor, &lower}}) {
            const sf::Color color = pick();
            EXPECT_EQ(color.a, 255);
            seen->insert({color.r, color.g, color.b});
        }
    }
    EXPECT_EQ(skin.size(), 5u);
    EXPECT_EQ(hair.size(), 9u);
    EXPECT_EQ(upper.size(), 20u);
    EXPECT_EQ(lower.size(), 14u);
    EXPECT_TRUE(hair.count({164, 142, 128}));
    EXPECT_TRUE(upper.count({255, 93, 15}));
    EXPECT_TRUE(lower.count({155, 121, 108}));
}
