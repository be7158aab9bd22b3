#pragma once

#include "params/Enums.hpp"

#include <istream>
#include <map>
#include <ostream>

// Why the dispatch could not serve a need: nothing serves it, no way leads
// there, the place was taken meanwhile, or a unit in hand has no place.
// Not saved; the tooltip tells the player.
enum class UnservedReason { NothingServes, Unreachable, Taken, NoPlaceForUnit };

// One of an employee's needs: a value that rises with time and falls while
// the employee uses an object that serves it. 0 means fully satisfied. The
// dispatch compares the value with the three triggers to decide how urgent
// the need is; after a need was served (or could not be) it is locked for a
// while so that it is not asked for again at once.
class Need {
public:
    static constexpr float DefaultMin = 0.f;
    static constexpr float DefaultMax = 100.f;
    static constexpr float DefaultLockTime = 5.f;

    // Draws nothing: the state a record is loaded into when no type is known.
    Need() = default;
    // Draws rand() twice: the starting value, then the offset shared by the
    // three triggers. The work need takes fixed values but draws all the same.
    explicit Need(NeedType type);

    // Rises by the rise coefficient (times riseFactor, which research may
    // lower) and runs the lock timer; see Need.cpp.
    void update(float dt, double riseFactor = 1.0);
    // Lowers the value by the fall coefficient over dt game minutes, never
    // below min, and returns the part of dt that was not needed to get there.
    float satisfy(float dt);
    // Sets the satisfied-lock and restarts its timer.
    void lock();

    // The employee's mood, 0-100, from every need except work; also advances
    // every need by dt (in ascending type order, as the map holds them).
    static float UpdateAll(std::map<NeedType, Need>& needs, float dt, double riseFactor = 1.0);

    NeedType getType() const { return type; }
    float getMin() const { return min; }
    float getMax() const { return max; }
    float getValue() const { return value; }
    // Clamped to [min, max] and kept to three decimals.
    void setValue(float newValue);
    float getTriggerLow() const { return triggerLow; }
    float getTriggerMedium() const { return triggerMedium; }
    float getTriggerHigh() const { return triggerHigh; }
    float getRiseCoefficient() const { return riseCoefficient; }
    float getFallCoefficient() const { return fallCoefficient; }
    bool isLocked() const { return satisfiedLock; }
    float getLockTime() const { return lockTime; }
    float getLockTimer() const { return lockTimer; }

    bool save(std::ostream& out) const;
    // Judges the value against this need's own min and max, so load into a
    // need constructed for the same type.
    bool load(std::istream& in);

private:
    NeedType type = NeedNone;
    float min = DefaultMin; // not saved
    float max = DefaultMax; // not saved
    float value = 0.f;
    float triggerLow = 40.f;
    float triggerMedium = 60.f;
    float triggerHigh = 80.f;
    float riseCoefficient = 0.f;
    float fallCoefficient = 0.f;
    bool satisfiedLock = false;
    float lockTime = DefaultLockTime; // not saved: always the default
    float lockTimer = 0.f;
};
