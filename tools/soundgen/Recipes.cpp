// What each sound is made of. Interface sounds are short and bright, the
// world's sounds lower and longer; the loudest peaks stay well below full
// scale, so that several at once do not clip.

#include "tools/soundgen/Recipes.hpp"

namespace {

constexpr float InterfacePeak = 0.5f;
constexpr float WorldPeak = 0.7f;
constexpr float AmbiencePeak = 0.35f;

Samples Click() {
    Samples s = MakeSamples(SoundFileOf(SoundId::Click).milliseconds);
    Noise noise(11);
    AddNoise(s, noise, {0.f, 0.012f, 0.6f, {0.0005f, 300.f}, 1500.f, 6000.f});
    AddTone(s, {0.f, 0.03f, 2200.f, 1800.f, Wave::Sine, 0.5f, {0.0005f, 160.f}});
    ScaleToPeak(s, InterfacePeak);
    return s;
}

// Two soft notes, rising to open and falling to close.
Samples Chime(SoundId id, float first, float second) {
    Samples s = MakeSamples(SoundFileOf(id).milliseconds);
    const float half = static_cast<float>(SoundFileOf(id).milliseconds) / 2000.f;
    AddTone(s, {0.f, half + 0.02f, first, first, Wave::Sine, 0.6f, {0.006f, 18.f}});
    AddTone(s, {half - 0.01f, half + 0.01f, second, second, Wave::Sine, 0.6f, {0.006f, 16.f}});
    AddTone(
        s,
        {half - 0.01f, half + 0.01f, second * 2.f, second * 2.f, Wave::Sine, 0.1f, {0.004f, 30.f}});
    ScaleToPeak(s, InterfacePeak * 0.8f);
    return s;
}

// Laying a floor or a wall: a low knock on stone.
Samples BuildTile() {
    Samples s = MakeSamples(SoundFileOf(SoundId::BuildTile).milliseconds);
    Noise noise(21);
    AddNoise(s, noise, {0.f, 0.16f, 0.7f, {0.001f, 40.f}, 60.f, 900.f});
    AddTone(s, {0.f, 0.16f, 160.f, 95.f, Wave::Sine, 0.8f, {0.001f, 28.f}});
    ScaleToPeak(s, WorldPeak * 0.8f);
    return s;
}

// Marking a zone: a brush of paint and a small marker note.
Samples BuildZone() {
    Samples s = MakeSamples(SoundFileOf(SoundId::BuildZone).milliseconds);
    Noise noise(31);
    AddNoise(s, noise, {0.f, 0.2f, 0.6f, {0.06f, 14.f}, 1800.f, 5000.f});
    AddTone(s, {0.05f, 0.15f, 523.f, 523.f, Wave::Triangle, 0.35f, {0.01f, 20.f}});
    ScaleToPeak(s, WorldPeak * 0.7f);
    return s;
}

// Setting down furniture: a thud and the ring of metal.
Samples BuildObject() {
    Samples s = MakeSamples(SoundFileOf(SoundId::BuildObject).milliseconds);
    Noise noise(41);
    AddNoise(s, noise, {0.f, 0.12f, 0.8f, {0.001f, 35.f}, 50.f, 700.f});
    AddTone(s, {0.f, 0.12f, 120.f, 80.f, Wave::Sine, 0.8f, {0.001f, 30.f}});
    for (const float hz : {410.f, 1127.f, 1863.f, 2719.f})
        AddTone(s, {0.01f,
                    0.29f,
                    hz,
                    hz,
                    Wave::Sine,
                    0.22f * 410.f / hz + 0.05f,
                    {0.001f, 9.f + hz / 400.f}});
    ScaleToPeak(s, WorldPeak);
    return s;
}

// Tearing down: rubble in uneven grains, fading.
Samples Demolish() {
    Samples s = MakeSamples(SoundFileOf(SoundId::Demolish).milliseconds);
    Noise noise(51);
    float start = 0.f;
    float level = 0.9f;
    for (int grain = 0; grain < 9; ++grain) {
        const float length = 0.05f + 0.03f * (noise.next() + 1.f);
        AddNoise(s, noise, {start, length, level, {0.002f, 30.f}, 80.f, 1400.f + 300.f * grain});
        start += 0.025f + 0.02f * (noise.next() + 1.f);
        level *= 0.8f;
    }
    AddTone(s, {0.f, 0.2f, 90.f, 55.f, Wave::Sine, 0.6f, {0.001f, 14.f}});
    ScaleToPeak(s, WorldPeak);
    return s;
}

// No: two low, buzzing steps down.
Samples Refused() {
    Samples s = MakeSamples(SoundFileOf(SoundId::Refused).milliseconds);
    for (const auto& [start, hz] : {std::pair{0.f, 196.f}, std::pair{0.12f, 147.f}}) {
        Tone buzz{start, 0.13f, hz, hz, Wave::Square, 0.5f, {0.004f, 6.f}};
        AddTone(s, buzz);
    }
    LowPass(s, 1400.f);
    ScaleToPeak(s, InterfacePeak);
    return s;
}

// The till: a click, then two bright bells.
Samples CashIn() {
    Samples s = MakeSamples(SoundFileOf(SoundId::CashIn).milliseconds);
    Noise noise(61);
    AddNoise(s, noise, {0.f, 0.02f, 0.5f, {0.0005f, 150.f}, 2500.f, 0.f});
    for (const auto& [start, hz] : {std::pair{0.02f, 1319.f}, std::pair{0.09f, 1760.f}}) {
        AddTone(s, {start, 0.36f - start, hz, hz, Wave::Sine, 0.5f, {0.001f, 9.f}});
        AddTone(s, {start, 0.2f, hz * 2.76f, hz * 2.76f, Wave::Sine, 0.12f, {0.001f, 25.f}});
    }
    ScaleToPeak(s, InterfacePeak);
    return s;
}

// Coins counted out: three falling taps.
Samples MoneyOut() {
    Samples s = MakeSamples(SoundFileOf(SoundId::MoneyOut).milliseconds);
    float start = 0.f;
    for (const float hz : {988.f, 831.f, 659.f}) {
        AddTone(s, {start, 0.3f - start, hz, hz * 0.98f, Wave::Triangle, 0.5f, {0.001f, 22.f}});
        start += 0.07f;
    }
    ScaleToPeak(s, InterfacePeak * 0.8f);
    return s;
}

// A diesel engine: a low sawtooth that slows or speeds, rumble noise, and
// for the arrival the hiss of the air brake at the end.
Samples Truck(SoundId id, float fromHz, float toHz, bool arriving, std::uint32_t seed) {
    const float length = static_cast<float>(SoundFileOf(id).milliseconds) / 1000.f;
    Samples engine = MakeSamples(SoundFileOf(id).milliseconds);
    AddTone(engine, {0.f, length, fromHz, toHz, Wave::Saw, 0.6f, {arriving ? 0.2f : 0.05f, 0.f}});
    AddTone(engine, {0.f,
                     length,
                     fromHz * 2.01f,
                     toHz * 2.01f,
                     Wave::Square,
                     0.15f,
                     {arriving ? 0.2f : 0.05f, 0.f}});
    LowPass(engine, 420.f);
    Noise noise(seed);
    AddNoise(engine, noise, {0.f, length, 0.25f, {0.15f, 0.f}, 40.f, 300.f});
    // The engine fades as the truck stops, or as it drives away.
    const float fadeFrom = arriving ? 0.55f : 0.45f;
    for (std::size_t i = 0; i < engine.size(); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(engine.size());
        if (t > fadeFrom)
            engine[i] *= 1.f - (t - fadeFrom) / (1.f - fadeFrom);
    }
    if (arriving)
        AddNoise(engine, noise, {length - 0.5f, 0.45f, 0.35f, {0.01f, 5.f}, 2500.f, 9000.f});
    ScaleToPeak(engine, WorldPeak);
    return engine;
}

// A sliding door: the swish of the leaf and a soft stop.
Samples Door() {
    Samples s = MakeSamples(SoundFileOf(SoundId::Door).milliseconds);
    Noise noise(81);
    AddNoise(s, noise, {0.f, 0.36f, 0.6f, {0.12f, 4.f}, 400.f, 2200.f});
    AddTone(s, {0.33f, 0.09f, 110.f, 90.f, Wave::Sine, 0.5f, {0.002f, 40.f}});
    ScaleToPeak(s, WorldPeak * 0.6f);
    return s;
}

// Something needs the player: a clear rising fifth with an overtone.
Samples Alert() {
    Samples s = MakeSamples(SoundFileOf(SoundId::Alert).milliseconds);
    for (const auto& [start, hz] : {std::pair{0.f, 784.f}, std::pair{0.15f, 1175.f}}) {
        AddTone(s, {start, 0.45f - start, hz, hz, Wave::Sine, 0.5f, {0.004f, 7.f}});
        AddTone(s, {start, 0.3f, hz * 2.f, hz * 2.f, Wave::Sine, 0.15f, {0.004f, 14.f}});
    }
    ScaleToPeak(s, InterfacePeak);
    return s;
}

// The factory working: mains hum, the air of a large hall, and machines
// knocking in a slow rhythm. Every pitch fits the loop a whole number of
// times, and the noise is blended across the seam.
Samples Ambience() {
    const int milliseconds = SoundFileOf(SoundId::Ambience).milliseconds;
    const float length = static_cast<float>(milliseconds) / 1000.f;
    Samples s = MakeSamples(milliseconds + 500);
    const float total = length + 0.5f;
    AddTone(s, {0.f, total, 50.f, 50.f, Wave::Sine, 0.3f, {0.f, 0.f}});
    AddTone(s, {0.f, total, 100.f, 100.f, Wave::Sine, 0.15f, {0.f, 0.f}});
    AddTone(s, {0.f, total, 150.f, 150.f, Wave::Triangle, 0.05f, {0.f, 0.f}});
    Noise noise(91);
    AddNoise(s, noise, {0.f, total, 0.25f, {0.f, 0.f}, 100.f, 700.f});
    for (float knock = 0.f; knock < total; knock += 0.5f) {
        const bool strong = static_cast<int>(knock * 2.f) % 4 == 0;
        AddNoise(s, noise, {knock, 0.08f, strong ? 0.5f : 0.3f, {0.002f, 45.f}, 150.f, 1200.f});
        AddTone(s, {knock, 0.08f, 70.f, 60.f, Wave::Sine, strong ? 0.4f : 0.2f, {0.002f, 40.f}});
    }
    CloseLoop(s, MakeSamples(milliseconds).size());
    ScaleToPeak(s, AmbiencePeak);
    return s;
}

Samples Draw(SoundId id) {
    switch (id) {
    case SoundId::Click:
        return Click();
    case SoundId::DialogOpen:
        return Chime(id, 659.f, 880.f);
    case SoundId::DialogClose:
        return Chime(id, 880.f, 587.f);
    case SoundId::BuildTile:
        return BuildTile();
    case SoundId::BuildZone:
        return BuildZone();
    case SoundId::BuildObject:
        return BuildObject();
    case SoundId::Demolish:
        return Demolish();
    case SoundId::Refused:
        return Refused();
    case SoundId::CashIn:
        return CashIn();
    case SoundId::MoneyOut:
        return MoneyOut();
    case SoundId::TruckArrive:
        return Truck(id, 70.f, 38.f, true, 71);
    case SoundId::TruckLeave:
        return Truck(id, 38.f, 80.f, false, 72);
    case SoundId::Door:
        return Door();
    case SoundId::Alert:
        return Alert();
    case SoundId::Ambience:
    default:
        return Ambience();
    }
}

} // namespace

Samples DrawSound(SoundId id) {
    Samples samples = Draw(id);
    if (id != SoundId::Ambience)
        FadeEnds(samples);
    return samples;
}
