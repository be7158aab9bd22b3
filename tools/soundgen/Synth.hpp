#pragma once

#include <cstdint>
#include <vector>

// The sound generator's few instruments: oscillators that glide between two
// pitches, filtered noise, envelopes and one-pole filters, all on mono float
// samples in -1..1 at SoundSampleRate.
using Samples = std::vector<float>;

// The generator's own noise: a fixed seed per sound, so every build draws
// the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed == 0 ? 1u : seed) {}
    // -1..1.
    float next();

private:
    std::uint32_t state;
};

enum class Wave { Sine, Square, Saw, Triangle };

// Rises over attack seconds, then falls by e every 1/decay seconds; a short
// release at the end of the part keeps it free of clicks.
struct Envelope {
    float attack = 0.002f;
    float decay = 0.f;
};

struct Tone {
    float start = 0.f; // seconds
    float length = 0.1f;
    float fromHz = 440.f;
    float toHz = 440.f;
    Wave wave = Wave::Sine;
    float level = 0.5f;
    Envelope envelope;
};

struct NoiseBurst {
    float start = 0.f;
    float length = 0.1f;
    float level = 0.5f;
    Envelope envelope;
    // Band limits; 0 leaves that side open.
    float lowCutHz = 0.f;
    float highCutHz = 0.f;
};

Samples MakeSamples(int milliseconds);
void AddTone(Samples& samples, const Tone& tone);
void AddNoise(Samples& samples, Noise& noise, const NoiseBurst& burst);
void LowPass(Samples& samples, float cutoffHz);
void HighPass(Samples& samples, float cutoffHz);
// Scales so that the loudest sample reaches peak.
void ScaleToPeak(Samples& samples, float peak);
// Fades the ends in and out over a few milliseconds, against clicks.
void FadeEnds(Samples& samples);
// Blends the part past loopSamples into the start, so that the first
// loopSamples play as a seamless loop, and drops it.
void CloseLoop(Samples& samples, std::size_t loopSamples);
