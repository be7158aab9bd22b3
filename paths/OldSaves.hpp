#pragma once

#include <filesystem>

namespace UserFolders {

// Copies the saves of an older version of the game, which kept them in a
// save/ folder beside itself, into the player's save folder: once per old
// folder (a list in the data folder remembers which were copied), never over
// a save of the same name, and leaving the old files where they are. Returns
// how many were copied; a failure is reported and copies nothing more.
int CopyOldSaves(const std::filesystem::path& oldFolder, const std::filesystem::path& saveFolder,
                 const std::filesystem::path& copiedList);

} // namespace UserFolders
