#include "persist/ValueCodecs.hpp"

#include "tests/persist/CodecFailureCases.hpp"

#include <gtest/gtest.h>

namespace Load = GameParams::Load;

namespace {

const std::string NotEmptyVector = "Uebergebener Vector nicht leer!";
const std::string NotEmptyQueue = "Uebergebene Queue nicht leer!";
const std::string NotEmptyMap = "Uebergebene Map nicht leer!";

// A silent value codec: a value it cannot extract prints nothing.
template <class Container, class Read>
CodecFailureCase ValueCase(std::string name, Read read, Container filled, std::string notEmpty,
                           std::string badElement = "x") {
    auto c = MakeCase(std::move(name), read, std::move(filled), std::move(notEmpty));
    c.badElement = std::move(badElement);
    return c;
}

std::queue<ItemType> OneItem() {
    std::queue<ItemType> q;
    q.push(ItemSteel);
    return q;
}

std::queue<sf::Vector2f> OnePoint() {
    std::queue<sf::Vector2f> q;
    q.push({1.f, 2.f});
    return q;
}

std::vector<CodecFailureCase> ValueCases() {
    std::vector<CodecFailureCase> cases{
        ValueCase("VectorOfBool", Load::VectorOfBool, std::vector<bool>{true}, NotEmptyVector, "2"),
        ValueCase("VectorOfVec2i", Load::VectorOfVec2i, std::vector<Vec2i>{{1, 2}}, NotEmptyVector,
                  "1 y"),
        ValueCase("VectorOfVector2i", Load::VectorOfVector2i, std::vector<sf::Vector2i>{{1, 2}},
                  NotEmptyVector, "1"),
        ValueCase("VectorOfTileType", Load::VectorOfTileType, std::vector<TileType>{TileWall},
                  NotEmptyVector),
        ValueCase("VectorOfZoneType", Load::VectorOfZoneType, std::vector<ZoneType>{ZoneOffice},
                  NotEmptyVector),
        ValueCase("VectorOfGameObjectType", Load::VectorOfGameObjectType,
                  std::vector<GameObjectType>{ObjectDesk}, NotEmptyVector),
        ValueCase("VectorOfTaskType", Load::VectorOfTaskType, std::vector<TaskType>{TaskWalk},
                  NotEmptyVector),
        ValueCase("VectorOfItemType", Load::VectorOfItemType, std::vector<ItemType>{ItemWood},
                  NotEmptyVector, "9999999999"),
        ValueCase("QueueOfItemType", Load::QueueOfItemType, OneItem(), NotEmptyQueue),
        ValueCase("QueueOfVector2f", Load::QueueOfVector2f, OnePoint(), NotEmptyQueue, "1.5"),
        ValueCase("MapOfItemTypeAndSizeT", Load::MapOfItemTypeAndSizeT,
                  std::map<ItemType, std::size_t>{{ItemSteel, 1}}, NotEmptyMap, "1000 y"),
        ValueCase("MapOfItemTypeAndFloat", Load::MapOfItemTypeAndFloat,
                  std::map<ItemType, float>{{ItemSteel, 1.f}}, NotEmptyMap, "1000"),
        ValueCase("MapOfIntAndBool", Load::MapOfIntAndBool, std::map<int, bool>{{1, true}},
                  NotEmptyMap, "1 7"),
    };

    // sf::VertexArray has no equality, so its case is put together by hand.
    CodecFailureCase quads;
    quads.name = "VertexArray";
    quads.readFresh = [](std::istream& in) {
        sf::VertexArray target(sf::Quads);
        return Load::VertexArray(in, target);
    };
    quads.readFilled = [](std::istream& in) {
        sf::VertexArray target(sf::Quads, 1);
        const bool ok = Load::VertexArray(in, target);
        EXPECT_EQ(target.getVertexCount(), 1u);
        return ok;
    };
    quads.notEmptyLine = quads.prefix() + "Uebergebenes VertexArray nicht leer!\n";
    quads.badElement = "1 2 3";
    cases.push_back(quads);

    auto pairs = ValueCase("VectorOfPairOfItemTypeAndFloat", Load::VectorOfPairOfItemTypeAndFloat,
                           std::vector<std::pair<ItemType, float>>{{ItemSteel, 1.f}},
                           NotEmptyVector, "Ver 0.3 1000 1");
    pairs.truncatedOutput = pairs.prefix() + "Laden von PairOfItemTypeAndFloat fehlgeschlagen!\n";
    pairs.badElementOutput =
        "GameParams::Load::PairOfItemTypeAndFloat() - Version ungueltig!\n" + pairs.truncatedOutput;
    cases.push_back(pairs);

    auto rooms =
        ValueCase("MapOfIntAndMapOfIntAndBool", Load::MapOfIntAndMapOfIntAndBool,
                  std::map<int, std::map<int, bool>>{{1, {}}}, NotEmptyMap, "4 Ver 0.1 1 2 x");
    rooms.badElementOutput = rooms.prefix() + "Laden von Map aus Int und Bool fehlgeschlagen!\n";
    cases.push_back(rooms);

    // The inner failure is reported under the inner codec's name.
    auto history = ValueCase(
        "MapOfFloatAndMapOfItemTypeAndFloat", Load::MapOfFloatAndMapOfItemTypeAndFloat,
        std::map<float, std::map<ItemType, float>>{{1.f, {}}}, NotEmptyMap, "0.5 Ver0.1 0");
    history.badElementOutput = "GameParams::Load::MapOfItemTypeAndFloat() - Header ungueltig!\n"
                               "GameParams::Load::MapOfItemTypeAndFloat() - Laden von Map aus "
                               "ItemType und Float fehlgeschlagen!\n";
    cases.push_back(history);
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(ValueCodecs, CodecFailures, ::testing::ValuesIn(ValueCases()),
                         [](const auto& info) { return info.param.name; });

TEST(VertexArrayCodec, RefusesAnythingButQuads) {
    sf::VertexArray lines(sf::Lines);
    auto in = ClassicInput("Ver 0.1 0");
    CapturedOutput captured;
    EXPECT_FALSE(Load::VertexArray(in, lines));
    EXPECT_EQ(captured.text(), "GameParams::Load::VertexArray() - Primitive Type von übergebenem "
                               "VertexArray != Quads!\n");
}

TEST(PairCodec, ReportsItsOwnFraming) {
    std::pair<ItemType, float> pair{ItemNone, 0.f};
    const auto header = ReadWith(
        [&](std::istream& in) { return Load::PairOfItemTypeAndFloat(in, pair); }, "V 0.1 1000 1");
    EXPECT_FALSE(header.ok);
    EXPECT_EQ(header.printed, "GameParams::Load::PairOfItemTypeAndFloat() - Header ungueltig!\n");
    const auto version = ReadWith(
        [&](std::istream& in) { return Load::PairOfItemTypeAndFloat(in, pair); }, "Ver 1 1000 1");
    EXPECT_EQ(version.printed, "GameParams::Load::PairOfItemTypeAndFloat() - Version ungueltig!\n");
    const auto truncated = ReadWith(
        [&](std::istream& in) { return Load::PairOfItemTypeAndFloat(in, pair); }, "Ver 0.1 1000");
    EXPECT_FALSE(truncated.ok);
    EXPECT_EQ(truncated.printed, "");
}

TEST(MapCodec, KeyReadTwiceKeepsTheFirstValue) {
    std::map<int, bool> row;
    auto in = ClassicInput("Ver 0.1 2 3 1 3 0");
    ASSERT_TRUE(Load::MapOfIntAndBool(in, row));
    EXPECT_EQ(row, (std::map<int, bool>{{3, true}}));
}
