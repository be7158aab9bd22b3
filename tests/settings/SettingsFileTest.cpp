// The settings file: what is written is read back, and whatever else is in
// the file gives the defaults for what cannot be read, with one line of
// explanation and never a crash.

#include "tests/TempFolder.hpp"
#include "../params/CoutCapture.hpp"
#include "settings/Settings.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder("settings");
        ASSERT_FALSE(folder.empty());
        path = (folder / "ostravel" / "settings.ini").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    void writeRaw(const std::string& content) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    static int lines(const std::string& text) {
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }

    fs::path folder;
    std::string path;
};

TEST_F(SettingsFileTest, EveryValueOfEverySettingIsReadBackAsWritten) {
    for (const SettingDescription& setting : SettingsTable())
        for (const SettingChoice& choice : setting.choices) {
            Settings written;
            written.*setting.field = choice.value;
            // The others away from their defaults too, so nothing is read by chance.
            for (const SettingDescription& other : SettingsTable())
                if (&other != &setting)
                    written.*other.field = other.choices.back().value;
            ASSERT_TRUE(SettingsFile::Write(path, written));
            CoutCapture output;
            EXPECT_EQ(SettingsFile::Read(path), written) << setting.key << "=" << choice.word;
            EXPECT_EQ(output.text(), "");
        }
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, AMissingFileGivesTheDefaultsAndOneLine) {
    CoutCapture output;
    EXPECT_EQ(SettingsFile::Read(path), Settings());
    EXPECT_EQ(lines(output.text()), 1);
    EXPECT_EQ(output.text().rfind("SettingsFile::Read() - ", 0), 0u);
}

TEST_F(SettingsFileTest, AFileFromBeforeTheSoundSettingsKeepsTheirDefaultsQuietly) {
    writeRaw("window_mode=fullscreen\ninterface_scale=150\nautosave_days=7\n"
             "scroll_speed=250\nedge_scrolling=on\nshow_fps=off\n");
    CoutCapture output;
    const Settings read = SettingsFile::Read(path);
    EXPECT_EQ(output.text(), "");
    EXPECT_EQ(read.interfaceScale, 150);
    EXPECT_EQ(read.showFps, 0);
    const Settings defaults;
    EXPECT_EQ(read.soundOn, defaults.soundOn);
    EXPECT_EQ(read.masterVolume, defaults.masterVolume);
    EXPECT_EQ(read.effectsVolume, defaults.effectsVolume);
    EXPECT_EQ(read.ambienceVolume, defaults.ambienceVolume);
}

TEST_F(SettingsFileTest, DamagedLinesKeepTheirDefaultsAndTheRestIsRead) {
    const std::string damaged[] = {
        "interface_scale=175",            // a value the setting does not allow
        "interface_scale",                // no value
        "window_mode=fullscreen=yes",     // not one word
        "frames=on",                      // no such setting
        std::string("show_fps=o\0f", 12), // a zero byte
        "\xff\xfe\x80garbage",
    };
    for (const std::string& line : damaged) {
        writeRaw("# a comment\n[Anzeige]\n  scroll_speed = 1000\r\n" + line +
                 "\nedge_scrolling=on");
        CoutCapture output;
        const Settings read = SettingsFile::Read(path);
        Settings expected;
        expected.scrollSpeed = 1000;
        expected.edgeScrolling = 1;
        EXPECT_EQ(read, expected) << line;
        EXPECT_EQ(lines(output.text()), 1) << line;
        EXPECT_NE(output.text().find("Zeile 4"), std::string::npos) << output.text();
    }
}

TEST_F(SettingsFileTest, AFileFarTooLargeIsNotReadAtAll) {
    writeRaw("show_fps=off\n" + std::string(1 << 20, '#'));
    CoutCapture output;
    EXPECT_EQ(SettingsFile::Read(path), Settings());
    EXPECT_EQ(lines(output.text()), 1);
}

TEST_F(SettingsFileTest, AFolderInTheWayIsReportedNotThrown) {
    fs::create_directories(path);
    CoutCapture output;
    EXPECT_EQ(SettingsFile::Read(path), Settings());
    EXPECT_FALSE(SettingsFile::Write(path, Settings()));
    EXPECT_EQ(lines(output.text()), 2);
}

} // namespace
