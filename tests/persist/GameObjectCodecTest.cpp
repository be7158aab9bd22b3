#include "persist/Codecs.hpp"

#include "tests/persist/FakeRecords.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

namespace Load = GameParams::Load;
namespace Save = GameParams::Save;

namespace {

using Objects = std::vector<std::unique_ptr<FakeObject>>;

struct Loaded {
    bool ok;
    Objects objects;
    std::string printed;
    int constructed;
};

Loaded LoadObjects(const std::string& text) {
    static FakeLevel level;
    Loaded result{false, {}, {}, 0};
    auto in = ClassicInput(text);
    CapturedOutput captured;
    const int before = FakeObject::Constructed();
    result.ok =
        Load::VectorOfGameObjectPtr<FakeDoor>(in, result.objects, std::string("atlas"), &level);
    result.printed = captured.text();
    result.constructed = FakeObject::Constructed() - before;
    return result;
}

} // namespace

TEST(GameObjectCodec, DoorRecordHandedBackIsReadAgainAsADoor) {
    const std::string text = "Ver 0.1 3 OBJ 0.2 1 7 OBJ 0.2 2 10 OBJ 0.2 3 3";
    const auto loaded = LoadObjects(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.printed, "");
    ASSERT_EQ(loaded.objects.size(), 3u);
    EXPECT_FALSE(loaded.objects[0]->isDoor());
    EXPECT_TRUE(loaded.objects[1]->isDoor());
    EXPECT_EQ(loaded.objects[1]->getId(), 2);
    EXPECT_EQ(loaded.objects[1]->getType(), ObjectDoor);
    EXPECT_EQ(loaded.objects[1]->loadedWithTexture, "atlas");
    EXPECT_FALSE(loaded.objects[2]->isDoor());
    EXPECT_EQ(loaded.objects[2]->getType(), ObjectDesk);
    EXPECT_EQ(loaded.constructed, 4);

    auto out = ClassicOutput();
    ASSERT_TRUE(Save::VectorOfGameObjectPtr(loaded.objects, out, GameParams::PtrMode::Records));
    EXPECT_EQ(out.str(), text);
}

TEST(GameObjectCodec, DoorThatFailsAsADoorFailsTheElement) {
    const auto loaded = LoadObjects("Ver 0.1 1 OBJ 0.2 -4 10");
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.objects.empty());
    EXPECT_EQ(loaded.printed, "FakeDoor::load() - id ungueltig!\n"
                              "GameParams::Load::VectorOfGameObjectPtr() - Laden von GameObject "
                              "fehlgeschlagen!\n");
}

// A plain object that failed partway has consumed part of its record;
// reading on from there as a door would only add confusing lines.
TEST(GameObjectCodec, PlainRecordThatFailsIsNotRetriedAsADoor) {
    const auto loaded = LoadObjects("Ver 0.1 1 OBJ 0.2 5 0");
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.constructed, 1);
    EXPECT_EQ(loaded.printed, "FakeObject::load() - objType ungueltig!\n"
                              "GameParams::Load::VectorOfGameObjectPtr() - Laden von GameObject "
                              "fehlgeschlagen!\n");
}

TEST(GameObjectCodec, ListsOfObjectsAreWrittenAsIds) {
    auto loaded = LoadObjects("Ver 0.1 2 OBJ 0.2 8 7 OBJ 0.2 9 10");
    ASSERT_TRUE(loaded.ok);
    std::vector<FakeObject*> needingTransport{loaded.objects[1].get(), nullptr};
    auto out = ClassicOutput();
    ASSERT_TRUE(
        Save::VectorOfGameObjectPtr(needingTransport, out, GameParams::PtrMode::References));
    EXPECT_EQ(out.str(), "Ver 0.1 2 9 -1");
}
