// The generator's files: every sound there, as long as its entry says,
// audible but not clipped, the ambience a seamless loop, and the same bytes
// on every run.

#include "tests/TempFolder.hpp"

#include "sound/SoundId.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t HeaderBytes = 44;

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::vector<float> Samples(const std::string& bytes) {
    std::vector<float> samples;
    for (std::size_t at = HeaderBytes; at + 1 < bytes.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(LittleEndian(bytes, at, 2)) / 32768.f);
    return samples;
}

std::filesystem::path Generate(const std::string& purpose) {
    const std::filesystem::path folder = MakeTempFolder(purpose);
    const std::string command = std::string(OSTRAVEL_SOUNDGEN) + " " + folder.string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    return folder;
}

} // namespace

TEST(SoundFilesTest, EverySoundIsThereAudibleUnclippedAndTheSameOnEveryRun) {
    const std::filesystem::path first = Generate("sounds-a");
    const std::filesystem::path second = Generate("sounds-b");
    for (const SoundFile& file : SoundFiles) {
        SCOPED_TRACE(file.name);
        const std::string bytes = ReadBytes(first / file.name);
        ASSERT_GT(bytes.size(), HeaderBytes);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(LittleEndian(bytes, 22, 2), 1u); // mono
        EXPECT_EQ(LittleEndian(bytes, 24, 4), SoundSampleRate);
        EXPECT_EQ(LittleEndian(bytes, 34, 2), 16u);
        const std::vector<float> samples = Samples(bytes);
        EXPECT_EQ(samples.size(),
                  static_cast<std::size_t>(file.milliseconds) * SoundSampleRate / 1000);

        float peak = 0.f;
        double energy = 0.0;
        for (float sample : samples) {
            peak = std::max(peak, std::fabs(sample));
            energy += double{sample} * sample;
        }
        const double rms = std::sqrt(energy / static_cast<double>(samples.size()));
        EXPECT_LT(peak, 0.9f);
        EXPECT_GT(peak, 0.2f);
        EXPECT_GT(rms, 0.02);
        EXPECT_EQ(bytes, ReadBytes(second / file.name));
    }
    // The loop's last sample leads into its first without a click.
    const std::vector<float> loop = Samples(ReadBytes(first / SoundFileOf(SoundId::Ambience).name));
    EXPECT_LT(std::fabs(loop.back() - loop.front()), 0.02f);
    std::filesystem::remove_all(first);
    std::filesystem::remove_all(second);
}
