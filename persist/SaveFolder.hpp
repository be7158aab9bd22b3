#pragma once

#include <string>

namespace GameParams {

// The folder, relative to the working directory, that holds the save games.
extern const char* const SaveFolder;

// Creates the save folder when it is missing; false (with a message) when it
// cannot be made, for example because a file of that name is in the way.
bool EnsureSaveFolder();

} // namespace GameParams
