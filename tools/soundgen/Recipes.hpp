#pragma once

#include "sound/SoundId.hpp"
#include "tools/soundgen/Synth.hpp"

// The sound of that id, as long as its file's entry says, finished: scaled
// to its loudness and, unless it is a loop, faded at the ends.
Samples DrawSound(SoundId id);
