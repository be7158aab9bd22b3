#include "alerts/AlertBoard.hpp"

#include "alerts/AlertScan.hpp"

bool AlertBoard::update(const Level& level, float gameMinutes, float realSeconds) {
    gameMinutesSince += gameMinutes;
    realSecondsSince += realSeconds;
    if (refreshed && gameMinutesSince < RefreshGameMinutes && realSecondsSince < RefreshRealSeconds)
        return false;
    refresh(level);
    return true;
}

void AlertBoard::refresh(const Level& level) {
    alerts = FindAlerts(level);
    gameMinutesSince = 0.f;
    realSecondsSince = 0.f;
    refreshed = true;
    ++revision;
    // A kind that went away starts from its first place when it comes back.
    for (int kind = 0; kind < AlertKindCount; ++kind)
        if (find(static_cast<AlertKind>(kind)) == nullptr)
            turns[static_cast<std::size_t>(kind)] = 0;
}

const Alert* AlertBoard::find(AlertKind kind) const {
    for (const Alert& alert : alerts)
        if (alert.kind == kind)
            return &alert;
    return nullptr;
}

bool AlertBoard::nextPlace(AlertKind kind, sf::Vector2i& cell) {
    const Alert* alert = find(kind);
    if (alert == nullptr || alert->places.empty())
        return false;
    std::size_t& turn = turns[static_cast<std::size_t>(kind)];
    cell = alert->places[turn % alert->places.size()];
    turn = turn % alert->places.size() + 1;
    return true;
}

std::size_t AlertBoard::lastShown(AlertKind kind) const {
    return turns[static_cast<std::size_t>(kind)];
}
