#pragma once

#include <optional>
#include <string>

// Compares a report value with an expected one, as numbers when both are
// numbers, else as text. Nothing for an unknown operator.
std::optional<bool> Compare(const std::string& actual, const std::string& op,
                            const std::string& expected);

// A key the report has or may have (ReportKeys.cpp); expecting any other is
// a script error.
bool IsReportKey(const std::string& key);
