// Every game these tests start keeps its saves and settings in a scratch
// folder, never in the home of whoever runs the tests.

#include "tests/TempFolder.hpp"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class ScratchHome : public ::testing::Environment {
public:
    void SetUp() override {
        folder = MakeTempFolder("home");
        ASSERT_FALSE(folder.empty());
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

private:
    std::filesystem::path folder;
};

const auto* const scratchHome = ::testing::AddGlobalTestEnvironment(new ScratchHome);

} // namespace
