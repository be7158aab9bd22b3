// Save names are the player's input: only names of files directly inside
// the save folder that the file system can hold are accepted.

#include "persist/SaveGames.hpp"

#include "tests/params/CoutCapture.hpp"
#include "tests/params/ScratchFolder.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

TEST(SaveGamesTest, PlainNamesAreAccepted) {
    for (const std::string name : {"werk", "Werk 2", "a.b", "ab..", "Lager-Süd", "x~"})
        EXPECT_EQ(GameParams::SaveNameProblem(name), "") << name;
    EXPECT_EQ(GameParams::SaveNameProblem(std::string(GameParams::MaxSaveNameBytes, 'x')), "");
}

TEST(SaveGamesTest, NamesLeavingTheFolderOrUnfitForAFileAreRefused) {
    const std::string refused[] = {"/etc/passwd", "../x", "a/b", "a\\b", ".", "..", ".x",
                                   std::string(GameParams::MaxSaveNameBytes + 1, 'x'),
                                   std::string("a\nb"), std::string("a\tb"), std::string("a\0b", 3),
                                   // the partial file of the save "werk"
                                   "werk.tmp"};
    for (const std::string& name : refused)
        EXPECT_NE(GameParams::SaveNameProblem(name), "") << name;
}

TEST(SaveGamesTest, ThePathIsInsideTheSaveFolder) {
    EXPECT_EQ(GameParams::SaveGamePath("werk"), "save/werk");
}

namespace {

namespace fs = std::filesystem;

// A save folder of its own for each test.
class SaveFolderTest : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        fs::create_directory("save");
    }
    static void Write(const std::string& name, const std::string& content) {
        std::ofstream(fs::path("save") / name, std::ios::binary) << content;
    }
};

std::vector<std::string> Names(const std::vector<GameParams::SaveGameListing>& listed) {
    std::vector<std::string> names;
    for (const auto& save : listed)
        names.push_back(save.name);
    return names;
}

} // namespace

TEST_F(SaveFolderTest, NewestFirstWithTheHeadersAndOldFilesWithTheirFileTimes) {
    // The fuzzer's seeds; all but one were written before the header existed.
    std::size_t seeds = 0;
    for (const auto& seed : fs::directory_iterator(OSTRAVEL_FUZZ_CORPUS)) {
        fs::copy_file(seed.path(), fs::path("save") / seed.path().filename());
        ++seeds;
    }
    fs::last_write_time(fs::path("save") / "new_map",
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 40));
    Write("neu", "OSTRAVEL-SPIELSTAND 1 minutes 960 balance 1500.25 employees 4 saved "
                 "4000000000\nLEVEL");
    Write("neu.png", "picture");
    Write("neu.png.tmp.png", "half a picture");
    const auto listed = GameParams::ListSaveGamesNewestFirst();
    const std::vector<std::string> names = Names(listed);
    ASSERT_EQ(names.size(), seeds + 1);
    EXPECT_EQ(names.front(), "neu");
    EXPECT_EQ(names.back(), "new_map");
    EXPECT_EQ(listed.front().summary.gameMinutes, 960);
    EXPECT_EQ(listed.front().summary.balance, 1500.25);
    EXPECT_EQ(listed.front().summary.employees, 4u);
    for (std::size_t k = 1; k < listed.size(); ++k) {
        EXPECT_EQ(listed[k].summary.hasHeader, names[k] == "small_new_map_with_header") << names[k];
        EXPECT_GT(listed[k].savedAt, 0) << names[k];
        EXPECT_LE(listed[k].savedAt, listed[k - 1].savedAt) << names[k];
    }
}

TEST_F(SaveFolderTest, DeletingRemovesTheSaveAndItsPictureOnly) {
    for (const std::string name : {"werk", "werk.png", "werk 2", "werk 2.png"})
        Write(name, "LEVEL");
    fs::create_directory(fs::path("save") / "ordner");
    EXPECT_TRUE(GameParams::DeleteSaveGame("werk"));
    EXPECT_EQ(GameParams::ListSaveGames().size(), 2u);
    EXPECT_TRUE(fs::exists("save/werk 2.png"));
    EXPECT_FALSE(fs::exists("save/werk.png"));
    CoutCapture capture;
    for (const std::string refused : {"werk", "ordner", "../save/werk 2", "", "werk 2.png"})
        EXPECT_FALSE(GameParams::DeleteSaveGame(refused)) << refused;
    EXPECT_TRUE(fs::exists("save/werk 2"));
    EXPECT_TRUE(fs::is_directory("save/ordner"));
}

TEST(SaveGamesTest, TheNameFieldTakesLettersDigitsAndSpaces) {
    const std::u32string accepted = U"AZaz09 ÄÖÜäöüßéÀÿ";
    for (const char32_t c : accepted)
        EXPECT_TRUE(GameParams::IsTypedSaveNameCharacter(c)) << static_cast<unsigned>(c);
    const std::u32string refused = U"./\\-_:*?\"<>|~×÷€\t";
    for (const char32_t c : refused)
        EXPECT_FALSE(GameParams::IsTypedSaveNameCharacter(c)) << static_cast<unsigned>(c);
    // A picture's name is never a save's.
    EXPECT_NE(GameParams::SaveNameProblem("werk.png"), "");
}
