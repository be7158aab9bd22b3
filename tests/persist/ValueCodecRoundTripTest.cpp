#include "persist/ValueCodecs.hpp"

#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace Load = GameParams::Load;
namespace Save = GameParams::Save;

namespace {

// Writes with the writer, checks the text, reads it back into an empty
// container and returns what was read.
template <class Container, class Writer, class Reader>
Container RoundTrip(const Container& source, Writer write, Reader read, const std::string& text) {
    auto out = ClassicOutput();
    EXPECT_TRUE(write(source, out));
    EXPECT_EQ(out.str(), text);
    Container loaded{};
    auto in = ClassicInput(out.str());
    CapturedOutput silence;
    EXPECT_TRUE(read(in, loaded));
    EXPECT_EQ(silence.text(), "");
    return loaded;
}

std::size_t CountTokens(const std::string& text) {
    std::istringstream in(text);
    std::size_t count = 0;
    for (std::string token; in >> token;) {
        ++count;
    }
    return count;
}

} // namespace

TEST(ValueCodecRoundTrip, EmptyVectorIsThreeTokens) {
    const std::vector<bool> empty;
    EXPECT_TRUE(RoundTrip(empty, Save::VectorOfBool, Load::VectorOfBool, "Ver 0.1 0").empty());
}

TEST(ValueCodecRoundTrip, BitVectorOfAWholeMapIsOneTokenPerCell) {
    std::vector<bool> bits(4800, false);
    for (std::size_t i = 0; i < bits.size(); i += 7) {
        bits[i] = true;
    }
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VectorOfBool(bits, out));
    EXPECT_EQ(CountTokens(out.str()), 3u + 4800u);
    EXPECT_EQ(out.str().find("  "), std::string::npos);
    std::vector<bool> loaded;
    auto in = ClassicInput(out.str());
    ASSERT_TRUE(Load::VectorOfBool(in, loaded));
    EXPECT_EQ(loaded, bits);
}

TEST(ValueCodecRoundTrip, CellsComeBackWithoutPathCost) {
    const std::vector<Vec2i> cells{{1, 2, 30}, {-1, 54, 7}};
    const auto loaded =
        RoundTrip(cells, Save::VectorOfVec2i, Load::VectorOfVec2i, "Ver 0.1 2 1 2 -1 54");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded, cells);
    EXPECT_EQ(loaded[0].z, -1);
    EXPECT_EQ(loaded[1].z, -1);
}

TEST(ValueCodecRoundTrip, IntegerPointsAndEnumerations) {
    const std::vector<sf::Vector2i> points{{-1, 54}, {80, 54}};
    EXPECT_EQ(
        RoundTrip(points, Save::VectorOfVector2i, Load::VectorOfVector2i, "Ver 0.1 2 -1 54 80 54"),
        points);
    const std::vector<TileType> tiles{TileGrass, TileRoadMarking, TileFloor};
    EXPECT_EQ(RoundTrip(tiles, Save::VectorOfTileType, Load::VectorOfTileType, "Ver 0.1 3 0 4 2"),
              tiles);
    const std::vector<ZoneType> zones{ZoneGoodsOut, ZoneNone};
    EXPECT_EQ(RoundTrip(zones, Save::VectorOfZoneType, Load::VectorOfZoneType, "Ver 0.1 2 7 0"),
              zones);
    const std::vector<GameObjectType> objects{ObjectDoor, ObjectWorkbench};
    EXPECT_EQ(RoundTrip(objects, Save::VectorOfGameObjectType, Load::VectorOfGameObjectType,
                        "Ver 0.1 2 10 7"),
              objects);
    const std::vector<TaskType> tasks{TaskError, TaskDeliver};
    EXPECT_EQ(RoundTrip(tasks, Save::VectorOfTaskType, Load::VectorOfTaskType, "Ver 0.1 2 -1 12"),
              tasks);
    const std::vector<ItemType> items{ItemCar, ItemSteel};
    EXPECT_EQ(
        RoundTrip(items, Save::VectorOfItemType, Load::VectorOfItemType, "Ver 0.1 2 103000 1000"),
        items);
}

TEST(ValueCodecRoundTrip, QuadsKeepPositionsAndTextureCoordinates) {
    sf::VertexArray quad(sf::Quads);
    quad.append(sf::Vertex({0.f, 0.f}, {128.f, 0.f}));
    quad.append(sf::Vertex({64.5f, 0.f}, {256.f, 0.f}));
    quad.append(sf::Vertex({64.5f, 64.f}, {256.f, 128.f}));
    quad.append(sf::Vertex({0.f, 64.f}, {128.f, 128.f}));
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VertexArray(quad, out));
    EXPECT_EQ(out.str(), "Ver 0.1 4 0 0 128 0 64.5 0 256 0 64.5 64 256 128 0 64 128 128");
    sf::VertexArray loaded(sf::Quads);
    auto in = ClassicInput(out.str());
    ASSERT_TRUE(Load::VertexArray(in, loaded));
    ASSERT_EQ(loaded.getVertexCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded[i].position, quad[i].position);
        EXPECT_EQ(loaded[i].texCoords, quad[i].texCoords);
    }
}

TEST(ValueCodecRoundTrip, PairsAreFramedWithoutCount) {
    const std::pair<ItemType, float> pair{ItemGlass, 2.5f};
    auto out = ClassicOutput();
    ASSERT_TRUE(Save::PairOfItemTypeAndFloat(pair, out));
    EXPECT_EQ(out.str(), "Ver 0.1 1001 2.5");

    const std::vector<std::pair<ItemType, float>> pairs{{ItemGlass, 2.5f}, {ItemTyre, 0.f}};
    EXPECT_EQ(RoundTrip(pairs, Save::VectorOfPairOfItemTypeAndFloat,
                        Load::VectorOfPairOfItemTypeAndFloat,
                        "Ver 0.1 2 Ver 0.1 1001 2.5 Ver 0.1 20000 0"),
              pairs);
}

TEST(ValueCodecRoundTrip, QueuesAreWrittenFrontFirstAndKept) {
    std::queue<ItemType> items;
    items.push(ItemSteel);
    items.push(ItemGlass);
    const auto loadedItems =
        RoundTrip(items, Save::QueueOfItemType, Load::QueueOfItemType, "Ver 0.1 2 1000 1001");
    EXPECT_EQ(items.size(), 2u);
    EXPECT_EQ(loadedItems, items);

    std::queue<sf::Vector2f> waypoints;
    waypoints.push({-128.f, 6784.f});
    waypoints.push({0.5f, 1.f});
    EXPECT_EQ(RoundTrip(waypoints, Save::QueueOfVector2f, Load::QueueOfVector2f,
                        "Ver 0.1 2 -128 6784 0.5 1"),
              waypoints);
}

TEST(ValueCodecRoundTrip, MapsAreWrittenInAscendingKeyOrder) {
    const std::map<ItemType, std::size_t> counts{{ItemCar, 3}, {ItemSteel, 12}};
    EXPECT_EQ(RoundTrip(counts, Save::MapOfItemTypeAndSizeT, Load::MapOfItemTypeAndSizeT,
                        "Ver 0.1 2 1000 12 103000 3"),
              counts);
    const std::map<int, bool> row{{5, true}, {-2, false}};
    EXPECT_EQ(RoundTrip(row, Save::MapOfIntAndBool, Load::MapOfIntAndBool, "Ver 0.1 2 -2 0 5 1"),
              row);
    const std::map<int, std::map<int, bool>> cells{{3, {{1, true}}}, {0, {}}};
    EXPECT_EQ(RoundTrip(cells, Save::MapOfIntAndMapOfIntAndBool, Load::MapOfIntAndMapOfIntAndBool,
                        "Ver 0.1 2 0 Ver 0.1 0 3 Ver 0.1 1 1 1"),
              cells);
    const std::map<float, std::map<ItemType, float>> history{{0.5f, {{ItemGlass, 12.25f}}},
                                                             {-1.f, {}}};
    EXPECT_EQ(RoundTrip(history, Save::MapOfFloatAndMapOfItemTypeAndFloat,
                        Load::MapOfFloatAndMapOfItemTypeAndFloat,
                        "Ver 0.1 2 -1 Ver 0.1 0 0.5 Ver 0.1 1 1001 12.25"),
              history);
}

TEST(ValueCodecRoundTrip, LargeFloatsKeepSixSignificantDigits) {
    const std::map<ItemType, float> prices{{ItemCar, 1234567.f}};
    const auto loaded = RoundTrip(prices, Save::MapOfItemTypeAndFloat, Load::MapOfItemTypeAndFloat,
                                  "Ver 0.1 1 103000 1.23457e+06");
    EXPECT_EQ(loaded.at(ItemCar), 1234570.f);
}
