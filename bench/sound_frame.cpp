// Cost of one frame of the sound layer's listening (events, doors, truck,
// money, benches, ambience) over a running saved factory, with an output
// that counts what it is asked to play. From build/, with a save written by
// the headless runner:
//   (cat ../bench/factory_50.sim; echo save factory.sav) | ./ostravel-sim --seed 1 -
//   bench/sound_frame factory.sav [frames]
// Prints the median and the 99th percentile per frame in microseconds and
// the sounds asked for.

#include "params/TileSize.hpp"
#include "sound/GameSounds.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

class CountingOutput : public SoundOutput {
public:
    bool play(SoundId, float, float) override { return ++asked, true; }
    unsigned playing(SoundId) const override { return 0; }
    void setLoopGain(SoundId, float) override {}
    long asked = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "sound_frame - Aufruf: sound_frame <spielstand> [bilder]" << std::endl;
        return 2;
    }
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5000;
    GameParams::SetTileSizeType(SIZE128PX);
    Level level(nullptr, nullptr, "");
    if (!level.load(argv[1])) {
        std::cout << "sound_frame - " << argv[1] << " konnte nicht geladen werden." << std::endl;
        return 3;
    }
    auto output = std::make_unique<CountingOutput>();
    CountingOutput& counted = *output;
    GameSounds sounds;
    sounds.setOutput(std::move(output));
    // Over the factory's rooms at the starting zoom, as the full-frame bench looks.
    const SoundFrame frame{&level, {28 * 128.f, 16 * 128.f}, {1280.f, 720.f}, 1.f / 60.f};
    std::vector<double> micros;
    for (int i = 0; i < frames; ++i) {
        level.update(0.3f);
        const auto start = std::chrono::steady_clock::now();
        sounds.update(frame);
        const auto end = std::chrono::steady_clock::now();
        level.getEvents().drain();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double share) {
        return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))];
    };
    std::cout << "sound_us.p50=" << at(0.5) << "\nsound_us.p99=" << at(0.99)
              << "\nsounds=" << counted.asked << std::endl;
    return 0;
}
