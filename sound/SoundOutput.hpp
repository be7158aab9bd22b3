#pragma once

#include "sound/SoundId.hpp"

// Where the mixer's sounds go: the speakers (SfmlSoundOutput) or, in the
// tests, a record of what would have been heard.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts one playing of the sound at gain 0..1, panned from -1 (left)
    // to 1 (right); false when nothing plays.
    virtual bool play(SoundId id, float gain, float pan) = 0;
    // How many playings of the sound are still sounding.
    virtual unsigned playing(SoundId id) const = 0;
    // Plays the sound as an endless loop at the gain; 0 stops it.
    virtual void setLoopGain(SoundId id, float gain) = 0;
};
