// Opening and closing dialogs, and the main menu.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"

#include "ui/MenuBindings.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuSpacer.hpp"

#include <memory>

bool Game::openMenu(Menu& menu) {
    if (menu.isOpen())
        return false;
    // The window may have changed its size since the dialog was built.
    DialogLayout::Centre(menu);
    menu.setOpen(true);
    openMenus.push_back(&menu);
    pause();
    tooltip.setShown(false);
    return true;
}

bool Game::isPausingMenuOpen() const {
    // Usually only the main menu has dialogs above it; a question asked over
    // any dialog returns to it still paused as well.
    return !openMenus.empty();
}

bool Game::closeTopMenu() {
    if (openMenus.empty() || !openMenus.back()->isOpen())
        return false;
    openMenus.back()->setOpen(false);
    openMenus.pop_back();
    // Dialogs opened from the main menu return to it still paused.
    if (!isPausingMenuOpen()) {
        resume();
        tooltip.setShown(true);
    }
    return true;
}

bool Game::openMainMenu() {
    return openMenu(mainMenu);
}

void Game::quit() {
    auto closeWindow = [this] {
        if (window)
            window->close();
    };
    if (!hasUnsavedProgress()) {
        closeWindow();
        return;
    }
    ask("Spiel verlassen?", {"Nicht gespeicherte Fortschritte gehen verloren."}, ButtonConfirmQuit,
        closeWindow);
}

void Game::bindMenuActions() {
    MenuBindings::Bind(ActionOpenMainMenu, [](Game* game) {
        if (game != nullptr)
            game->openMainMenu();
    });
    MenuBindings::Bind(ActionCloseTopMenu, [](Game* game) {
        if (game != nullptr)
            game->closeTopMenu();
    });
    MenuBindings::Bind(ActionQuitGame, [](Game* game) {
        if (game != nullptr)
            game->quit();
    });
    MenuBindings::Bind(ActionConfirmQuestion, [](Game* game) {
        if (game != nullptr)
            game->confirmQuestion();
    });
    MenuBindings::BindTooltip([this](const std::string& text) { tooltip.setText(text); });
    bindDialogActions();
    bindStatisticsActions();
    bindSettingsActions();
}

void Game::buildMainMenu() {
    DialogLayout::Start(mainMenu, this, font, "Main Menu", dialogWidthSmall);
    // Starting anew, apart from the saves below.
    mainMenu.addButton(ButtonNewGame);
    mainMenu.add(std::make_unique<MenuSpacer>(nullptr, dialogWidthSmall, 24.f));
    mainMenu.addButton(ButtonOpenSaveMenu);
    mainMenu.addButton(ButtonOpenLoadMenu);
    mainMenu.addButton(ButtonOpenSettings);
    mainMenu.addButton(ButtonQuitGame);
    mainMenu.addButton(ButtonCloseMainMenu);
    DialogLayout::Finish(mainMenu);
    mainMenu.setOpen(false);
}
