// The header line of a save: the facts the save list shows, read without
// loading the level. Files from before it and broken lines are untrusted
// input that must still leave the level readable.

#include "persist/SaveHeader.hpp"

#include "../params/CoutCapture.hpp"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

using GameParams::ReadSaveHeader;
using GameParams::SaveSummary;

namespace {

struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

std::string WithLevel(const std::string& header) {
    return header + "LEVEL 0.1 80 60";
}

std::string NextWord(std::istream& in) {
    std::string word;
    in >> word;
    return word;
}

} // namespace

TEST(SaveHeaderTest, FactsReadBackAndTheLevelFollows) {
    SaveSummary written;
    written.gameMinutes = 12345;
    written.balance = -1234.5;
    written.employees = 7;
    written.savedAt = 1700000000;
    std::ostringstream out;
    // The player's decimal comma never reaches the file.
    out.imbue(std::locale(std::locale::classic(), new DecimalComma));
    ASSERT_TRUE(GameParams::WriteSaveHeader(out, written));
    EXPECT_EQ(out.str(), "OSTRAVEL-SPIELSTAND 1 minutes 12345 balance -1234.50 employees 7 "
                         "saved 1700000000\n");
    std::istringstream in(WithLevel(out.str()));
    const SaveSummary read = ReadSaveHeader(in);
    EXPECT_TRUE(read.hasHeader);
    EXPECT_EQ(read.gameMinutes, 12345);
    EXPECT_EQ(read.balance, -1234.5);
    EXPECT_EQ(read.employees, 7u);
    EXPECT_EQ(read.savedAt, 1700000000);
    EXPECT_EQ(NextWord(in), "LEVEL");
}

TEST(SaveHeaderTest, AFileFromBeforeTheHeaderIsLeftAsItWas) {
    std::istringstream in(WithLevel(""));
    const SaveSummary read = ReadSaveHeader(in);
    EXPECT_FALSE(read.hasHeader);
    EXPECT_FALSE(read.gameMinutes || read.balance || read.employees || read.savedAt);
    EXPECT_EQ(NextWord(in), "LEVEL");
}

TEST(SaveHeaderTest, ABrokenLineGivesWhatCanBeReadAndTheLevelStillFollows) {
    struct Case {
        std::string line;
        bool minutesRead;
        bool employeesRead;
    };
    const Case cases[] = {
        {"OSTRAVEL-SPIELSTAND 1 minutes 60 balance viel employees 3\n", true, true},
        {"OSTRAVEL-SPIELSTAND 1 minutes -5 employees 3e9\n", false, false},
        {"OSTRAVEL-SPIELSTAND 1 minutes 60 employees\n", true, false},
        {"OSTRAVEL-SPIELSTAND 1 later 1 minutes 60 employees 2\n", true, true},
        {"OSTRAVEL-SPIELSTAND 2 minutes 60 employees 2\n", false, false},
        {"OSTRAVEL-SPIELSTAND\n", false, false},
        {"OSTRAVEL-SPIELSTAND 1 minutes 99999999999999999999999 employees 1\n", false, true},
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.line);
        std::istringstream in(WithLevel(broken.line));
        CoutCapture capture;
        const SaveSummary read = ReadSaveHeader(in);
        EXPECT_TRUE(read.hasHeader);
        EXPECT_EQ(read.gameMinutes.has_value(), broken.minutesRead);
        EXPECT_EQ(read.employees.has_value(), broken.employeesRead);
        EXPECT_EQ(NextWord(in), "LEVEL");
    }
}

TEST(SaveHeaderTest, ALineWithoutItsEndIsNoHeaderToSkipPast) {
    std::istringstream in("OSTRAVEL-SPIELSTAND 1 minutes " + std::string(100000, '9'));
    CoutCapture capture;
    const SaveSummary read = ReadSaveHeader(in);
    EXPECT_TRUE(read.hasHeader);
    EXPECT_FALSE(read.gameMinutes);
    EXPECT_NE(capture.text().find("GameParams::ReadSaveHeader() - Kopfzeile ungueltig!"),
              std::string::npos);
}
