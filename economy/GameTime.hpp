#pragma once

#include <SFML/Config.hpp>
#include <SFML/System/Time.hpp>

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// The game's clock and calendar. Real time scaled by the speed factor moves
// game minutes; a working day runs from the day start to the day end hour,
// thirty days make a season and the seasons make a year. Every advance raises
// flags for the units that passed, so that others can act once per minute,
// hour, day (wages), season or year.
class GameTime {
public:
    GameTime();

    // Advances by one frame's real time; clears every flag first.
    void advance(sf::Time elapsed);

    unsigned getSpeedLevel() const { return speedLevel; }
    // Levels beyond the table are clamped to the fastest.
    void setSpeedLevel(unsigned level);
    std::size_t getSpeedLevelCount() const { return speedFactors.size(); }
    unsigned getSpeedFactor() const { return speedFactors[speedLevel]; }
    float getMinutesPerSecond() const { return minutesPerSecond; }

    bool hasChanged() const { return changed; }
    void setChanged() { changed = true; }
    bool minutePassed() const { return minuteFlag; }
    bool hourPassed() const { return hourFlag; }
    bool dayPassed() const { return dayFlag; }
    bool seasonPassed() const { return seasonFlag; }
    bool yearPassed() const { return yearFlag; }

    float getTotal() const { return total; }
    unsigned getYear() const { return year; }
    unsigned getSeason() const { return season; }
    unsigned getDay() const { return day; }
    unsigned getHour() const { return hour; }
    unsigned getMinute() const { return minute; }
    unsigned getDayStartHour() const { return dayStartHour; }
    unsigned getDayEndHour() const { return dayEndHour; }
    // Whole days since the game's first day, which is day 0.
    unsigned getDaysSinceStart() const;
    sf::Int64 getLastElapsedMicroseconds() const { return lastElapsedMicroseconds; }

    // "hh:mm Uhr, dd. <season> Jahr y" for game minutes since the start.
    static std::string timeText(float minutes);
    // "dd. <season>" for a day counted as getDaysSinceStart counts.
    static std::string dayText(unsigned daysSinceStart);
    // "dd. <season>, Jahr y" for game minutes since the start.
    static std::string dateText(long long minutes);
    // The date line and the speed line for the HUD.
    std::string getInfoText() const;

    bool save(std::ostream& out) const;
    // Leaves the clock untouched unless the whole record is read and valid.
    bool load(std::istream& in);

private:
    bool isValid() const;
    void advanceOneMinute();

    // Not saved: fixed by the game.
    std::vector<unsigned> speedFactors{0, 1, 5, 9};
    float minutesPerSecond = 2.0f;
    sf::Int64 lastElapsedMicroseconds = 0;
    bool changed = true;
    bool minuteFlag = false;
    bool hourFlag = false;
    bool dayFlag = false;
    bool seasonFlag = false;
    bool yearFlag = false;

    // Saved, in this order after the speed level.
    unsigned speedLevel = 1;
    float total = 0.0f;
    unsigned dayStartHour = 9;
    unsigned dayEndHour = 17;
    unsigned year = 1;
    unsigned season = 0;
    unsigned day = 1;
    unsigned hour = 9;
    unsigned minute = 0;
    float remainder = 0.0f;
};
