// Which of the game's doings are heard: a trade's trucks, doors, purchase
// and sale, the build tool's outcomes, dialogs and the benches at work; and
// that listening changes nothing the alert list or the level sees.

#include "FakeSoundOutput.hpp"

#include "actors/GameObject.hpp"
#include "params/Random.hpp"
#include "params/TileSize.hpp"
#include "sound/GameSounds.hpp"
#include "tests/world/FactoryBuilding.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace FactoryBuilding;

constexpr float FrameMinutes = 0.3f;
constexpr float FrameSeconds = 1.f / 60.f;

struct Listened {
    std::string fileText;
    std::vector<LevelEvent::Kind> drained;
    std::vector<SoundId> heard;
};

std::unique_ptr<Level> NewLevel() {
    GameParams::SeedRandom(1);
    GameParams::SetTileSizeType(SIZE128PX);
    return std::make_unique<Level>(nullptr, nullptr, "");
}

// Steel bought, then sold. The view takes in the whole map, so every sound is on screen.
Listened RunTrade(bool listening) {
    auto level = NewLevel();
    GoodsRooms(*level);
    auto* output = new FakeSoundOutput;
    GameSounds sounds;
    sounds.setOutput(std::unique_ptr<SoundOutput>(output));
    Listened listened;
    const auto run = [&](float minutes) {
        for (float done = 0.f; done < minutes; done += FrameMinutes) {
            level->update(FrameMinutes);
            if (listening)
                sounds.update({level.get(), {6400.f, 6400.f}, {20000.f, 20000.f}, FrameSeconds});
            for (const LevelEvent& event : level->getEvents().drain())
                listened.drained.push_back(event.kind);
            output->finishAll();
        }
    };
    run(60.f);
    EXPECT_TRUE(level->buyItems(40.f, ItemSteel, 5));
    run(480.f);
    EXPECT_TRUE(level->sellItems(ItemSteel, 3, 58.f));
    run(480.f);
    for (const auto& played : output->played)
        listened.heard.push_back(played.id);
    listened.fileText = level->fileText();
    return listened;
}

long Count(const std::vector<SoundId>& heard, SoundId id) {
    return std::count(heard.begin(), heard.end(), id);
}

} // namespace

TEST(GameSoundsTest, ATradeIsHeardAndListeningChangesNothing) {
    const Listened quiet = RunTrade(false);
    const Listened heard = RunTrade(true);
    EXPECT_TRUE(quiet.heard.empty());
    EXPECT_EQ(Count(heard.heard, SoundId::TruckArrive), 2);
    EXPECT_EQ(Count(heard.heard, SoundId::TruckLeave), 2);
    EXPECT_EQ(Count(heard.heard, SoundId::MoneyOut), 1);
    EXPECT_GE(Count(heard.heard, SoundId::CashIn), 1);
    EXPECT_GE(Count(heard.heard, SoundId::Door), 1);
    // The alert list still gets every event, and the level runs the same.
    EXPECT_EQ(quiet.drained, heard.drained);
    EXPECT_EQ(quiet.fileText, heard.fileText);
}

TEST(GameSoundsTest, TheBuildToolIsHeardByWhatItDidToTheBalanceAndALoadedLevelIsNoPurchase) {
    auto level = NewLevel();
    auto* output = new FakeSoundOutput;
    GameSounds sounds;
    sounds.setOutput(std::unique_ptr<SoundOutput>(output));
    const SoundFrame frame{level.get(), {Px(40), Px(45)}, {1280.f, 720.f}, FrameSeconds};
    sounds.update(frame);
    const auto use = [&](int category, const std::function<void()>& action) {
        const double before = level->getBankAccount().getBalance();
        action();
        sounds.toolReleased(level.get(), category, {Px(40), Px(45)}, before);
        sounds.update(frame);
        output->finishAll();
    };
    use(CategoryTile, [&] { level->buyTile(TileFloor, Px(40), Px(45)); });
    use(CategoryZone, [&] { level->buyZone(ZoneStorage, Px(40), Px(45)); });
    use(CategoryZone, [&] { level->buyZone(ZoneStorage, Px(40), Px(45)); });
    use(CategoryDemolish, [&] { level->sellZone(Px(40), Px(45)); });
    use(-1, [] {});
    std::vector<SoundId> heard;
    for (const auto& played : output->played)
        heard.push_back(played.id);
    // Building is no purchase: no coins follow it.
    EXPECT_EQ(heard, (std::vector<SoundId>{SoundId::BuildTile, SoundId::BuildZone, SoundId::Refused,
                                           SoundId::Demolish}));

    // A loaded level may live where the old one did; its lower balance is
    // no purchase.
    output->played.clear();
    ASSERT_TRUE(level->buyTile(TileFloor, Px(41), Px(45)));
    sounds.levelReplaced();
    sounds.update(frame);
    EXPECT_TRUE(output->played.empty());
}

TEST(GameSoundsTest, DialogsAlertsAndWorkingBenchesAreHeard) {
    auto level = NewLevel();
    Tiles(*level, TileFloor, 34, 44, 41, 48);
    Zones(*level, ZoneWorkshop, 34, 44, 41, 48);
    Bench(*level, 36, 46, ItemSteel);
    auto* output = new FakeSoundOutput;
    GameSounds sounds;
    sounds.setOutput(std::unique_ptr<SoundOutput>(output));
    SoundFrame frame{level.get(), {Px(38), Px(46)}, {1280.f, 720.f}, 1.f};
    sounds.update(frame);
    EXPECT_EQ(sounds.getMixer().getAmbienceLevel(), 0.f);

    // A worker's first minute starts the run of steel.
    GameObject* bench = level->findObjectOnCell(ObjectWorkbench, 36, 46);
    ASSERT_NE(bench, nullptr);
    float minutes = 1.f;
    bool finished = false;
    ASSERT_TRUE(bench->work(minutes, finished));
    frame.openDialogs = 1;
    frame.alerts = 2;
    sounds.update(frame);
    frame.openDialogs = 0;
    frame.alerts = 3; // too soon for another alert
    sounds.update(frame);
    EXPECT_EQ(output->count(SoundId::DialogOpen), 1);
    EXPECT_EQ(output->count(SoundId::DialogClose), 1);
    EXPECT_EQ(output->count(SoundId::Alert), 1);
    EXPECT_GT(sounds.getMixer().getAmbienceLevel(), 0.f);
    EXPECT_GT(output->loopGain, 0.f);

    // A paused factory falls silent.
    frame.paused = true;
    for (int i = 0; i < 3; ++i)
        sounds.update(frame);
    EXPECT_EQ(output->loopGain, 0.f);
}
