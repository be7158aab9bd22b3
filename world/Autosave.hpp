#pragma once

#include <string>

class Level;

// How often the game saves by itself, at the start of a game day.
enum class AutosaveInterval : unsigned {
    Off = 0,
    EveryDay = 1,
    EveryThirdDay = 3,
    EveryWeek = 7,
};

// Saves the running game at the start of a day into the next of three
// rotating slots in the save folder, so that a crash or a wrong decision
// costs at most a few days. Nothing of it is saved: across runs the slots'
// file times tell which one is next.
class Autosaver {
public:
    static constexpr int SlotCount = 3;

    struct Outcome {
        bool attempted = false;
        bool saved = false;
        std::string slot;
    };

    // "Autosave 1" to "Autosave 3".
    static std::string SlotName(int slot);
    static bool IsDue(AutosaveInterval interval, unsigned daysSinceStart);

    void setInterval(AutosaveInterval newInterval) { interval = newInterval; }
    AutosaveInterval getInterval() const { return interval; }

    // Called once as a game day starts; saves when the interval says so.
    // A failed save is told in the outcome and changes nothing else: the
    // same slot is tried again the next time.
    Outcome atDayStart(const Level& level, unsigned daysSinceStart);
    // The slot the next save goes to.
    int nextSlot() const;

private:
    AutosaveInterval interval = AutosaveInterval::EveryDay;
    // The slot written last in this run; 0 before the first.
    int lastSlot = 0;
};
