#pragma once

#include "sound/SoundOutput.hpp"

#include <algorithm>
#include <array>
#include <vector>

// Hears what the mixer plays: every sound stays "sounding" until the test
// lets them all finish.
class FakeSoundOutput : public SoundOutput {
public:
    struct Played {
        SoundId id;
        float gain;
        float pan;
    };

    bool play(SoundId id, float gain, float pan) override {
        played.push_back({id, gain, pan});
        ++sounding[static_cast<std::size_t>(id)];
        return true;
    }
    unsigned playing(SoundId id) const override { return sounding[static_cast<std::size_t>(id)]; }
    void setLoopGain(SoundId, float gain) override { loopGain = gain; }

    void finishAll() { sounding.fill(0); }
    long count(SoundId id) const {
        return std::count_if(played.begin(), played.end(),
                             [id](const Played& sound) { return sound.id == id; });
    }

    std::vector<Played> played;
    std::array<unsigned, SoundCount> sounding{};
    float loopGain = 0.f;
};
