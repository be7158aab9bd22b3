#pragma once

#include "tools/soundgen/Synth.hpp"

#include <string>

// Writes the samples as a 16-bit mono PCM WAV file at SoundSampleRate;
// false (with a message) when the file cannot be written.
bool WriteWav(const std::string& path, const Samples& samples);
