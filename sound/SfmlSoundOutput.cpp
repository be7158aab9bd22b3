#include "sound/SfmlSoundOutput.hpp"

#include "sound/AudioDevice.hpp"

#include <cmath>
#include <filesystem>
#include <iostream>

namespace {

constexpr std::size_t Index(SoundId id) {
    return static_cast<std::size_t>(id);
}

// Panned by direction alone: the sound sits one unit from the listener,
// on a half circle in front of them, where distance changes nothing.
void Place(sf::Sound& sound, float gain, float pan) {
    sound.setRelativeToListener(true);
    sound.setAttenuation(0.f);
    sound.setPosition(pan, 0.f, -std::sqrt(std::max(0.f, 1.f - pan * pan)));
    sound.setVolume(100.f * gain);
}

} // namespace

SfmlSoundOutput::~SfmlSoundOutput() {
    // The sounds and their buffers go before the device.
    for (std::unique_ptr<Voices>& voice : voices)
        voice.reset();
}

bool SfmlSoundOutput::ready() {
    if (state != State::Closed)
        return state == State::Open;
    deviceHolder = AudioDevice::Open();
    if (!deviceHolder) {
        state = State::Silent;
        return false;
    }
    state = State::Open;
    for (const SoundFile& file : SoundFiles) {
        const std::string path = (std::filesystem::path(folder) / file.name).string();
        voices[Index(file.id)] = std::make_unique<Voices>();
        Voices& voice = *voices[Index(file.id)];
        voice.loaded = voice.buffer.loadFromFile(path);
        if (!voice.loaded)
            std::cout << "SfmlSoundOutput::ready() - " << path << " fehlt." << std::endl;
    }
    return true;
}

sf::Sound* SfmlSoundOutput::freeVoice(SoundId id) {
    Voices& voice = *voices[Index(id)];
    if (!voice.loaded)
        return nullptr;
    for (const std::unique_ptr<sf::Sound>& sound : voice.sounds)
        if (sound->getStatus() == sf::Sound::Stopped)
            return sound.get();
    if (voice.sounds.size() >= MostVoices)
        return nullptr;
    voice.sounds.push_back(std::make_unique<sf::Sound>(voice.buffer));
    return voice.sounds.back().get();
}

bool SfmlSoundOutput::play(SoundId id, float gain, float pan) {
    if (!ready())
        return false;
    sf::Sound* sound = freeVoice(id);
    if (sound == nullptr)
        return false;
    Place(*sound, gain, pan);
    sound->play();
    return true;
}

unsigned SfmlSoundOutput::playing(SoundId id) const {
    if (state != State::Open)
        return 0;
    unsigned count = 0;
    for (const std::unique_ptr<sf::Sound>& sound : voices[Index(id)]->sounds)
        if (sound->getStatus() == sf::Sound::Playing)
            ++count;
    return count;
}

void SfmlSoundOutput::setLoopGain(SoundId id, float gain) {
    // Silence needs no device: the first quiet frames open nothing.
    if (gain <= 0.f && state != State::Open)
        return;
    if (!ready())
        return;
    Voices& voice = *voices[Index(id)];
    if (voice.sounds.empty()) {
        if (!voice.loaded)
            return;
        voice.sounds.push_back(std::make_unique<sf::Sound>(voice.buffer));
        voice.sounds.back()->setLoop(true);
    }
    sf::Sound& loop = *voice.sounds.front();
    if (gain <= 0.f) {
        loop.pause();
        return;
    }
    Place(loop, gain, 0.f);
    if (loop.getStatus() != sf::Sound::Playing)
        loop.play();
}
