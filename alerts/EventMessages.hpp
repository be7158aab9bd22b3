#pragma once

#include "world/LevelEvents.hpp"

#include <cstddef>
#include <deque>
#include <string>

// The short messages the HUD shows when something the player waits for
// happens. Units delivered or sold one by one within a few seconds become
// one message ("5 × Stahl geliefert"). Counted in real seconds, so they fade
// while the game is paused too. Not saved.
class EventMessages {
public:
    static constexpr float ShownSeconds = 4.f;
    static constexpr float FadeSeconds = 1.5f;
    static constexpr std::size_t MostShown = 4;

    struct Message {
        LevelEvent event;
        float age = 0.f;

        // German, numbers in the process-wide locale.
        std::string text() const;
        // 1 while shown, falling to 0 as it fades.
        float opacity() const;
    };

    // Joins the message of the same kind and item that is still fully
    // shown, else starts a new one; the oldest make way beyond MostShown.
    void add(const LevelEvent& event);
    // Ages the messages and drops the faded ones.
    void advance(float realSeconds);
    const std::deque<Message>& getMessages() const { return messages; }

private:
    std::deque<Message> messages;
};
