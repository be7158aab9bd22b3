#include "params/Graphics.hpp"

#include "params/TileSize.hpp"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace Graphics = GameParams::Graphics;

namespace {

class TaskIconTest : public ::testing::Test {
protected:
    void SetUp() override { GameParams::SetTileSizeType(SIZE128PX); }
    void TearDown() override { GameParams::SetTileSizeType(SIZE128PX); }
};

} // namespace

TEST_F(TaskIconTest, EveryTaskKindAndResearchHasATileOfItsOwn) {
    std::set<std::tuple<int, int>> corners;
    for (int kind = Graphics::FirstTaskIcon; kind <= Graphics::LastTaskIcon; ++kind) {
        const sf::IntRect icon = Graphics::GetTaskIconTexture(kind);
        EXPECT_EQ(icon.width, 128) << kind;
        EXPECT_EQ(icon.height, 128) << kind;
        EXPECT_NE(icon, Graphics::SIZE128PX::GetFallbackTexture()) << kind;
        corners.emplace(icon.left, icon.top);
    }
    EXPECT_EQ(corners.size(), 15u);
    EXPECT_EQ(Graphics::GetTaskIconTexture(TaskError), Graphics::GetTaskIconTexture(-1));
}

TEST_F(TaskIconTest, KindsWithoutAPictureAndTheOldLayoutFallBack) {
    EXPECT_EQ(Graphics::GetTaskIconTexture(-2), Graphics::SIZE128PX::GetFallbackTexture());
    EXPECT_EQ(Graphics::GetTaskIconTexture(14), Graphics::SIZE128PX::GetFallbackTexture());
    // The task lookup itself still answers the fallback for every task.
    EXPECT_EQ(Graphics::GetTexture(TaskWork), Graphics::SIZE128PX::GetFallbackTexture());
    GameParams::SetTileSizeType(SIZE32PX);
    EXPECT_EQ(Graphics::GetTaskIconTexture(TaskWalk), Graphics::GetTexture(TaskWalk));
    EXPECT_EQ(Graphics::GetTaskIconTexture(TaskNone), Graphics::GetTexture(TaskNone));
}
