// The commands that write and read save files.
#include "Runner.hpp"

#include "world/Level.hpp"

bool Runner::loadStartingLevel(const std::string& path) {
    if (!level->load(path)) {
        return false;
    }
    // As when the game constructs a level from a file: new applicants.
    level->getApplicantPool().fill();
    return true;
}

int Runner::commandSave(const Line& line) {
    if (!hasWords(line, 2, 2))
        return fail(line, "usage: save PATH");
    if (!level->save(line.words[1]))
        return fail(line, "cannot save '" + line.words[1] + "'");
    return SimOk;
}

int Runner::commandLoad(const Line& line) {
    if (!hasWords(line, 2, 2))
        return fail(line, "usage: load PATH");
    // A file that cannot be loaded leaves the running game as it was.
    if (!level->loadKeepingCurrent(line.words[1]))
        return fail(line, "cannot load '" + line.words[1] + "'");
    return SimOk;
}
