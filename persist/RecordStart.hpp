#pragma once

#include <initializer_list>
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

// The same for a record that still reads its older versions: versions are
// those it knows, and readVersion is the one the stream holds, so that the
// record can tell which fields follow.
bool RecordStart(std::istream& in, const char* owner, const char* header,
                 std::initializer_list<float> versions, OtherVersion otherVersion,
                 float& readVersion);

// Reads the class's id counter that a record carries: negative prints
// "<owner> - maxId ungueltig!" and fails.
bool ClassCounter(std::istream& in, const char* owner, int& maxId);

} // namespace GameParams::Load
