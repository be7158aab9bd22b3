#pragma once

#include "sound/SoundId.hpp"

#include <SFML/System/Vector2.hpp>

#include <array>

class SoundOutput;
struct Settings;

// The player's volumes, 0..1, and whether the game is muted.
struct SoundVolumes {
    float master = 1.f;
    float effects = 1.f;
    float ambience = 0.6f;
    bool muted = false;
};

SoundVolumes VolumesFrom(const Settings& settings);

// Turns the game's wishes into what the output plays: each sound at the
// player's volumes, a world sound placed by the view, no more than a few
// of one sound at once, and the ambience's loop fading to its level.
// Without an output it plays nothing.
class SoundMixer {
public:
    static constexpr unsigned MostAtOnce = 3;
    // The ambience moves from silence to full over this many real seconds.
    static constexpr float AmbienceFadeSeconds = 2.f;

    void setOutput(SoundOutput* newOutput);
    void setVolumes(const SoundVolumes& newVolumes);
    const SoundVolumes& getVolumes() const { return volumes; }

    // The interface's sounds: from the middle, at the effects volume.
    bool playInterface(SoundId id);
    // A sound of the world at the point, heard from the view.
    bool playAt(SoundId id, sf::Vector2f point, sf::Vector2f viewCentre, sf::Vector2f viewSize);

    // The level the ambience is heading for, 0..1.
    void setAmbienceTarget(float level);
    float getAmbienceLevel() const { return ambienceLevel; }
    // Moves the ambience towards its target and hands the output its gain.
    void advance(float realSeconds);

private:
    bool play(SoundId id, float gain, float pan);

    SoundOutput* output = nullptr;
    SoundVolumes volumes;
    float ambienceTarget = 0.f;
    float ambienceLevel = 0.f;
    // What the output was last told, so that it hears only of changes.
    float sentLoopGain = 0.f;
};
