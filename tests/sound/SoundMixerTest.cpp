// The mixer between the game and the speakers: volumes, mute, the cap on
// one sound at once, where a world sound is heard and the ambience's fade.

#include "FakeSoundOutput.hpp"

#include "settings/Settings.hpp"
#include "sound/SoundMixer.hpp"
#include "sound/SoundPlacement.hpp"

#include <gtest/gtest.h>

namespace {

const sf::Vector2f Centre{1000.f, 500.f};
const sf::Vector2f Size{1280.f, 720.f};

struct MixerTest : ::testing::Test {
    MixerTest() { mixer.setOutput(&output); }
    FakeSoundOutput output;
    SoundMixer mixer;
};

} // namespace

TEST_F(MixerTest, NoMoreThanAFewOfOneSoundAtOnce) {
    for (int i = 0; i < 6; ++i)
        mixer.playInterface(SoundId::Click);
    mixer.playInterface(SoundId::Alert);
    EXPECT_EQ(output.count(SoundId::Click), SoundMixer::MostAtOnce);
    EXPECT_EQ(output.count(SoundId::Alert), 1);
    output.finishAll();
    EXPECT_TRUE(mixer.playInterface(SoundId::Click));
}

TEST_F(MixerTest, WorldSoundsArePannedQuieterFarOutAndSilentOffScreen) {
    ASSERT_TRUE(mixer.playAt(SoundId::Door, Centre, Centre, Size));
    ASSERT_TRUE(mixer.playAt(SoundId::Door, Centre + sf::Vector2f(600.f, 0.f), Centre, Size));
    ASSERT_TRUE(mixer.playAt(SoundId::Door, Centre - sf::Vector2f(300.f, 0.f), Centre, Size));
    EXPECT_FALSE(mixer.playAt(SoundId::Demolish, Centre + sf::Vector2f(700.f, 0.f), Centre, Size));
    EXPECT_FALSE(mixer.playAt(SoundId::Demolish, Centre - sf::Vector2f(0.f, 400.f), Centre, Size));
    ASSERT_EQ(output.played.size(), 3u);
    const auto& [middle, right, left] =
        std::tie(output.played[0], output.played[1], output.played[2]);
    EXPECT_FLOAT_EQ(middle.gain, 1.f);
    EXPECT_FLOAT_EQ(middle.pan, 0.f);
    EXPECT_GT(right.pan, 0.7f);
    EXPECT_LT(left.pan, 0.f);
    EXPECT_GT(left.pan, right.pan * -1.f);
    EXPECT_LT(right.gain, left.gain);
    EXPECT_LT(left.gain, middle.gain);

    // Quieter the farther out, on every path from the centre to a corner.
    float last = 2.f;
    for (int step = 0; step <= 10; ++step) {
        const sf::Vector2f out = static_cast<float>(step) / 20.f * Size;
        const SoundPlacement placed = PlaceInView(Centre + out, Centre, Size);
        ASSERT_TRUE(placed.audible);
        EXPECT_LT(placed.gain, last);
        last = placed.gain;
    }
    EXPECT_NEAR(last, EdgeGain, 1e-4);
}

TEST_F(MixerTest, VolumesMultiplyAndMuteSilencesEverything) {
    Settings settings;
    settings.masterVolume = 60;
    settings.effectsVolume = 30;
    settings.ambienceVolume = 100;
    mixer.setVolumes(VolumesFrom(settings));
    mixer.playInterface(SoundId::CashIn);
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_NEAR(output.played[0].gain, 0.18f, 1e-5);

    mixer.setAmbienceTarget(1.f);
    mixer.advance(SoundMixer::AmbienceFadeSeconds);
    EXPECT_NEAR(output.loopGain, 0.6f, 1e-5);

    settings.soundOn = 0;
    mixer.setVolumes(VolumesFrom(settings));
    EXPECT_EQ(output.loopGain, 0.f);
    EXPECT_FALSE(mixer.playInterface(SoundId::CashIn));
    EXPECT_FALSE(mixer.playAt(SoundId::Door, Centre, Centre, Size));
    EXPECT_EQ(output.played.size(), 1u);

    settings.soundOn = 1;
    settings.effectsVolume = 0;
    mixer.setVolumes(VolumesFrom(settings));
    EXPECT_NEAR(output.loopGain, 0.6f, 1e-5);
    EXPECT_FALSE(mixer.playInterface(SoundId::CashIn));
}

TEST_F(MixerTest, TheAmbienceFadesToItsLevelRatherThanJumping) {
    mixer.setAmbienceTarget(1.f);
    mixer.advance(SoundMixer::AmbienceFadeSeconds / 4.f);
    EXPECT_NEAR(mixer.getAmbienceLevel(), 0.25f, 1e-5);
    mixer.advance(SoundMixer::AmbienceFadeSeconds);
    EXPECT_FLOAT_EQ(mixer.getAmbienceLevel(), 1.f);
    mixer.setAmbienceTarget(0.f);
    mixer.advance(SoundMixer::AmbienceFadeSeconds / 2.f);
    EXPECT_NEAR(mixer.getAmbienceLevel(), 0.5f, 1e-5);
    mixer.advance(SoundMixer::AmbienceFadeSeconds);
    EXPECT_EQ(output.loopGain, 0.f);
}
