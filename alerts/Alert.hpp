#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <string>
#include <vector>

// What keeps the factory from working, in the order the HUD lists them.
enum class AlertKind : int {
    RoomOpen,
    RoomNoAccess,
    BenchNoRecipe,
    BenchWaiting,
    BenchBlocked,
    StorageFull,
    NeedUnserved,
    ObjectUnusable,
    DeliveryBlocked,
    PickupBlocked,
    NoStaff,
    BalanceNegative,
    // Research at the office's desks.
    ResearchNoDesk,
    ResearchNoProject,
};
constexpr int AlertKindCount = 14;

// The name the runner reports the kind under ("room_open", ...).
const char* AlertKindName(AlertKind kind);

// One row of the HUD's list: a kind, a short German text and the cells it
// concerns, the first most pressing. An alert about the account concerns
// no cell but still counts once.
struct Alert {
    AlertKind kind = AlertKind::RoomOpen;
    std::string text;
    std::vector<sf::Vector2i> places;

    std::size_t count() const { return places.empty() ? 1 : places.size(); }
};
