#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace GameParams {

// A few facts about a saved game, kept on the first line of its file so that
// the save list can tell games apart without loading them. Files written
// before the line existed start with the level at once; their facts are
// unknown. Each fact is absent when the file does not hold it readably.
struct SaveSummary {
    bool hasHeader = false;
    std::optional<long long> gameMinutes;
    std::optional<double> balance;
    std::optional<unsigned> employees;
    // Seconds since 1970 (UTC) when the file was written.
    std::optional<long long> savedAt;
};

// The line, ending with a line break, in the classic locale.
bool WriteSaveHeader(std::ostream& out, const SaveSummary& summary);

// Reads the header line at the stream's position when there is one and
// leaves the stream at the level's first word. The file is untrusted: a
// malformed line is reported (one line on standard output) and gives the
// facts that could be read.
SaveSummary ReadSaveHeader(std::istream& in);

// The header of a file, reading no more than its first line.
SaveSummary ReadSaveHeaderOf(const std::string& path);

} // namespace GameParams
