#include "app/Game.hpp"

#include "app/DebugText.hpp"
#include "app/UserLocale.hpp"
#include "params/Graphics.hpp"
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "paths/UserFolders.hpp"
#include "sound/SfmlSoundOutput.hpp"
#include "ui/MenuBindings.hpp"

#include <cmath>
#include <filesystem>
#include <iostream>
#include <sstream>

Game* theGame = nullptr;

namespace {

const char* const FontPath = "fonts/arial.ttf";
const char* const AtlasPath = "img/spriteMap_v2_128.png";

// Places a text so that its ink starts at the given point.
void placeInkAt(sf::Text& text, sf::Vector2f point) {
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setPosition(point.x - bounds.left, point.y - bounds.top);
}

void styleOverlayText(sf::Text& text, const sf::Font& font) {
    text.setFont(font);
    text.setCharacterSize(16);
    text.setFillColor(sf::Color::White);
    text.setOutlineColor(sf::Color::Black);
    text.setOutlineThickness(1.f);
}

} // namespace

Game::Game() : classicLocale(std::locale()), userLocale(MakeUserLocale()) {
    // Numbers shown to the player follow their locale; the save file switches
    // back to the classic one while it reads or writes.
    classicLocale = std::locale::global(userLocale);
    std::cout.imbue(userLocale);
    std::cin.imbue(userLocale);
}

Game::~Game() {
    if (theGame == this) {
        theGame = nullptr;
        // The dialogs' tooltip sink points at this game's tooltip.
        MenuBindings::BindTooltip(nullptr);
    }
    std::locale::global(classicLocale);
    std::cout.imbue(classicLocale);
    std::cin.imbue(classicLocale);
}

bool Game::loadAssets() {
    const std::filesystem::path folder = UserFolders::AssetFolder();
    assetFolder = folder.string();
    const std::string fontPath = (folder / FontPath).string();
    if (!font.loadFromFile(fontPath)) {
        std::cout << "ERROR - FAILED LOADING FONT: " << fontPath << " " << std::endl;
        return false;
    }
    return spriteAtlas.loadFromFile((folder / AtlasPath).string());
}

bool Game::init() {
    readSettings();
    const sf::FloatRect screen(0.f, 0.f, WindowWidth, WindowHeight);
    worldView.reset(screen);
    guiView.reset(screen);
    renderTexture = std::make_unique<sf::RenderTexture>();
    createWindow();

    showLoadingScreen();
    spriteAtlas.setSmooth(true);

    theGame = this;
    GameParams::Texts::Init(assetFolder);
    GameParams::SetTileSizeType(SIZE128PX);
    GameParams::Graphics::SetSpriteMap(SIZE128PX, &spriteAtlas);
    prepareSaveFolder();

    level = std::make_unique<Level>(this, &spriteAtlas, "");
    sound.setOutput(std::make_unique<SfmlSoundOutput>(
        (std::filesystem::path(assetFolder) / SoundFolder).string()));
    movePointerTo({static_cast<int>(windowSize.x / 2), static_cast<int>(windowSize.y / 2)});
    setZoom(zoomIndex);
    newGameViewCentre = worldView.getCenter();
    // Nothing has happened in a new game yet.
    markProgressSaved();

    styleOverlayText(timeText, font);
    refreshTimeText();
    notice.setFont(font);
    notice.placeAt(WindowWidth / 2.f, 8.f);

    fpsText.setPosition(0.f, debugTextNextY);
    styleOverlayText(fpsText, font);
    debugTextNextY += 20.f;

    gui.init(this, &spriteAtlas);
    cursor.init(this, &spriteAtlas);
    bindMenuActions();
    buildDialogs();
    buildSettingsMenu();
    applySettings(settings);
    fitViewsToWindow();

    tooltip.setPosition(0.f, 0.f);
    tooltip.setFont(font);
    tooltip.updateSize();
    tooltip.placeText();
    tooltip.setShown(true);
    return true;
}

void Game::showLoadingScreen() {
    window->clear(sf::Color::Black);
    sf::Text loading("Wird geladen...", font, 40);
    loading.setFillColor(sf::Color::White);
    loading.setOutlineThickness(0.f);
    const sf::FloatRect bounds = loading.getLocalBounds();
    const sf::Vector2f middle = getGuiSize() / 2.f;
    loading.setPosition(std::round(middle.x - bounds.left - bounds.width / 2.f),
                        std::round(middle.y - bounds.top - bounds.height / 2.f));
    window->setView(guiView);
    window->draw(loading);
    window->display();
}

void Game::refreshTimeText() {
    const std::string info = gameTime.getInfoText();
    timeText.setString(sf::String::fromUtf8(info.begin(), info.end()));
    placeInkAt(timeText, {0.f, 0.f});
}

sf::Time Game::clampFrameTime(sf::Time elapsed) {
    if (elapsed.asMilliseconds() > MaxFrameMilliseconds)
        return sf::milliseconds(MaxFrameMilliseconds);
    return elapsed;
}

float Game::gameMinutesFor(sf::Time elapsed) const {
    return elapsed.asSeconds() * gameTime.getMinutesPerSecond() * gameTime.getSpeedFactor();
}

bool Game::update() {
    if (!window || !window->isOpen())
        return false;

    const sf::Time elapsed = clampFrameTime(frameClock.restart());
    gameTime.advance(elapsed);
    updateFps(elapsed);
    if (saveListsDirty) {
        buildLoadMenu();
        buildSaveMenu();
        saveListsDirty = false;
    }

    sf::Event event;
    while (window->pollEvent(event))
        handleEvent(event);
    if (windowModeChangePending) {
        windowModeChangePending = false;
        createWindow();
    }
    scrollByKeyboard(elapsed);
    scrollAtEdges(elapsed);
    updatePointer();
    const float gameMinutes = gameMinutesFor(elapsed);
    level->update(gameMinutes);
    sound.update({level.get(), worldView.getCenter(), worldView.getSize(), elapsed.asSeconds(),
                  gameTime.getSpeedLevel() == 0, openMenus.size(),
                  gui.getAlertList().getBoard().getAlerts().size()});
    gui.getAlertList().update(*level, gameMinutes, elapsed.asSeconds());
    settleProgressMark(gameMinutes);

    if (gameTime.dayPassed()) {
        level->payWages();
        autosaveAtDayStart();
    }
    if (gameTime.hasChanged())
        refreshTimeText();
    refreshBalanceText();
    refreshTradeTotals();
    return true;
}

void Game::refreshBalanceText() {
    BankAccount& account = level->getBankAccount();
    if (!account.hasChanged())
        return;
    account.clearChanged();
    gui.setBalanceText(account.getBalanceText(), account.getBalance() < 0.0);
}

void Game::handleEvent(const sf::Event& event) {
    switch (event.type) {
    case sf::Event::Closed:
        quit();
        break;
    case sf::Event::LostFocus:
        heldKeys.releaseAll();
        if (!pausedByMenu) {
            pausedByFocusLoss = true;
            pause();
        }
        break;
    case sf::Event::GainedFocus:
        if (pausedByFocusLoss) {
            resume();
            pausedByFocusLoss = false;
        }
        break;
    case sf::Event::TextEntered:
        onTextEntered(event.text.unicode);
        break;
    case sf::Event::Resized:
        onWindowResized({event.size.width, event.size.height});
        break;
    case sf::Event::KeyPressed:
        // Full screen is the window's business, whatever dialog is open.
        if (event.key.code == sf::Keyboard::F11) {
            changeSetting(&Settings::fullScreen, settings.fullScreen != 0 ? 0 : 1);
            break;
        }
        // So is the frame counter, a debugging aid kept as a setting.
        if (event.key.code == sf::Keyboard::F3) {
            changeSetting(&Settings::showFps, settings.showFps != 0 ? 0 : 1);
            break;
        }
        // Held keys are counted whoever takes the event: a key held while a
        // dialog closes goes on scrolling, one released in a dialog stops.
        heldKeys.press(event.key.code);
        onKeyPressed(event.key.code);
        break;
    case sf::Event::KeyReleased:
        heldKeys.release(event.key.code);
        onKeyReleased(event.key.code);
        break;
    case sf::Event::MouseWheelScrolled:
        onMouseWheel(event.mouseWheelScroll.delta);
        break;
    case sf::Event::MouseButtonPressed:
        // Where the button went down, not where the last frame saw the
        // pointer: a quick move and click land in one frame.
        movePointerTo({event.mouseButton.x, event.mouseButton.y});
        onMouseButtonPressed(event.mouseButton.button);
        break;
    case sf::Event::MouseButtonReleased:
        movePointerTo({event.mouseButton.x, event.mouseButton.y});
        onMouseButtonReleased(event.mouseButton.button);
        break;
    default:
        break;
    }
}

void Game::draw() {
    writePendingSavePicture();
    window->clear(sf::Color::Black);
    window->setView(worldView);
    renderTarget = window.get();
    // Below 1:1 the world is drawn unscaled off screen and the finished
    // picture scaled, which keeps magnified tiles free of seams.
    const sf::Vector2f corner = worldView.getCenter() - worldView.getSize() / 2.f;
    if (renderToTexture) {
        renderTarget = renderTexture.get();
        renderTexture->clear(sf::Color::Black);
        level->setPosition(-corner);
        cursor.move(-corner);
    }
    renderTarget->draw(*level);
    renderTarget->draw(cursor);
    if (renderToTexture) {
        renderTexture->display();
        sf::Sprite picture(renderTexture->getTexture());
        picture.setPosition(corner);
        window->draw(picture);
        level->setPosition(0.f, 0.f);
        cursor.move(corner);
    }

    window->setView(guiView);
    window->draw(gui);
    window->draw(timeText);
    window->draw(notice);
    for (const Menu* menu : openMenus) {
        // A question dims what it is asked over, so it never reads as part
        // of the dialog below it.
        if (menu == &questionMenu)
            drawQuestionShade();
        window->draw(*menu);
    }
    if (!openMenus.empty())
        gui.drawBalanceOnTop(*window);
    if (settings.showFps != 0)
        window->draw(fpsText);
    window->draw(tooltip);
    window->display();
}

void Game::updateFps(sf::Time elapsed) {
    const float seconds = elapsed.asSeconds();
    fps = seconds > 0.f ? std::floor(1.f / seconds) : 0.f;
    std::ostringstream line;
    line << "Bildrate: " << fps;
    fpsText.setString(line.str());
}

void Game::pause() {
    if (pausedByMenu)
        return;
    speedBeforePause = gameTime.getSpeedLevel();
    pausedByMenu = true;
    gameTime.setSpeedLevel(0);
    gameTime.setChanged();
}

void Game::resume() {
    if (!pausedByMenu)
        return;
    pausedByMenu = false;
    gameTime.setSpeedLevel(speedBeforePause);
    gameTime.setChanged();
}
