#include "tools/soundgen/Synth.hpp"

#include "sound/SoundId.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float Pi = 3.14159265358979f;
constexpr float Rate = static_cast<float>(SoundSampleRate);
constexpr float ReleaseSeconds = 0.004f;

float WaveAt(Wave wave, float phase) {
    switch (wave) {
    case Wave::Square:
        return phase < 0.5f ? 1.f : -1.f;
    case Wave::Saw:
        return 2.f * phase - 1.f;
    case Wave::Triangle:
        return 1.f - 4.f * std::fabs(phase - 0.5f);
    case Wave::Sine:
    default:
        return std::sin(2.f * Pi * phase);
    }
}

float EnvelopeAt(const Envelope& envelope, float t, float length) {
    const float rise = envelope.attack > 0.f ? std::min(1.f, t / envelope.attack) : 1.f;
    const float fall = std::exp(-envelope.decay * t);
    const float release = std::min(1.f, (length - t) / ReleaseSeconds);
    return rise * fall * std::max(0.f, release);
}

// The part's first sample and its number of samples, cut to the buffer.
std::pair<std::size_t, std::size_t> Span(const Samples& samples, float start, float length) {
    const auto first = static_cast<std::size_t>(std::max(0.f, start) * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    if (first >= samples.size())
        return {first, 0};
    return {first, std::min(count, samples.size() - first)};
}

} // namespace

float Noise::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state) / 2147483648.f - 1.f;
}

Samples MakeSamples(int milliseconds) {
    return Samples(static_cast<std::size_t>(milliseconds) * SoundSampleRate / 1000, 0.f);
}

void AddTone(Samples& samples, const Tone& tone) {
    const auto [first, count] = Span(samples, tone.start, tone.length);
    float phase = 0.f;
    for (std::size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / Rate;
        // Glides exponentially, as the ear hears pitch.
        const float hz = tone.fromHz * std::pow(tone.toHz / tone.fromHz, t / tone.length);
        samples[first + i] +=
            tone.level * EnvelopeAt(tone.envelope, t, tone.length) * WaveAt(tone.wave, phase);
        phase += hz / Rate;
        phase -= std::floor(phase);
    }
}

void AddNoise(Samples& samples, Noise& noise, const NoiseBurst& burst) {
    const auto [first, count] = Span(samples, burst.start, burst.length);
    Samples part(count);
    for (float& sample : part)
        sample = noise.next();
    if (burst.highCutHz > 0.f)
        LowPass(part, burst.highCutHz);
    if (burst.lowCutHz > 0.f)
        HighPass(part, burst.lowCutHz);
    for (std::size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / Rate;
        samples[first + i] += burst.level * EnvelopeAt(burst.envelope, t, burst.length) * part[i];
    }
}

void LowPass(Samples& samples, float cutoffHz) {
    const float k = 1.f - std::exp(-2.f * Pi * cutoffHz / Rate);
    float state = 0.f;
    for (float& sample : samples) {
        state += k * (sample - state);
        sample = state;
    }
}

void HighPass(Samples& samples, float cutoffHz) {
    const float k = 1.f - std::exp(-2.f * Pi * cutoffHz / Rate);
    float low = 0.f;
    for (float& sample : samples) {
        low += k * (sample - low);
        sample -= low;
    }
}

void ScaleToPeak(Samples& samples, float peak) {
    float loudest = 0.f;
    for (float sample : samples)
        loudest = std::max(loudest, std::fabs(sample));
    if (loudest > 0.f)
        for (float& sample : samples)
            sample *= peak / loudest;
}

void FadeEnds(Samples& samples) {
    const std::size_t fade = std::min(samples.size() / 2, static_cast<std::size_t>(0.003f * Rate));
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(fade);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

void CloseLoop(Samples& samples, std::size_t loopSamples) {
    const std::size_t tail =
        std::min(samples.size() - std::min(samples.size(), loopSamples), loopSamples);
    for (std::size_t i = 0; i < tail; ++i) {
        const float blend = static_cast<float>(i) / static_cast<float>(tail);
        samples[i] = samples[i] * blend + samples[loopSamples + i] * (1.f - blend);
    }
    samples.resize(loopSamples);
}
