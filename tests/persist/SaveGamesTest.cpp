// Save names are the player's input: only names of files directly inside
// the save folder that the file system can hold are accepted.

#include "persist/SaveGames.hpp"

#include <gtest/gtest.h>

#include <string>

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
