#pragma once

#include "sound/SoundOutput.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <array>
#include <memory>
#include <string>
#include <vector>

// The speakers, through SFML's audio. Nothing is opened or loaded until the
// first sound is asked for: then the device is opened and the sound files
// are read from the folder. Without a device it stays silent for good.
class SfmlSoundOutput : public SoundOutput {
public:
    // Playings of one sound at once, whatever the mixer asks.
    static constexpr std::size_t MostVoices = 4;

    explicit SfmlSoundOutput(std::string folder) : folder(std::move(folder)) {}
    ~SfmlSoundOutput() override;

    bool play(SoundId id, float gain, float pan) override;
    unsigned playing(SoundId id) const override;
    void setLoopGain(SoundId id, float gain) override;

private:
    struct Voices {
        sf::SoundBuffer buffer;
        bool loaded = false;
        std::vector<std::unique_ptr<sf::Sound>> sounds;
    };
    enum class State { Closed, Open, Silent };

    bool ready();
    sf::Sound* freeVoice(SoundId id);

    std::string folder;
    State state = State::Closed;
    // Keeps the device open for as long as the output lives.
    std::unique_ptr<sf::SoundBuffer> deviceHolder;
    // Made once the device is open: a buffer alone would open it.
    std::array<std::unique_ptr<Voices>, SoundCount> voices;
};
