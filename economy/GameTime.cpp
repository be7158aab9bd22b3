#include "economy/GameTime.hpp"

#include "params/Seasons.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "GAMETIME";

constexpr unsigned MinutesPerHour = 60;
constexpr double MinuteTolerance = 1e-6;
constexpr unsigned DaysPerSeason = 30;
constexpr unsigned HoursPerDay = 24;

// The date text counts from the game's first morning and ignores the
// clock's own fields, so it can label any moment, not only the current one.
constexpr long long FirstHour = 9;
constexpr long long MinutesPerWorkingDay = 8 * MinutesPerHour;
constexpr long long MinutesPerSeason = DaysPerSeason * MinutesPerWorkingDay;

std::size_t seasonsPerYear() {
    return GameParams::GetSeasonNames().size();
}

std::string twoDigits(long long value) {
    std::ostringstream text;
    text << std::setw(2) << std::setfill('0') << value;
    return text.str();
}

} // namespace

GameTime::GameTime() = default;

void GameTime::setSpeedLevel(unsigned level) {
    speedLevel = std::min<unsigned>(level, static_cast<unsigned>(speedFactors.size() - 1));
}

void GameTime::advance(sf::Time elapsed) {
    lastElapsedMicroseconds = elapsed.asMicroseconds();
    minuteFlag = hourFlag = dayFlag = seasonFlag = yearFlag = false;
    changed = false;
    const unsigned factor = getSpeedFactor();
    if (factor == 0) {
        return;
    }
    // Counted in double and whole minutes so that even a very long frame ends:
    // a float would stop shrinking once it is large enough.
    const double seconds = std::max(0.0, static_cast<double>(elapsed.asMicroseconds()) / 1e6);
    const double minutes = seconds * minutesPerSecond * factor + remainder;
    // Frame times rarely add up exactly (0.3 is no binary fraction): a minute
    // that is short by rounding noise alone still counts as passed.
    const double whole = std::floor(minutes + MinuteTolerance);
    for (auto steps = static_cast<unsigned long long>(whole); steps > 0; --steps) {
        advanceOneMinute();
    }
    remainder = static_cast<float>(std::max(0.0, minutes - whole));
}

void GameTime::advanceOneMinute() {
    changed = true;
    minuteFlag = true;
    minute += 1;
    total += 1;
    if (minute >= MinutesPerHour) {
        minute -= MinutesPerHour;
        hour += 1;
        hourFlag = true;
    }
    if (hour >= dayEndHour) {
        hour = dayStartHour;
        day += 1;
        dayFlag = true;
    }
    if (day > DaysPerSeason) {
        day -= DaysPerSeason;
        season += 1;
        seasonFlag = true;
    }
    if (season >= seasonsPerYear()) {
        season -= static_cast<unsigned>(seasonsPerYear());
        year += 1;
        yearFlag = true;
    }
}

unsigned GameTime::getDaysSinceStart() const {
    const unsigned seasons = (year - 1) * static_cast<unsigned>(seasonsPerYear()) + season;
    return seasons * DaysPerSeason + day - 1;
}

std::string GameTime::timeText(float minutes) {
    // Anything before the start (or not a number) is shown as the start.
    const double clamped =
        std::isfinite(minutes) ? std::max(0.0, std::floor(static_cast<double>(minutes))) : 0.0;
    long long t = static_cast<long long>(std::min(clamped, 1e15));
    const long long minutesPerYear = MinutesPerSeason * static_cast<long long>(seasonsPerYear());
    const long long year = 1 + t / minutesPerYear;
    t %= minutesPerYear;
    const long long season = t / MinutesPerSeason;
    t %= MinutesPerSeason;
    const long long day = 1 + t / MinutesPerWorkingDay;
    t %= MinutesPerWorkingDay;
    const long long hour = FirstHour + t / MinutesPerHour;
    const long long minute = t % MinutesPerHour;
    return twoDigits(hour) + ":" + twoDigits(minute) + " Uhr, " + twoDigits(day) + ". " +
           GameParams::GetSeasonNames()[static_cast<std::size_t>(season)] + " Jahr " +
           std::to_string(year);
}

std::string GameTime::dayText(unsigned daysSinceStart) {
    const unsigned day = daysSinceStart % DaysPerSeason + 1;
    const std::size_t season = daysSinceStart / DaysPerSeason % seasonsPerYear();
    return twoDigits(day) + ". " + GameParams::GetSeasonNames()[season];
}

std::string GameTime::dateText(long long minutes) {
    const long long days = std::max(0LL, minutes) / MinutesPerWorkingDay;
    const long long daysPerYear = DaysPerSeason * static_cast<long long>(seasonsPerYear());
    return dayText(static_cast<unsigned>(days % daysPerYear)) + ", Jahr " +
           std::to_string(1 + days / daysPerYear);
}

std::string GameTime::getInfoText() const {
    // The factor the player chose, as the speed keys name it; level 0 stops the clock.
    const unsigned factor = getSpeedFactor();
    const std::string speed = factor == 0 ? "Pause" : std::to_string(factor) + "\u00d7";
    return timeText(total) + "\n" + "Geschwindigkeit: " + speed;
}

bool GameTime::save(std::ostream& out) const {
    using GameParams::Save::Exact;
    out << RecordHeader << ' ' << RecordVersion << ' ' << speedLevel << ' ' << Exact<float>{total}
        << ' ' << dayStartHour << ' ' << dayEndHour << ' ' << year << ' ' << season << ' ' << day
        << ' ' << hour << ' ' << minute << ' ' << Exact<float>{remainder};
    return !out.fail();
}

bool GameTime::load(std::istream& in) {
    GameTime loaded = *this;
    if (!GameParams::Load::RecordStart(in, "GameTime::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    if (!(in >> loaded.speedLevel >> loaded.total >> loaded.dayStartHour >> loaded.dayEndHour >>
          loaded.year >> loaded.season >> loaded.day >> loaded.hour >> loaded.minute >>
          loaded.remainder)) {
        return false;
    }
    if (!loaded.isValid()) {
        std::cout << "GameTime::load() - Werte ungueltig!" << std::endl;
        return false;
    }
    loaded.changed = true;
    *this = loaded;
    return true;
}

// A record that passes keeps every calendar step in range; in particular a
// remainder of a minute or more would make the next advance run away.
bool GameTime::isValid() const {
    return speedLevel < speedFactors.size() && std::isfinite(total) && total >= 0.0f &&
           dayStartHour < dayEndHour && dayEndHour <= HoursPerDay && year >= 1 &&
           season < seasonsPerYear() && day >= 1 && day <= DaysPerSeason && hour >= dayStartHour &&
           hour < dayEndHour && minute < MinutesPerHour && std::isfinite(remainder) &&
           remainder >= 0.0f && remainder < 1.0f;
}
