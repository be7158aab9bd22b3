#include "actors/Task.hpp"

#include "params/Graphics.hpp"
#include "params/TileSize.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TaskTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        Task::ResetIds();
    }
};

Task Deliver() {
    return Task(nullptr, TaskDeliver, NeedWork, ObjectWorkbench, ItemSteel, 3, 4, 5, 6);
}

std::string Saved(const Task& task) {
    auto out = ClassicOutput();
    EXPECT_TRUE(task.save(out));
    return out.str();
}

// A version 0.2 record with the given fields; the quads are four corners.
std::string Record(const std::string& version, const std::string& fields,
                   const std::string& ids = "9 4") {
    return "TASK " + version + " " + fields + " " + ids +
           " Ver 0.1 4 0 0 1 2 128 0 3 2 128 128 3 4 0 128 1 4 1";
}

std::string LoadFails(const std::string& text) {
    Task task;
    auto in = ClassicInput(text);
    CapturedOutput printed;
    EXPECT_FALSE(task.load(in)) << text;
    return printed.text();
}

} // namespace

TEST_F(TaskTest, IdsCountUp) {
    auto first = std::make_unique<Task>();
    Task second = Deliver();
    EXPECT_EQ(first->getId(), 0u);
    EXPECT_EQ(second.getId(), 1u);
    EXPECT_EQ(Task::GetMaxId(), 2u);
}

TEST_F(TaskTest, ACopyKeepsTheId) {
    auto original = std::make_unique<Task>(Deliver());
    const std::uint32_t id = original->getId();
    std::vector<Task> list;
    list.push_back(*original);
    EXPECT_EQ(list.back().getId(), id);
    EXPECT_EQ(list.back().getCorrespondingItem(), ItemSteel);
    EXPECT_EQ(list.back().getQuads().getVertexCount(), 4u);

    Task assigned;
    const std::uint32_t ownId = assigned.getId();
    assigned = Deliver();
    EXPECT_NE(assigned.getId(), ownId);
}

TEST_F(TaskTest, TheMarkerCoversOneTileAroundItsCentreWithTheTaskSprite) {
    const Task task = Deliver();
    const sf::IntRect rect = GameParams::Graphics::GetTexture(TaskDeliver);
    EXPECT_EQ(task.getSize(), 128);
    EXPECT_EQ(task.getOrigin(), sf::Vector2f(64.f, 64.f));
    const sf::VertexArray& quads = task.getQuads();
    ASSERT_EQ(quads.getVertexCount(), 4u);
    EXPECT_EQ(quads.getPrimitiveType(), sf::Quads);
    EXPECT_EQ(quads[2].position, sf::Vector2f(128.f, 128.f));
    EXPECT_EQ(quads[0].texCoords, sf::Vector2f(rect.left, rect.top));
    EXPECT_EQ(quads[2].texCoords, sf::Vector2f(rect.left + rect.width, rect.top + rect.height));
    EXPECT_TRUE(task.isVisible());
    EXPECT_FALSE(Task::ShowMarkers);
}

TEST_F(TaskTest, TheRecordRoundTripsAndSetsTheCounter) {
    Task original = Deliver();
    original.setVisible(false);
    const std::string text = Saved(original);
    EXPECT_EQ(text.rfind("TASK 0.2 12 6 3 4 5 6 7 1000 1 0 Ver 0.1 4 ", 0), 0u) << text;

    Task::ResetIds();
    for (int i = 0; i < 5; ++i) {
        Task filler;
    }
    Task loaded;
    auto in = ClassicInput(text);
    ASSERT_TRUE(loaded.load(in));
    EXPECT_EQ(loaded.getId(), 0u);
    EXPECT_EQ(Task::GetMaxId(), 1u);
    EXPECT_EQ(loaded.getTask(), TaskDeliver);
    EXPECT_EQ(loaded.getSatisfiesNeedType(), NeedWork);
    EXPECT_EQ(loaded.getDestination(), sf::Vector2i(3, 4));
    EXPECT_EQ(loaded.getObjectPos(), sf::Vector2i(5, 6));
    EXPECT_EQ(loaded.getObjectType(), ObjectWorkbench);
    EXPECT_EQ(loaded.getCorrespondingItem(), ItemSteel);
    EXPECT_FALSE(loaded.isVisible());
    EXPECT_EQ(Saved(loaded), text);
}

TEST_F(TaskTest, OlderAndUnknownVersionsLoadWithoutAnItem) {
    Task old;
    auto in = ClassicInput(Record("0.1", "11 0 -1 -1 2 3 9"));
    CapturedOutput quiet;
    ASSERT_TRUE(old.load(in));
    EXPECT_EQ(quiet.text(), "");
    EXPECT_EQ(old.getTask(), TaskPickUp);
    EXPECT_EQ(old.getObjectType(), ZoneMarker);
    EXPECT_EQ(old.getCorrespondingItem(), ItemNone);
    EXPECT_EQ(old.getDestination(), sf::Vector2i(-1, -1));

    Task future;
    auto futureIn = ClassicInput(Record("0.3", "11 0 1 1 2 3 9"));
    CapturedOutput printed;
    EXPECT_TRUE(future.load(futureIn));
    EXPECT_EQ(printed.text(), "Task::load() - Version nicht unterstuetzt!\n");
}

TEST_F(TaskTest, EveryLoadFailureHasItsLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"TASC 0.2 3 0 1 1 2 2 0 0 9 4", "Header ungueltig!"},
        {Record("0.2", "-1 0 1 1 2 2 0 0"), "task ungueltig!"},
        {Record("0.2", "3 -1 1 1 2 2 0 0"), "satisfiesNeedType ungueltig!"},
        {Record("0.2", "3 0 -2 0 2 2 0 0"), "destination ungueltig!"},
        {Record("0.2", "3 0 0 -5 2 2 0 0"), "destination ungueltig!"},
        {Record("0.2", "3 0 1 1 -3 3 0 0"), "objectPos ungueltig!"},
        {Record("0.2", "3 0 1 1 0 -2 0 0"), "objectPos ungueltig!"},
        {Record("0.2", "3 0 1 1 2 2 -1 0"), "objectType ungueltig!"},
        {Record("0.2", "3 0 1 1 2 2 0 -1"), "correspondingItem ungueltig!"},
        {Record("0.2", "3 0 1 1 2 2 0 0", "4 4"), "id ungueltig!"},
        {Record("0.2", "3 0 1 1 2 2 0 0", "9 -1"), "id ungueltig!"},
        {Record("0.2", "3 0 1 1 2 2 0 0", "-9 1"), "id ungueltig!"},
        {"TASK 0.2 3 0 1 1 2 2 0 0 9 4 Ver 0.1 2 0 0", "Laden von TaskQuads fehlgeschlagen!"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(LoadFails(text), "Task::load() - " + message + "\n") << text;
    }
    // A record cut short fails without a line of its own.
    EXPECT_EQ(LoadFails("TASK 0.2 3 0 1"), "");
}

TEST_F(TaskTest, AFailedLoadLeavesTheTaskAsItWas) {
    Task task = Deliver();
    const std::string before = Saved(task);
    auto in = ClassicInput(Record("0.2", "3 0 -2 0 2 2 0 0"));
    CapturedOutput quiet;
    EXPECT_FALSE(task.load(in));
    EXPECT_EQ(Saved(task), before);
}
