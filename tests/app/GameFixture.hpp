#pragma once

#include "app/Game.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuImageButton.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A real game under Xvfb, fed with the events the window would deliver.
// Pointer moves go through the game's own pointer step, so hover, drags and
// tooltips follow the pointer as they do in a frame.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MenuBindings::Reset();
        game = std::make_unique<Game>();
        ASSERT_TRUE(game->loadAssets());
        ASSERT_TRUE(game->init());
    }
    void TearDown() override {
        game.reset();
        MenuBindings::Reset();
    }

    static sf::Event buttonEvent(sf::Event::EventType type, sf::Mouse::Button button,
                                 sf::Vector2i at) {
        sf::Event event;
        event.type = type;
        event.mouseButton.button = button;
        event.mouseButton.x = at.x;
        event.mouseButton.y = at.y;
        return event;
    }
    static sf::Event keyEvent(sf::Event::EventType type, sf::Keyboard::Key key) {
        sf::Event event;
        event.type = type;
        event.key = sf::Event::KeyEvent{key, false, false, false, false};
        return event;
    }
    void press(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        game->movePointerTo(at);
        game->handleEvent(buttonEvent(sf::Event::MouseButtonPressed, button, at));
    }
    void release(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        game->movePointerTo(at);
        game->handleEvent(buttonEvent(sf::Event::MouseButtonReleased, button, at));
    }
    void click(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        press(at, button);
        release(at, button);
    }
    void wheel(sf::Vector2i at, float delta) {
        game->movePointerTo(at);
        sf::Event event;
        event.type = sf::Event::MouseWheelScrolled;
        event.mouseWheelScroll = {sf::Mouse::VerticalWheel, delta, at.x, at.y};
        game->handleEvent(event);
    }
    void key(sf::Keyboard::Key code) {
        game->handleEvent(keyEvent(sf::Event::KeyPressed, code));
        game->handleEvent(keyEvent(sf::Event::KeyReleased, code));
    }
    void type(const std::string& text) {
        for (const char c : text) {
            sf::Event event;
            event.type = sf::Event::TextEntered;
            event.text.unicode = static_cast<unsigned char>(c);
            game->handleEvent(event);
        }
    }

    // The centre of a HUD button in window pixels, in the bar or a panel.
    sf::Vector2i hudButton(int category, int element) {
        GUI& gui = game->getGui();
        MenuImageButton* button = gui.findButton(category, element);
        EXPECT_NE(button, nullptr);
        if (button == nullptr)
            return {-1, -1};
        const Menu* menu = &gui.getBar();
        for (Menu* panel : gui.getPanels())
            for (MenuElement* element : panel->getAllElements())
                if (element == button)
                    menu = panel;
        const sf::Vector2f at = menu->getAbsolutePosition(button) + button->getSize() / 2.f;
        return {static_cast<int>(at.x), static_cast<int>(at.y)};
    }
    // Opens the panel from the bar and picks the tool in it.
    void chooseTool(int panelElement, int category, int element) {
        click(hudButton(CategoryPanel, panelElement));
        click(hudButton(category, element));
    }
    bool highlightShown(unsigned slot) {
        return game->getGui().getHighlights().at(slot).getOutlineColor() == sf::Color::Black;
    }
    // The window pixel over a tile's centre.
    sf::Vector2i worldPixel(int column, int row) {
        const float tile = 128.f;
        return game->getWindow()->mapCoordsToPixel({column * tile, row * tile},
                                                   game->getWorldView());
    }
    Level& level() { return *game->getLevel(); }

    std::unique_ptr<Game> game;
};
