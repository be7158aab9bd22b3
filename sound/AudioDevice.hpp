#pragma once

#include <SFML/Audio/SoundBuffer.hpp>

#include <memory>

namespace AudioDevice {

// Opens the sound device through SFML: a buffer whose life keeps the device
// open, or null when there is none (a machine without sound, Xvfb). Asked
// once per process: after a failure it answers null at once. The attempt's
// complaints (SFML's, OpenAL's, ALSA's) are swallowed, and one line on
// standard output says that the game stays silent.
std::unique_ptr<sf::SoundBuffer> Open();

} // namespace AudioDevice
