#include "paths/UserFolders.hpp"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace UserFolders {

namespace {

const char* const GameFolderName = "ostravel";
const char* const FontMarker = "fonts/arial.ttf";

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    // A session without HOME still has an entry in the password database.
    if (const passwd* entry = getpwuid(getuid()))
        if (entry->pw_dir != nullptr && entry->pw_dir[0] == '/')
            return entry->pw_dir;
    return {};
}

// The rules say a relative value is invalid and must be ignored.
fs::path BaseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return value;
    const fs::path home = HomeFolder();
    // Without any home the game keeps its files where it runs, as it always did.
    return home.empty() ? fs::path() : home / underHome;
}

bool HoldsAssets(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::is_regular_file(folder / FontMarker, error);
}

} // namespace

fs::path DataFolder() {
    return BaseFolder("XDG_DATA_HOME", ".local/share") / GameFolderName;
}

fs::path ConfigFolder() {
    return BaseFolder("XDG_CONFIG_HOME", ".config") / GameFolderName;
}

fs::path SaveFolder() {
    return DataFolder() / "save";
}

fs::path SettingsFile() {
    return ConfigFolder() / "settings.ini";
}

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

fs::path AssetFolder() {
    const fs::path program = ProgramFolder();
    if (HoldsAssets(program))
        return program;
    if (!program.empty()) {
        const fs::path installed = program.parent_path() / "share" / GameFolderName;
        if (HoldsAssets(installed))
            return installed;
    }
    return {};
}

} // namespace UserFolders
