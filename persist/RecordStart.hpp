#pragma once

#include <istream>

namespace GameParams::Load {

// What a record does with a version other than its own: some say so and read
// on as if it were theirs, the others stop.
enum class OtherVersion { Refuse, ReadOn };

// Reads the header word and the version that open a record. A stream that
// runs dry fails without a message; a wrong word prints "<owner> - Header
// ungueltig!" and fails; another version prints "<owner> - Version nicht
// unterstuetzt!" and fails unless the record reads on. owner is the loading
// method, "Need::load()" for example.
bool RecordStart(std::istream& in, const char* owner, const char* header, float version,
                 OtherVersion otherVersion);

// Reads the class's id counter that a record carries: negative prints
// "<owner> - maxId ungueltig!" and fails.
bool ClassCounter(std::istream& in, const char* owner, int& maxId);

} // namespace GameParams::Load
