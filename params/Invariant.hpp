#pragma once

#include <string>

namespace GameParams {

// Reports a state the code relies on never to reach, as one line naming the
// function that found it ("Class::method() - message"). Builds that check
// invariants (debug builds, and the sanitizer build the tests run in) stop
// there, so that a test catches the fault; the game itself goes on as the
// line says. Bad input, such as a broken save file, is reported, never this.
void InvariantBroken(const std::string& line);
// Whether this build stops at a broken invariant.
bool InvariantsStop();

} // namespace GameParams
