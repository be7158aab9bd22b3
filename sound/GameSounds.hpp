#pragma once

#include "sound/SoundMixer.hpp"
#include "sound/SoundOutput.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <memory>
#include <vector>

class Level;
class Menu;
class MenuElement;

// What the game hears in one frame, handed over by the shell.
struct SoundFrame {
    Level* level = nullptr;
    sf::Vector2f viewCentre;
    sf::Vector2f viewSize;
    float realSeconds = 0.f;
    bool paused = false;
    std::size_t openDialogs = 0;
    std::size_t alerts = 0;
};

// The game's sound layer. The shell tells it of clicks and of what the
// build tool did, and once a frame lets it look at the level: the level's
// events (read, never drained: the alert list drains them after), doors
// that begin to open, the truck that drives off, the money that went out
// and the benches at work. It never changes the level and draws no random
// numbers.
class GameSounds {
public:
    // Below this much money a change of balance is rounding.
    static constexpr double MoneyStep = 0.005;
    // Benches at work for the ambience to be at its fullest.
    static constexpr int BenchesForFullAmbience = 10;
    // Seconds between two alert sounds at most.
    static constexpr float AlertPause = 5.f;

    // Null for silence (the default, and the tests that need no sound).
    void setOutput(std::unique_ptr<SoundOutput> newOutput);
    void setVolumes(const SoundVolumes& volumes) { mixer.setVolumes(volumes); }
    SoundMixer& getMixer() { return mixer; }

    // Once a frame, before the alert list drains the level's events.
    void update(const SoundFrame& frame);
    // A new or loaded level took the old one's place: the next frame meets
    // it afresh, even when it happens to live where the old one did.
    void levelReplaced() { heardLevel = nullptr; }
    // A left press landed on the element of a dialog or the HUD.
    void pressed(const MenuElement* element);
    // The same for a press over the HUD's menus at the pixel.
    void pressedOn(const std::vector<Menu*>& menus, int x, int y);
    // One release of the build cursor with the tool's category (-1 for
    // none), at the cursor's place in the world, and the balance before it.
    void toolReleased(Level* level, int category, sf::Vector2f at, double balanceBefore);

private:
    void hearEvents(Level& level);
    void hearDoors(const Level& level);
    void hearTruck(const Level& level);
    void hearMoney(const Level& level);
    void hearDialogs(std::size_t openDialogs);
    void hearAlerts(std::size_t alerts, float realSeconds);
    void followBenches(const Level& level, bool paused);
    // Starts the frame-to-frame comparisons afresh on a new level.
    void meet(const Level& level);
    bool playAt(SoundId id, sf::Vector2f point);
    sf::Vector2f cellCentre(const Level& level, sf::Vector2i cell) const;

    std::unique_ptr<SoundOutput> output;
    SoundMixer mixer;
    // What the last frame saw. Not saved.
    const Level* heardLevel = nullptr;
    sf::Vector2f viewCentre;
    sf::Vector2f viewSize;
    std::vector<const void*> openingDoors;
    std::vector<const void*> stillOpening;
    const void* parkedTruck = nullptr;
    double balance = 0.0;
    std::size_t openDialogs = 0;
    std::size_t alerts = 0;
    float sinceAlert = AlertPause;
};
