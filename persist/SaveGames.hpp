#pragma once

#include <string>
#include <vector>

namespace GameParams {

// The longest save name the game accepts, in bytes: a file name may hold 255,
// and the level writes "<name>.tmp" beside the save before renaming it.
constexpr std::size_t MaxSaveNameBytes = 251;

// The names in the save folder that could be loaded, in the order the file
// system gives them: without "." and "..", hidden files and the partial files
// an interrupted save leaves. Empty when the folder is missing or unreadable.
std::vector<std::string> ListSaveGames();

// Something of that name is in the save folder already.
bool SaveGameExists(const std::string& name);

// Why a player's save name cannot be used, or an empty text when it can. A
// name is untrusted input: it must name a file directly inside the save
// folder, one the file system can hold and that is none of the game's own
// temporary files. The empty name is left to the caller (it does nothing).
std::string SaveNameProblem(const std::string& name);

// The save folder, "/" and the name.
std::string SaveGamePath(const std::string& name);

} // namespace GameParams
