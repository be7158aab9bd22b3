#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder under /tmp whose name says what it is for, so that a test
// leaves nothing in the build or in anybody's home; empty when none could be
// made. The caller removes it.
inline std::filesystem::path MakeTempFolder(const std::string& purpose) {
    std::string pattern = "/tmp/ostravel-" + purpose + "-XXXXXX";
    return mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern)
                                              : std::filesystem::path();
}
