#pragma once

#include "params/Enums.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <deque>
#include <vector>

// Something the player waits for has happened: the HUD turns it into a
// short message that fades, and the sound layer plays it. Only the shell
// reads the list (the sound layer first, then the alert list drains it)
// every frame; nothing in the simulation looks at it and it is not saved.
struct LevelEvent {
    enum Kind : int { TruckArrived, UnitsDelivered, SalePaid };

    Kind kind = TruckArrived;
    ItemType item = ItemNone;
    unsigned units = 0;
    double money = 0.0;
    sf::Vector2i cell{-1, -1};
};

// Bounded: without a shell to drain it (the headless runner, the tests) the
// oldest events make way for new ones.
class LevelEvents {
public:
    static constexpr std::size_t Capacity = 64;

    void push(const LevelEvent& event) {
        if (events.size() == Capacity)
            events.pop_front();
        events.push_back(event);
    }
    std::vector<LevelEvent> drain() {
        std::vector<LevelEvent> taken(events.begin(), events.end());
        events.clear();
        return taken;
    }
    // What is waiting for the next drain, read without taking it.
    const std::deque<LevelEvent>& pending() const { return events; }
    std::size_t size() const { return events.size(); }

private:
    std::deque<LevelEvent> events;
};
