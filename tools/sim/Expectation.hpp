#pragma once

#include <optional>
#include <string>

// Compares a report value with an expected one, as numbers when both are
// numbers, else as text. Nothing for an unknown operator.
std::optional<bool> Compare(const std::string& actual, const std::string& op,
                            const std::string& expected);

// Report keys of systems this build does not have yet; naming one is a script error.
bool IsLaterReportKey(const std::string& key);
