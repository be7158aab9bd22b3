#include "actors/Need.hpp"

#include "params/Random.hpp"
#include "persist/RecordStart.hpp"
#include "research/ResearchEffects.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "NEED";

struct NeedRates {
    NeedType type;
    float rise; // value units per game minute
    float fall; // value units per game minute of use
};

// Any type not listed neither rises nor falls, like the work need.
constexpr NeedRates RatesTable[] = {
    {NeedSmoke, 2.0f, 120.0f}, {NeedToilet, 0.1f, 40.0f}, {NeedFood, 0.05f, 20.0f},
    {NeedSocial, 2.0f, 10.0f}, {NeedCoffee, 0.2f, 80.0f},
};

NeedRates RatesOf(NeedType type) {
    for (const NeedRates& rates : RatesTable) {
        if (rates.type == type) {
            return rates;
        }
    }
    return {type, 0.f, 0.f};
}

// The work need is always a little pressing and never urgent.
constexpr float WorkValue = 1.f;
constexpr float WorkTriggerLow = 1.f;
constexpr float WorkTriggerMedium = 10.f;
constexpr float WorkTriggerHigh = 100.f;

float KeepThreeDecimals(float value) {
    return std::round(value * 1000.f) / 1000.f;
}

void Report(const char* message) {
    std::cout << "Need::load() - " << message << std::endl;
}

} // namespace

Need::Need(NeedType needType) : type(needType) {
    // The order of the draws is part of the game: value first, then the offset.
    const int startValue = GameParams::Random() % 30;
    const int offset = GameParams::Random() % 20;
    value = std::clamp(static_cast<float>(startValue), min, max);
    triggerLow = std::max(std::min(40.f + offset, max - 2.f), min);
    triggerMedium = std::max(std::min(60.f + offset, max - 1.f), min);
    triggerHigh = std::max(std::min(80.f + offset, max), min);
    const NeedRates rates = RatesOf(type);
    riseCoefficient = rates.rise;
    fallCoefficient = rates.fall;
    if (type == NeedWork) {
        value = WorkValue;
        triggerLow = WorkTriggerLow;
        triggerMedium = WorkTriggerMedium;
        triggerHigh = WorkTriggerHigh;
    }
}

void Need::setValue(float newValue) {
    value = KeepThreeDecimals(std::clamp(newValue, min, max));
}

void Need::lock() {
    satisfiedLock = true;
    lockTimer = 0.f;
}

void Need::update(float dt, double riseFactor) {
    if (satisfiedLock) {
        lockTimer += dt;
        if (lockTimer > lockTime) {
            lockTimer = 0.f;
            satisfiedLock = false;
        }
    }
    setValue(value + Research::Scaled(riseCoefficient, riseFactor) * dt);
}

float Need::satisfy(float dt) {
    const float decrement = fallCoefficient * dt;
    if (value - decrement < min) {
        // Only the share of dt that brought the value down to min is used up.
        const float leftover = (1.f - (value - min) / decrement) * dt;
        setValue(min);
        return leftover;
    }
    setValue(value - decrement);
    return 0.f;
}

float Need::UpdateAll(std::map<NeedType, Need>& needs, float dt, double riseFactor) {
    const auto counted = static_cast<float>(std::count_if(
        needs.begin(), needs.end(), [](const auto& entry) { return entry.first != NeedWork; }));
    // Nothing that can bother an employee leaves it content.
    const float share = counted > 0.f ? 100.f / counted : 0.f;
    float mood = counted > 0.f ? 0.f : 100.f;
    for (auto& [needType, need] : needs) {
        need.update(dt, riseFactor);
        if (needType == NeedWork) {
            continue;
        }
        if (need.value <= need.triggerLow) {
            mood += share;
        } else if (need.value < need.triggerHigh) {
            mood += (1.f - (need.value - need.triggerLow) / (need.triggerHigh - need.triggerLow)) *
                    share;
        }
    }
    return mood;
}

bool Need::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << static_cast<std::int32_t>(type) << ' '
        << value << ' ' << riseCoefficient << ' ' << fallCoefficient << ' ' << triggerLow << ' '
        << triggerMedium << ' ' << triggerHigh << ' ' << (satisfiedLock ? 1 : 0) << ' '
        << lockTimer;
    return !out.fail();
}

bool Need::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "Need::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    std::int32_t loadedType = 0;
    float loadedValue = 0.f;
    float rise = 0.f;
    float fall = 0.f;
    float low = 0.f;
    float medium = 0.f;
    float high = 0.f;
    bool locked = false;
    float timer = 0.f;
    if (!(in >> loadedType >> loadedValue >> rise >> fall >> low >> medium >> high >> locked >>
          timer)) {
        return false;
    }
    // Written so that a value that is not a number fails every check too.
    const char* failure = nullptr;
    if (loadedType == -1) {
        failure = "type ungueltig!";
    } else if (!(loadedValue >= min && loadedValue <= max)) {
        failure = "value ungueltig!";
    } else if (!(rise >= 0.f)) {
        failure = "riseCoefficient ungueltig!";
    } else if (!(fall >= 0.f)) {
        failure = "fallCoefficient ungueltig!";
    } else if (!(low > 0.f)) {
        failure = "triggerLow ungueltig!";
    } else if (!(medium > 0.f)) {
        failure = "triggerMedium ungueltig!";
    } else if (!(high > 0.f)) {
        failure = "triggerHigh ungueltig!";
    } else if (!(timer >= 0.f)) {
        // A negative timer would keep the need locked for as long as it says.
        failure = "lockTimer ungueltig!";
    }
    if (failure != nullptr) {
        Report(failure);
        return false;
    }
    type = static_cast<NeedType>(loadedType);
    value = loadedValue;
    riseCoefficient = rise;
    fallCoefficient = fall;
    triggerLow = low;
    triggerMedium = medium;
    triggerHigh = high;
    satisfiedLock = locked;
    lockTimer = timer;
    return true;
}
