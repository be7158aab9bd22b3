#include "world/Autosave.hpp"

#include "persist/SaveGames.hpp"
#include "world/Level.hpp"

#include <ctime>
#include <sys/stat.h>

namespace {

// The file's time to the nanosecond, or -1 when there is no file: a slot
// never written comes first.
long long SlotFileTime(int slot) {
    struct stat status {};
    const std::string path = GameParams::SaveGamePath(Autosaver::SlotName(slot));
    if (stat(path.c_str(), &status) != 0)
        return -1;
    return static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
}

} // namespace

std::string Autosaver::SlotName(int slot) {
    return "Autosave " + std::to_string(slot);
}

bool Autosaver::IsDue(AutosaveInterval interval, unsigned daysSinceStart) {
    const auto every = static_cast<unsigned>(interval);
    return every != 0 && daysSinceStart % every == 0;
}

int Autosaver::nextSlot() const {
    if (lastSlot != 0)
        return lastSlot % SlotCount + 1;
    // The first save of a run goes over the oldest slot.
    int oldest = 1;
    for (int slot = 2; slot <= SlotCount; ++slot)
        if (SlotFileTime(slot) < SlotFileTime(oldest))
            oldest = slot;
    return oldest;
}

Autosaver::Outcome Autosaver::atDayStart(const Level& level, unsigned daysSinceStart) {
    Outcome outcome;
    if (!IsDue(interval, daysSinceStart))
        return outcome;
    const int slot = nextSlot();
    outcome.attempted = true;
    outcome.slot = SlotName(slot);
    outcome.saved = level.save(GameParams::SaveGamePath(outcome.slot), std::time(nullptr));
    if (outcome.saved)
        lastSlot = slot;
    return outcome;
}
