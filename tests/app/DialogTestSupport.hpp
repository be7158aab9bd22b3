#pragma once

#include "app/DialogLayout.hpp"
#include "app/Game.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButton.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

// A real game under Xvfb, run in a scratch working directory that sees the
// build's assets, so its save folder is its own.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        buildFolder = fs::current_path();
        char pattern[] = "/tmp/ostravel-dialogs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch = pattern;
        for (const char* assets : {"fonts", "img", "data"})
            fs::create_directory_symlink(buildFolder / assets, scratch / assets);
        fs::current_path(scratch);
        MenuBindings::Reset();
        game = std::make_unique<Game>();
        ASSERT_TRUE(game->loadAssets());
        ASSERT_TRUE(game->init());
    }
    void TearDown() override {
        game.reset();
        MenuBindings::Reset();
        std::filesystem::current_path(buildFolder);
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
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
    void click(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        game->movePointerTo(at);
        game->handleEvent(buttonEvent(sf::Event::MouseButtonPressed, button, at));
        game->handleEvent(buttonEvent(sf::Event::MouseButtonReleased, button, at));
    }
    void rightClick() { click({5, 5}, sf::Mouse::Right); }
    void key(sf::Keyboard::Key code) {
        sf::Event event;
        event.key = sf::Event::KeyEvent{code, false, false, false, false};
        event.type = sf::Event::KeyPressed;
        game->handleEvent(event);
        event.type = sf::Event::KeyReleased;
        game->handleEvent(event);
    }
    void type(const std::string& text) {
        for (const char c : text) {
            sf::Event event;
            event.type = sf::Event::TextEntered;
            event.text.unicode = static_cast<unsigned char>(c);
            game->handleEvent(event);
        }
    }
    // The window pixel at the centre of an element of an open dialog.
    static sf::Vector2i centreOf(const Menu& menu, const MenuElement& element) {
        const sf::Vector2f at = menu.getAbsolutePosition(&element) + element.getSize() / 2.f;
        return {static_cast<int>(at.x), static_cast<int>(at.y)};
    }
    static MenuButton* buttonOfKind(const Menu& menu, int kind) {
        for (MenuButton* button : DialogLayout::FindAll<MenuButton>(menu))
            if (button->getKind() == kind)
                return button;
        return nullptr;
    }
    void clickButton(const Menu& menu, int kind) {
        MenuButton* button = buttonOfKind(menu, kind);
        ASSERT_NE(button, nullptr) << "no button of kind " << kind;
        click(centreOf(menu, *button));
    }
    Level& level() { return *game->getLevel(); }
    unsigned speed() { return game->getGameTime().getSpeedLevel(); }

    std::filesystem::path buildFolder;
    std::filesystem::path scratch;
    std::unique_ptr<Game> game;
};
