// Where the player's files go, and the saves of an older game brought over.

#include "tests/TempFolder.hpp"
#include "../params/CoutCapture.hpp"
#include "paths/OldSaves.hpp"
#include "paths/UserFolders.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the test's lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name))
            previous = old;
        had = std::getenv(name) != nullptr;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (had)
            setenv(name, previous.c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char* name;
    std::string previous;
    bool had = false;
};

class UserFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder("folders");
        ASSERT_FALSE(folder.empty());
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string text(const fs::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder;
};

TEST_F(UserFoldersTest, SavesAndSettingsGoWhereTheVariablesSayElseUnderHome) {
    ScopedVariable data("XDG_DATA_HOME", (folder / "data").c_str());
    ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").c_str());
    EXPECT_EQ(UserFolders::SaveFolder(), folder / "data" / "ostravel" / "save");
    EXPECT_EQ(UserFolders::SettingsFile(), folder / "config" / "ostravel" / "settings.ini");

    // A relative value is invalid by the rules and ignored.
    ScopedVariable home("HOME", folder.c_str());
    ScopedVariable relativeData("XDG_DATA_HOME", "data");
    ScopedVariable unsetConfig("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(UserFolders::SaveFolder(), folder / ".local" / "share" / "ostravel" / "save");
    EXPECT_EQ(UserFolders::SettingsFile(), folder / ".config" / "ostravel" / "settings.ini");
}

TEST_F(UserFoldersTest, OldSavesAreCopiedOnceLeftInPlaceAndNeverOverwriteOne) {
    const fs::path old = folder / "game" / "save";
    const fs::path saves = folder / "saves";
    const fs::path list = folder / "copied";
    fs::create_directories(old / "ordner");
    fs::create_directories(saves);
    std::ofstream(old / "werk") << "LEVEL alt";
    std::ofstream(old / "zweites werk") << "LEVEL zwei";
    std::ofstream(old / "halb.tmp") << "LEVEL";
    std::ofstream(old / ".versteckt") << "LEVEL";
    std::ofstream(saves / "zweites werk") << "LEVEL neu";

    CoutCapture output;
    EXPECT_EQ(UserFolders::CopyOldSaves(old, saves, list), 1);
    EXPECT_EQ(text(saves / "werk"), "LEVEL alt");
    EXPECT_EQ(text(saves / "zweites werk"), "LEVEL neu");
    for (const char* skipped : {"halb.tmp", ".versteckt", "ordner"})
        EXPECT_FALSE(fs::exists(saves / skipped)) << skipped;
    EXPECT_TRUE(fs::exists(old / "werk"));

    // A save the player deleted since does not come back.
    fs::remove(saves / "werk");
    std::ofstream(old / "drittes") << "LEVEL drei";
    EXPECT_EQ(UserFolders::CopyOldSaves(old, saves, list), 0);
    EXPECT_FALSE(fs::exists(saves / "werk"));
    EXPECT_FALSE(fs::exists(saves / "drittes"));
    // The save folder itself is never its own old folder.
    EXPECT_EQ(UserFolders::CopyOldSaves(saves, saves, folder / "other"), 0);
    EXPECT_FALSE(fs::exists(folder / "other"));
}

} // namespace
