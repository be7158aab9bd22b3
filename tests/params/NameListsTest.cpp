#include "params/Texts.hpp"

#include "params/Random.hpp"
#include "tests/params/CoutCapture.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace GameParams::Texts;

namespace {

// Runs each test in a fresh directory of its own and puts back the name
// lists and the working directory afterwards.
class NameListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedMale = GetMaleFirstNames();
        savedFemale = GetFemaleFirstNames();
        savedLast = GetLastNames();
        previousDirectory = fs::current_path();
        const std::string name = "ostravel-names-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        directory = fs::temp_directory_path() / name;
        fs::remove_all(directory);
        fs::create_directories(directory / "data");
        fs::current_path(directory);
    }

    void TearDown() override {
        fs::current_path(previousDirectory);
        fs::remove_all(directory);
        SetMaleFirstNames(savedMale);
        SetFemaleFirstNames(savedFemale);
        SetLastNames(savedLast);
    }

    static void Write(const std::string& file, const std::string& content) {
        std::ofstream out("data/" + file, std::ios::binary);
        out << content;
    }

    fs::path previousDirectory;
    fs::path directory;
    std::vector<std::string> savedMale, savedFemale, savedLast;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(NameListsTest, ReadsAllThreeFilesLineByLine) {
    Write("vornamen_maennlich.txt", "Lukas\nJonas");
    Write("vornamen_weiblich.txt", "Anna");
    Write("nachnamen.txt", "Müller\n\nSchmidt");
    CoutCapture out;
    Init();
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(GetMaleFirstNames(), (Names{"Lukas", "Jonas"}));
    EXPECT_EQ(GetFemaleFirstNames(), (Names{"Anna"}));
    EXPECT_EQ(GetLastNames(), (Names{"Müller", "", "Schmidt"}));
}

TEST_F(NameListsTest, TrailingLineBreakAddsAnEmptyName) {
    Write("vornamen_maennlich.txt", "Lukas\nJonas\n");
    Write("vornamen_weiblich.txt", "");
    Write("nachnamen.txt", "Weber\n");
    Init();
    EXPECT_EQ(GetMaleFirstNames(), (Names{"Lukas", "Jonas", ""}));
    EXPECT_EQ(GetFemaleFirstNames(), (Names{""}));
    EXPECT_EQ(GetLastNames(), (Names{"Weber", ""}));

    // The empty name can be drawn like any other.
    std::set<std::string> drawn;
    for (int i = 0; i < 50; ++i) {
        drawn.insert(GetLastName());
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"Weber", ""}));
}

TEST_F(NameListsTest, MissingFileStopsReadingAndKeepsLaterLists) {
    SetMaleFirstNames({"Alt"});
    SetFemaleFirstNames({"Alte"});
    SetLastNames({"Altmann"});
    Write("vornamen_maennlich.txt", "Paul");
    Write("nachnamen.txt", "Neumann");
    CoutCapture out;
    Init();
    EXPECT_EQ(out.text(), "GameParams::Texts::Init() - Datei: data/vornamen_weiblich.txt "
                          "konnte nicht geoeffnet werden.\n");
    EXPECT_EQ(GetMaleFirstNames(), (Names{"Paul"}));
    EXPECT_EQ(GetFemaleFirstNames(), (Names{"Alte"}));
    EXPECT_EQ(GetLastNames(), (Names{"Altmann"}));
}

TEST_F(NameListsTest, CallingInitAgainReplacesTheLists) {
    Write("vornamen_maennlich.txt", "Paul");
    Write("vornamen_weiblich.txt", "Maria");
    Write("nachnamen.txt", "Koch");
    Init();
    Write("vornamen_maennlich.txt", "Felix");
    Init();
    EXPECT_EQ(GetMaleFirstNames(), (Names{"Felix"}));
}

TEST_F(NameListsTest, DrawsFromTheRightList) {
    SetMaleFirstNames({"Max"});
    SetFemaleFirstNames({});
    SetLastNames({});
    EXPECT_EQ(GetFirstName(1), "NO NAME AVAILABLE");
    EXPECT_EQ(GetFirstName(0), "Max");
    EXPECT_EQ(GetFirstName(2), "Max");
    EXPECT_EQ(GetLastName(), "NO NAME AVAILABLE");

    SetFemaleFirstNames({"Eva", "Ida", "Uta"});
    std::srand(21);
    const int roll = GameParams::Random();
    std::srand(21);
    EXPECT_EQ(GetFirstName(1), GetFemaleFirstNames()[static_cast<std::size_t>(roll) % 3]);
}

TEST(NameFiles, ShippedListsAreUsable) {
    // The build directory is the game's working directory.
    CoutCapture out;
    GameParams::Texts::Init();
    EXPECT_EQ(out.text(), "");
    const struct {
        const std::vector<std::string>& names;
        std::size_t atLeast;
    } lists[] = {{GetMaleFirstNames(), 100}, {GetFemaleFirstNames(), 100}, {GetLastNames(), 150}};
    for (const auto& list : lists) {
        EXPECT_GE(list.names.size(), list.atLeast);
        for (const std::string& name : list.names) {
            EXPECT_FALSE(name.empty());
            EXPECT_EQ(name.find_first_of(" \t\r\n"), std::string::npos) << "'" << name << "'";
        }
    }
}
