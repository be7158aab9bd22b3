#include "sound/SoundMixer.hpp"

#include "settings/Settings.hpp"
#include "sound/SoundOutput.hpp"
#include "sound/SoundPlacement.hpp"

#include <algorithm>
#include <cmath>

namespace {

float Share(int percent) {
    return std::clamp(static_cast<float>(percent) / 100.f, 0.f, 1.f);
}

} // namespace

SoundVolumes VolumesFrom(const Settings& settings) {
    return {Share(settings.masterVolume), Share(settings.effectsVolume),
            Share(settings.ambienceVolume), settings.soundOn == 0};
}

void SoundMixer::setOutput(SoundOutput* newOutput) {
    output = newOutput;
    sentLoopGain = 0.f;
}

void SoundMixer::setVolumes(const SoundVolumes& newVolumes) {
    volumes = newVolumes;
    // The loop follows at once, also while paused.
    advance(0.f);
}

bool SoundMixer::playInterface(SoundId id) {
    return play(id, 1.f, 0.f);
}

bool SoundMixer::playAt(SoundId id, sf::Vector2f point, sf::Vector2f viewCentre,
                        sf::Vector2f viewSize) {
    const SoundPlacement placement = PlaceInView(point, viewCentre, viewSize);
    return placement.audible && play(id, placement.gain, placement.pan);
}

bool SoundMixer::play(SoundId id, float gain, float pan) {
    if (output == nullptr || volumes.muted || id == SoundId::Ambience)
        return false;
    const float heard = gain * volumes.effects * volumes.master;
    // A crowd of one sound is noise, and the loudest part of it is its start.
    if (heard <= 0.f || output->playing(id) >= MostAtOnce)
        return false;
    return output->play(id, heard, std::clamp(pan, -1.f, 1.f));
}

void SoundMixer::setAmbienceTarget(float level) {
    ambienceTarget = std::clamp(level, 0.f, 1.f);
}

void SoundMixer::advance(float realSeconds) {
    const float step = std::max(0.f, realSeconds) / AmbienceFadeSeconds;
    if (ambienceLevel < ambienceTarget)
        ambienceLevel = std::min(ambienceTarget, ambienceLevel + step);
    else
        ambienceLevel = std::max(ambienceTarget, ambienceLevel - step);
    if (output == nullptr)
        return;
    const float gain = volumes.muted ? 0.f : ambienceLevel * volumes.ambience * volumes.master;
    // Steps below what an ear tells apart are not worth a call.
    if (std::fabs(gain - sentLoopGain) < 0.002f && (gain > 0.f || sentLoopGain == 0.f))
        return;
    sentLoopGain = gain;
    output->setLoopGain(SoundId::Ambience, gain);
}
