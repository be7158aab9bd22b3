#pragma once

#include "app/Cursor.hpp"
#include "app/GUI.hpp"
#include "app/HeldKeys.hpp"
#include "app/Notice.hpp"
#include "app/Tooltip.hpp"
#include "economy/GameTime.hpp"
#include "settings/Settings.hpp"
#include "sound/GameSounds.hpp"
#include "ui/Menu.hpp"
#include "world/Autosave.hpp"
#include "world/Level.hpp"
#include "world/LevelShell.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <locale>
#include <memory>
#include <string>
#include <vector>

// The one object that owns everything: window, assets, clock and world. The
// entry point loads its assets, initialises it and then alternates update and
// draw until the window is closed.
class Game : public LevelShell {
public:
    // The window's size at the first start.
    static constexpr unsigned WindowWidth = 1280;
    static constexpr unsigned WindowHeight = 720;
    // The smallest interface every dialog and the HUD fit into: a smaller
    // window is asked to grow, and a larger interface scale is held back
    // until the window has room for it.
    static constexpr unsigned MinimumWidth = 1024;
    static constexpr unsigned MinimumHeight = 640;
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

    // View and pointer.
    // The index is held to the zooms whose view fits on the map.
    void setZoom(int index);
    int farthestZoomIndex() const;
    void onMouseWheel(float delta);
    void scrollByKeyboard(sf::Time elapsed);
    void scrollView(float dx, float dy, sf::Time elapsed);
    // Centres the world view on the cell, keeping the zoom.
    void showCell(sf::Vector2i cell);
    void updatePointer();
    // The pointer steps for a given window pixel: tile, cursor, drag, hover
    // and tooltip (updatePointer polls the pixel first).
    void movePointerTo(sf::Vector2i pixel);
    // Scrolls while the pointer rests at the window's edge, when chosen.
    void scrollAtEdges(sf::Time elapsed);

    // The window (GameWindow.cpp): any size, full screen, the interface's scale.
    void onWindowResized(sf::Vector2u size);
    bool isFullScreen() const { return fullScreenShown; }
    sf::Vector2u getWindowSize() const { return windowSize; }
    // The interface's size in its own pixels: the window's over the scale.
    sf::Vector2f getGuiSize() const { return guiView.getSize(); }
    // The scale in use, which a small window may hold below the chosen one.
    float getInterfaceScale() const { return interfaceScale; }
    const sf::View& getGuiView() const { return guiView; }

    // The player's settings (GameSettings.cpp), read at start.
    const Settings& getSettings() const { return settings; }
    // One setting's new value: in effect at once and written to the file.
    void changeSetting(int Settings::*field, int value);
    bool openSettingsMenu();
    Menu& getSettingsMenu() { return settingsMenu; }
    float getScrollSpeed() const { return scrollSpeed; }

    // Input routing: the top dialog, else the HUD, else the cursor's tool,
    // else the world.
    void onMouseButtonPressed(sf::Mouse::Button button);
    void onMouseButtonReleased(sf::Mouse::Button button);
    void onLeftPressed();
    void onLeftReleased();
    void onRightReleased();
    void onKeyPressed(sf::Keyboard::Key key);
    // Speed keys act on release.
    void onKeyReleased(sf::Keyboard::Key key);
    void onTextEntered(unsigned codepoint);

    // Dialogs. Opening one pauses the game; a dialog is never open twice.
    bool openMenu(Menu& menu);
    bool openMainMenu();
    bool openSaveMenu();
    bool openLoadMenu();
    // For a machine that produces; remembers it as the selected object.
    bool openProductionMenu(GameObject* object);
    bool openOrderMenu();
    bool openSellMenu();
    bool openPriceMenu();
    bool openLabourMarketMenu();
    bool openDismissMenu();
    bool openStaffMenu();
    // The statistics (StatisticsDialog.cpp): money and goods, or the benches.
    bool openStatisticsMenu();
    void toggleStatisticsPage();
    bool isShowingBenchStatistics() const { return benchStatisticsShown; }
    Menu& getStatisticsMenu() { return statisticsMenu; }
    bool openResearchMenu();
    bool closeTopMenu();
    bool isDialogOpen() const { return !openMenus.empty(); }
    Menu* getTopMenu() const { return openMenus.empty() ? nullptr : openMenus.back(); }
    const std::vector<Menu*>& getOpenMenus() const { return openMenus; }
    Menu& getMainMenu() { return mainMenu; }
    Menu& getSaveMenu() { return saveMenu; }
    Menu& getLoadMenu() { return loadMenu; }
    Menu& getProductionMenu() { return productionMenu; }
    Menu& getOrderMenu() { return orderMenu; }
    Menu& getSellMenu() { return sellMenu; }
    Menu& getPriceMenu() { return priceMenu; }
    Menu& getLabourMarketMenu() { return labourMarketMenu; }
    Menu& getDismissMenu() { return dismissMenu; }
    Menu& getStaffMenu() { return staffMenu; }
    Menu& getResearchMenu() { return researchMenu; }
    Menu& getQuestionMenu() { return questionMenu; }
    bool areSaveListsDirty() const { return saveListsDirty; }

    // The dialogs' actions (GameDialogActions.cpp); each tells whether it
    // changed the game.
    bool loadSelectedGame();
    bool saveUnderEnteredName();
    bool applySelectedRecipe();
    bool buyChosenItems();
    bool sellChosenItems();
    void togglePrices();
    bool hireSelectedApplicant();
    bool dismissSelectedEmployee();
    // Makes the project selected in the research dialog the active one.
    bool chooseSelectedResearch();
    // By name in the save folder; a name that would leave it is refused with
    // a message. A failed load keeps the running game.
    bool saveGame(const std::string& name);
    bool loadGame(const std::string& name);
    // Closes the window, after asking when progress would be lost.
    void quit();

    // Saves of their own and a new game (GameAutosave.cpp, GameSaveGames.cpp).
    static constexpr const char* QuickSaveName = "Schnellspeicherstand";
    void setAutosaveInterval(AutosaveInterval interval) { autosaver.setInterval(interval); }
    AutosaveInterval getAutosaveInterval() const { return autosaver.getInterval(); }
    // At the start of a game day; a failure is shown and the game goes on.
    void autosaveAtDayStart();
    void quickSave();
    // Asks first when progress would be lost.
    void quickLoad();
    void askNewGame();
    void startNewGame();
    // Deletes the save chosen in the open load or save dialog, after asking.
    bool deleteSelectedSave();
    const Notice& getNotice() const { return notice; }

    // A notice in the question's place, with one button that closes it: why
    // something the player asked for was not done.
    bool tell(const std::string& title, const std::vector<std::string>& lines);
    // Asks before something is lost (GameQuestion.cpp): a title, a few lines
    // of text, the confirming button's kind and what it then does. The
    // question opens over the other dialogs; cancelling changes nothing.
    bool ask(const std::string& title, const std::vector<std::string>& lines, int confirmKind,
             std::function<void()> answer);
    void confirmQuestion();
    // Anything happened since the last save, load or new game (GameProgress.cpp).
    bool hasUnsavedProgress();

    static sf::Time clampFrameTime(sf::Time elapsed);
    // Game minutes the world advances for a frame of real time at the clock's speed.
    float gameMinutesFor(sf::Time elapsed) const;

    GameTime& getGameTime() { return gameTime; }
    sf::View& getWorldView() { return worldView; }
    const sf::View& getWorldView() const { return worldView; }
    Level* getLevel() { return level.get(); }
    int getZoomIndex() const { return zoomIndex; }
    bool isRenderingToTexture() const { return renderToTexture; }
    sf::Vector2i getMouseTile() const { return mouseTile; }
    const sf::Font& getFont() const { return font; }
    sf::RenderWindow* getWindow() const { return window.get(); }
    bool isPausedByMenu() const { return pausedByMenu; }
    bool isPausedByFocusLoss() const { return pausedByFocusLoss; }
    float getFps() const { return fps; }
    const sf::Text& getTimeText() const { return timeText; }
    GUI& getGui() { return gui; }
    Cursor& getCursor() { return cursor; }
    Tooltip& getTooltip() { return tooltip; }
    // Null once the machine is gone from the level.
    GameObject* getSelectedObject() const;
    bool isLeftButtonDown() const { return leftButtonDown; }
    bool isKeyHeld(sf::Keyboard::Key key) const { return heldKeys.isHeld(key); }
    bool wasLeftPressConsumed() const { return leftPressConsumed; }
    sf::Vector2i getMousePixel() const { return mousePixel; }

private:
    void showLoadingScreen();
    void refreshTimeText();
    void refreshBalanceText();
    // Opens the window in the mode the settings name.
    void createWindow();
    void fitViewsToWindow();
    void fitWorldViewToWindow();
    // Moves the view back over the map: nothing beyond its edges is shown.
    void keepViewOnMap();
    void readSettings();
    void applySettings(const Settings& chosen);
    // The player's save folder, with the saves of an older game copied in.
    void prepareSaveFolder();
    void bindSettingsActions();
    void buildSettingsMenu();
    void bindMenuActions();
    void buildMainMenu();
    // The dialogs (GameDialogs.cpp), their refreshing (GameDialogOpen.cpp).
    void bindDialogActions();
    void buildDialogs();
    void buildSaveMenu();
    void buildLoadMenu();
    void buildProductionMenu(const GameObject& object);
    void buildOrderMenu();
    void buildSellMenu();
    void buildPriceMenu();
    void buildLabourMarketMenu();
    void buildDismissMenu();
    void buildStaffMenu();
    // The research dialog (GameResearchDialog.cpp).
    void buildResearchMenu();
    void refreshResearchMenu();
    // What the office works on, or what keeps it from research, under the list.
    void showResearchState();
    void buildQuestionMenu(const std::string& title, const std::vector<std::string>& lines,
                           int confirmKind);
    void buildStatisticsMenu();
    void bindStatisticsActions();
    bool loadGameAndClose(const std::string& name);
    // The save dialogs' list, picture and lines (SaveDialogs.cpp).
    void buildSaveList(Menu& menu, bool chooseNewest);
    void showChosenSave(Menu& menu, const std::string& name);
    void refuseSaveName(const std::string& reason);
    // After the level was replaced: nothing may point into the old one.
    void adoptLevel();
    // The picture beside a save is taken from the world at the next draw.
    void requestSavePicture(const std::string& name);
    void writePendingSavePicture();
    bool saveGameAndClose(const std::string& name);
    void dismissEmployee(int id);
    // The game as its file would hold it now, less what is no progress.
    std::string progressText();
    void markProgressSaved();
    // Marks again after the first update of a loaded level.
    void settleProgressMark(float gameMinutes);
    // The press that follows too soon after a question opened belongs to the
    // click that opened it.
    bool isQuestionSettling() const;
    void drawQuestionShade();
    void refreshOrderMenu();
    void refreshSellMenu();
    void refreshLabourMarketMenu();
    void refreshDismissMenu();
    void refreshStaffMenu();
    void showPriceTitle();
    // The totals under the open order and sell lists (GameTradeLines.cpp).
    void refreshTradeTotals();
    // Pointer steps after the tile is known: cursor, hover, tooltip.
    void updateHoverAndTooltip();
    void placeTooltip();
    // Closing a dialog resumes the game only when none is left open.
    bool isPausingMenuOpen() const;
    // The world's scale: tile size over the atlas's 32-pixel unit (4 at 128 pixels).
    int atlasScale() const;

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
    // Where the font, the atlas and the name lists were found; empty for
    // the working directory.
    std::string assetFolder;
    sf::Font font;
    sf::Text timeText;
    std::unique_ptr<Level> level;
    GUI gui;
    Cursor cursor;
    Tooltip tooltip;
    float dialogWidthSmall = 400.f;
    float dialogWidthMedium = 600.f;
    float dialogWidthLarge = 800.f;
    // Open dialogs, bottom first. Not saved.
    std::vector<Menu*> openMenus;
    Menu mainMenu;
    Menu saveMenu;
    Menu loadMenu;
    Menu productionMenu;
    Menu orderMenu;
    Menu sellMenu;
    Menu priceMenu;
    Menu labourMarketMenu;
    Menu dismissMenu;
    Menu staffMenu;
    Menu researchMenu;
    Menu questionMenu;
    Menu statisticsMenu;
    Menu settingsMenu;
    Settings settings;
    std::string settingsPath;
    sf::Vector2u windowSize{WindowWidth, WindowHeight};
    // The window's size before it went full screen.
    sf::Vector2u windowedSize{WindowWidth, WindowHeight};
    bool fullScreenShown = false;
    // F11 or the dialog asked for the other mode; the window is made anew
    // after the frame's events.
    bool windowModeChangePending = false;
    float interfaceScale = 1.f;
    // The statistics dialog shows the benches' day rather than the money. Not saved.
    bool benchStatisticsShown = false;
    // What the open question's confirming button does. Not saved.
    std::function<void()> questionAnswer;
    sf::Clock questionClock;
    // The game's file text at the last save, load or new game. Not saved.
    std::string savedProgress;
    bool progressMarkUnsettled = false;
    // Own saves and what the game tells of them. Not saved.
    Autosaver autosaver;
    Notice notice;
    std::string pendingSavePicture;
    int savePictureFramesToWait = 0;
    sf::Vector2f newGameViewCentre;
    // The machine whose production dialog was opened last.
    GameObject* selectedObject = nullptr;
    // Rebuild the load and save dialogs at the next update. Not saved.
    bool saveListsDirty = false;
    bool pausedByFocusLoss = false;
    bool pausedByMenu = false;
    unsigned speedBeforePause = 1;
    static constexpr int ZoomLevelCount = 5;
    const float zoomLevels[ZoomLevelCount] = {0.125f, 0.25f, 0.5f, 1.f, 2.f};
    int zoomIndex = 3;
    // Parts of a wheel notch not yet turned into a zoom step. Not saved.
    float wheelNotches = 0.f;
    // The pointer in the interface's pixels (window pixels over the
    // interface scale), where the HUD and the dialogs hear it.
    sf::Vector2i mousePixel{0, 0};
    sf::Vector2i windowPixel{0, 0};
    sf::Vector2f mouseWorld{0.f, 0.f};
    bool leftButtonDown = false;
    bool middleButtonDown = false;
    bool rightButtonDown = false;
    HeldKeys heldKeys;
    // What the player hears; silent until init gives it the speakers.
    GameSounds sound;
    // The last left press was taken by a dialog, the HUD or the cursor.
    bool leftPressConsumed = false;
    float scrollSpeed = 500.f; // pixels per second at 1:1
    sf::Vector2i mouseTile{0, 0};
    float fps = 0.f;
};

// The one game, set during its initialisation; null before and in tests that build none.
extern Game* theGame;
