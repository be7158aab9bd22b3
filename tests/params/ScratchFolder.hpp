#pragma once

#include "tests/TempFolder.hpp"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// A test run in a fresh folder of its own as the working directory, so that
// the save folder it writes is its own; the folder goes when the test ends.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        scratch = MakeTempFolder("scratch");
        ASSERT_FALSE(scratch.empty());
        std::filesystem::current_path(scratch);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }

    std::filesystem::path previous;
    std::filesystem::path scratch;
};
