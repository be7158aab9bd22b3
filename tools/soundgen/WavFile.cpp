#include "tools/soundgen/WavFile.hpp"

#include "sound/SoundId.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>

namespace {

// WAV is little-endian whatever the machine.
void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

bool WriteWav(const std::string& path, const Samples& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2); // PCM
    PutLittleEndian(bytes, 1, 2); // mono
    PutLittleEndian(bytes, SoundSampleRate, 4);
    PutLittleEndian(bytes, SoundSampleRate * 2, 4);
    PutLittleEndian(bytes, 2, 2);
    PutLittleEndian(bytes, 16, 2);
    bytes += "data";
    PutLittleEndian(bytes, dataBytes, 4);
    for (const float sample : samples) {
        const float clamped = std::clamp(sample, -1.f, 1.f);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.f));
        PutLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::cout << "WriteWav() - cannot write " << path << std::endl;
        return false;
    }
    return true;
}
