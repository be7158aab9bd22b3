#pragma once

#include "persist/SaveHeader.hpp"

#include <string>
#include <vector>

namespace GameParams {

// The longest save name the game accepts, in bytes: a file name may hold 255,
// and the level writes "<name>.tmp" beside the save before renaming it.
constexpr std::size_t MaxSaveNameBytes = 251;
// The longest name the save dialog takes from the keyboard, in characters:
// as many as its name field and the save list show whole.
constexpr std::size_t MaxTypedSaveNameCharacters = 32;

// The names in the save folder that could be loaded, in the order the file
// system gives them: without "." and "..", hidden files, the partial files
// an interrupted save leaves and the saves' pictures. Empty when the folder
// is missing or unreadable.
std::vector<std::string> ListSaveGames();

// One save of the list: its name, what its header tells, and when it was
// written (the header's time, else the file's).
struct SaveGameListing {
    std::string name;
    SaveSummary summary;
    long long savedAt = 0;
};
// Every save with its header, the newest first; read from the folder anew.
std::vector<SaveGameListing> ListSaveGamesNewestFirst();

// Something of that name is in the save folder already.
bool SaveGameExists(const std::string& name);

// Why a player's save name cannot be used, or an empty text when it can. A
// name is untrusted input: it must name a file directly inside the save
// folder, one the file system can hold and that is none of the game's own
// temporary files or pictures. The empty name is left to the caller.
std::string SaveNameProblem(const std::string& name);

// A character the save dialog takes from the keyboard: letters (with the
// accented ones of Western European languages), digits and the space.
bool IsTypedSaveNameCharacter(unsigned codepoint);

// The save folder, "/" and the name.
std::string SaveGamePath(const std::string& name);
// The small picture of the factory beside a save: its path with ".png".
std::string SavePicturePath(const std::string& name);
std::string PicturePathBeside(const std::string& savePath);

// Removes the save and its picture, nothing else; false (with a message)
// when the name is refused, names no file or the file stays.
bool DeleteSaveGame(const std::string& name);

} // namespace GameParams
