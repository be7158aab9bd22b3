// Mouse and key events, each routed to exactly one receiver: the top open
// dialog, else the HUD, else the cursor's build tool, else the world.

#include "app/Game.hpp"

#include "actors/GameObject.hpp"
#include "sound/ToolSoundWatch.hpp"
#include "ui/MenuBindings.hpp"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>

void Game::onMouseButtonPressed(sf::Mouse::Button button) {
    if (button == sf::Mouse::Left) {
        if (!leftButtonDown)
            onLeftPressed();
    } else if (button == sf::Mouse::Middle) {
        middleButtonDown = true;
    } else if (button == sf::Mouse::Right) {
        rightButtonDown = true;
    }
}

void Game::onMouseButtonReleased(sf::Mouse::Button button) {
    if (button == sf::Mouse::Left) {
        if (leftButtonDown)
            onLeftReleased();
    } else if (button == sf::Mouse::Middle) {
        middleButtonDown = false;
    } else if (button == sf::Mouse::Right) {
        if (rightButtonDown)
            onRightReleased();
    }
}

void Game::onLeftPressed() {
    leftButtonDown = true;
    leftPressConsumed = true;
    if (Menu* top = getTopMenu()) {
        // The second click of a double click must not answer the question
        // the first one raised.
        if (!isQuestionSettling())
            top->onMousePressed(mousePixel.x, mousePixel.y);
        sound.pressed(isQuestionSettling() ? nullptr : top->getLastPressed());
        return;
    }
    sound.pressedOn(gui.getShownMenus(), mousePixel.x, mousePixel.y);
    if (gui.onMousePressed(mousePixel.x, mousePixel.y))
        return;
    if (!cursor.onLeftPressed())
        leftPressConsumed = false;
}

void Game::onLeftReleased() {
    leftButtonDown = false;
    if (Menu* top = getTopMenu()) {
        top->onMouseReleased(mousePixel.x, mousePixel.y);
        return;
    }
    // A drag begun over the world ends with this release, or it would run on
    // (its zones hidden) until the next click; over the HUD it builds nothing.
    if (cursor.isDragging()) {
        const ToolSoundWatch heard(sound, level.get(), cursor.getToolCategory(),
                                   cursor.getPosition(), !gui.isOver(mousePixel.x, mousePixel.y));
        if (gui.isOver(mousePixel.x, mousePixel.y))
            cursor.cancelDrag();
        else
            cursor.onLeftReleased();
        return;
    }
    if (gui.onMouseReleased(mousePixel.x, mousePixel.y))
        return;
    const ToolSoundWatch heard(sound, level.get(), cursor.getToolCategory(), cursor.getPosition());
    if (cursor.onLeftReleased())
        return;
    // A press taken by the HUD or a tool never turns into a click on the world.
    if (leftPressConsumed || !level)
        return;
    GameObject* clicked = level->getObjectAtMapPosition(mouseTile.x, mouseTile.y);
    if (clicked != nullptr && clicked->isProducer()) {
        selectedObject = clicked;
        MenuBindings::Run(ActionOpenProductionMenu, this);
    }
}

void Game::onRightReleased() {
    rightButtonDown = false;
    if (isDialogOpen()) {
        closeTopMenu();
        return;
    }
    // A right click during a drag takes back only the drag.
    if (cursor.isDragging())
        cursor.cancelDrag();
    else if (cursor.reset())
        gui.clearToolHighlight();
    else if (Menu* panel = gui.getOpenPanel())
        gui.closePanel(panel);
}

void Game::onKeyPressed(sf::Keyboard::Key key) {
    if (Menu* top = getTopMenu()) {
        top->onKeyPressed(key);
        return;
    }
    if (key == sf::Keyboard::Escape) {
        if (Menu* panel = gui.getOpenPanel())
            gui.closePanel(panel);
        else
            openMainMenu();
    } else if (key == sf::Keyboard::R) {
        if (cursor.getToolCategory() == CategoryObject)
            cursor.rotateClockwise();
    } else if (key == sf::Keyboard::F5) {
        quickSave();
    } else if (key == sf::Keyboard::F9) {
        quickLoad();
    } else if (key == sf::Keyboard::M) {
        changeSetting(&Settings::soundOn, settings.soundOn != 0 ? 0 : 1);
        notice.show(settings.soundOn != 0 ? "Ton an" : "Ton aus (M schaltet ihn wieder ein)");
    }
}

void Game::onTextEntered(unsigned codepoint) {
    if (Menu* top = getTopMenu())
        top->onTextEntered(codepoint);
}

GameObject* Game::getSelectedObject() const {
    if (selectedObject == nullptr || !level)
        return nullptr;
    // The machine may have been demolished since it was clicked.
    for (const std::unique_ptr<GameObject>& object : level->getGameObjects())
        if (object.get() == selectedObject)
            return selectedObject;
    return nullptr;
}

void Game::updateHoverAndTooltip() {
    if (Menu* top = getTopMenu()) {
        // The dialog's walk feeds the tooltip itself.
        top->onMouseMoved(mousePixel.x, mousePixel.y);
    } else {
        std::string text;
        if (gui.isOver(mousePixel.x, mousePixel.y))
            text = gui.getTooltipText(mousePixel.x, mousePixel.y);
        else if (level)
            text = cursor.withRefusalNote(
                level->tooltipText(mouseWorld.x, mouseWorld.y, mouseTile.x, mouseTile.y));
        tooltip.setText(text);
    }
    placeTooltip();
}

void Game::placeTooltip() {
    if (!tooltip.isShown())
        return;
    const float x = static_cast<float>(mousePixel.x);
    const float y = static_cast<float>(mousePixel.y);
    // Kept inside the window: flipped to the pointer's left or above it.
    const sf::Vector2f screen = getGuiSize();
    const float offsetX = x + tooltip.getWidth() >= screen.x ? -tooltip.getWidth() : 0.f;
    const float offsetY = y + tooltip.getHeight() + 30.f >= screen.y ? -tooltip.getHeight() : 30.f;
    // A box taller or wider than the room left keeps to the window's edges.
    const float left = std::max(0.f, std::min(x + offsetX, screen.x - tooltip.getWidth()));
    const float top = std::max(0.f, std::min(y + offsetY, screen.y - tooltip.getHeight()));
    tooltip.setPosition(std::floor(left), std::floor(top));
}
