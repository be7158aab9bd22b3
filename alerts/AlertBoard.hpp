#pragma once

#include "alerts/Alert.hpp"

#include <array>
#include <cstddef>
#include <vector>

class Level;

// The alerts the HUD shows: found again when a refresh is due, and for each
// kind the place the view goes to next. Not saved.
class AlertBoard {
public:
    // A refresh is due after this much game time, or this much real time
    // (a paused game still sees a door the player has just put in).
    static constexpr float RefreshGameMinutes = 15.f;
    static constexpr float RefreshRealSeconds = 1.f;

    // Counts the time of one frame and refreshes when due; true if it did.
    bool update(const Level& level, float gameMinutes, float realSeconds);
    // Finds the alerts now, keeping each kind's turn through its places.
    void refresh(const Level& level);

    const std::vector<Alert>& getAlerts() const { return alerts; }
    // Counts the refreshes, so that a drawing knows when to lay out again.
    unsigned getRevision() const { return revision; }
    // Null when the kind holds nowhere.
    const Alert* find(AlertKind kind) const;
    // The place to show for the kind, each of its places in turn; false
    // when the kind is not active or concerns no cell.
    bool nextPlace(AlertKind kind, sf::Vector2i& cell);
    // Which of the kind's places nextPlace showed last, counted from 1; 0
    // before the first.
    std::size_t lastShown(AlertKind kind) const;

private:
    std::vector<Alert> alerts;
    std::array<std::size_t, AlertKindCount> turns{};
    float gameMinutesSince = 0.f;
    float realSecondsSince = 0.f;
    bool refreshed = false;
    unsigned revision = 0;
};
