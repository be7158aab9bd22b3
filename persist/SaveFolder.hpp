#pragma once

#include <string>

namespace GameParams {

// The folder that holds the save games: "save", relative to the working
// directory, until the game names the player's own folder at start. The
// headless runner and the tests keep the relative one.
const std::string& SaveFolder();
void SetSaveFolder(const std::string& folder);

// Creates the save folder when it is missing; false (with a message) when it
// cannot be made, for example because a file of that name is in the way.
bool EnsureSaveFolder();

} // namespace GameParams
