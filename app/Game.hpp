#pragma once

#include "economy/GameTime.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include <locale>
#include <memory>

// The one object that owns everything: window, assets, clock and world. The
// entry point loads its assets, initialises it and then alternates update and
// draw until the window is closed.
class Game {
public:
    static constexpr unsigned WindowWidth = 1280;
    static constexpr unsigned WindowHeight = 720;
    static constexpr unsigned FrameRateLimit = 60;
    // A slower frame (window dragged, debugger, disk) advances time by this much only.
    static constexpr sf::Int32 MaxFrameMilliseconds = 100;

    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    bool loadAssets();
    bool init();
    bool update();
    void draw();

    void updateFps(sf::Time elapsed);
    void pause();
    void resume();

    // One window event, as the frame drains the queue.
    void handleEvent(const sf::Event& event);

    static sf::Time clampFrameTime(sf::Time elapsed);
    // Game minutes the world advances for a frame of real time at the clock's speed.
    float gameMinutesFor(sf::Time elapsed) const;

    GameTime& getGameTime() { return gameTime; }
    sf::View& getWorldView() { return worldView; }
    const sf::Font& getFont() const { return font; }
    sf::RenderWindow* getWindow() const { return window.get(); }
    bool isPausedByMenu() const { return pausedByMenu; }
    bool isPausedByFocusLoss() const { return pausedByFocusLoss; }
    float getFps() const { return fps; }
    const sf::Text& getTimeText() const { return timeText; }

private:
    void showLoadingScreen();
    void refreshTimeText();

    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<sf::RenderTexture> renderTexture;
    bool renderToTexture = false;
    sf::RenderTarget* renderTarget = nullptr;
    sf::View worldView;
    sf::View guiView;
    std::locale classicLocale;
    std::locale userLocale;
    sf::Clock frameClock;
    GameTime gameTime;
    sf::Texture spriteAtlas;
    sf::Font font;
    sf::Text timeText;
    bool pausedByFocusLoss = false;
    bool pausedByMenu = false;
    unsigned speedBeforePause = 1;
    float fps = 0.f;
};

// The one game, set during its initialisation; null before and in tests that build none.
extern Game* theGame;
