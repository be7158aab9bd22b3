#pragma once

#include <filesystem>

// Where the game's files live on a Linux desktop: the player's saves and
// settings in the folders the XDG base directory rules name, the game's own
// pictures, font and name lists wherever the game was built or installed.
// Every other part asks here; nothing else reads these variables.
namespace UserFolders {

// $XDG_DATA_HOME/ostravel, by default ~/.local/share/ostravel.
std::filesystem::path DataFolder();
// $XDG_CONFIG_HOME/ostravel, by default ~/.config/ostravel.
std::filesystem::path ConfigFolder();
// The save games: DataFolder()/save.
std::filesystem::path SaveFolder();
// ConfigFolder()/settings.ini.
std::filesystem::path SettingsFile();

// The folder of the running program (from /proc/self/exe); empty when the
// system does not say.
std::filesystem::path ProgramFolder();

// The folder that holds fonts/, img/ and data/: the program's own folder (a
// build), the share/ostravel of its prefix (an installation), else the
// working directory, where the game always looked. The font marks the place.
std::filesystem::path AssetFolder();

} // namespace UserFolders
