#pragma once

#include "app/AlertList.hpp"
#include "ui/Menu.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Transformable.hpp>

#include <string>
#include <vector>

class Game;
class MenuImageButton;
class MenuLabel;

namespace sf {
class Font;
class Texture;
} // namespace sf

// The heads-up display over the world, in window pixels: a bar of panel
// buttons bottom left, the balance top right, the main-menu button bottom
// right and five pop-up panels of build tools and dialog buttons. It hears
// the mouse only while no dialog is open. Built once; nothing of it is saved.
class GUI : public sf::Drawable, public sf::Transformable {
public:
    // Frame slots: the bar button of the open panel and the active tool.
    static constexpr unsigned PanelHighlight = 0;
    static constexpr unsigned ToolHighlight = 1;

    GUI() = default;
    GUI(const GUI&) = delete;
    GUI& operator=(const GUI&) = delete;

    // Needs a window: the labels and buttons measure their texts.
    void init(Game* game, sf::Texture* texture);
    // Puts every panel at its corner or edge of a screen of that size, in
    // the interface's pixels; the open panel and the frames move along.
    void placeOnScreen(sf::Vector2f size);
    sf::Vector2f getScreenSize() const { return screenSize; }

    bool isOver(int x, int y) const;
    bool onMousePressed(int x, int y);
    bool onMouseReleased(int x, int y);
    std::string getTooltipText(int x, int y) const;
    // A balance below zero is shown in red.
    void setBalanceText(const std::string& text, bool belowZero = false);
    // The balance again, over the dialogs drawn since the HUD: the player
    // sees the money whatever dialog is open.
    void drawBalanceOnTop(sf::RenderTarget& target) const;

    // Opens the panel, or closes it when it is the open one.
    void togglePanel(Menu* panel, MenuImageButton* barButton);
    void closePanel(Menu* panel) { togglePanel(panel, nullptr); }
    void highlightTool(unsigned slot, const Menu& menu, const MenuImageButton& button);
    void clearHighlight(unsigned slot);
    void clearToolHighlight();

    Menu* getOpenPanel() const { return openPanel; }
    const std::vector<Menu*>& getShownMenus() const { return shownMenus; }
    const std::vector<Menu*>& getPanels() const { return panels; }
    const std::vector<sf::RectangleShape>& getHighlights() const { return highlights; }
    Menu& getBar() { return bar; }
    Menu& getBalancePanel() { return balancePanel; }
    Menu& getMainMenuPanel() { return mainMenuPanel; }
    // The bar's or a panel's button showing this element; null for none.
    MenuImageButton* findButton(int category, int element) const;
    std::string getBalanceText() const;
    // The alerts below the balance and the fading messages.
    AlertList& getAlertList() { return alertList; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void makeHighlights();
    void buildBar();
    void buildBalancePanel();
    void buildMainMenuPanel();
    void buildPopUpPanel(Menu& panel, const std::vector<std::pair<int, int>>& buttons);
    void placePopUpPanel(Menu& panel, int barElement);
    void prepareMenu(Menu& menu, float margin, float spacing);
    Menu* menuAt(int x, int y) const;
    MenuImageButton* imageButtonAt(int x, int y) const;
    void onPanelButton(int element, MenuImageButton* button);

    sf::Color highlightColor = sf::Color::Black;
    unsigned highlightCount = 5;
    std::vector<sf::RectangleShape> highlights;
    sf::Texture* texture = nullptr;
    const sf::Font* font = nullptr;
    Game* game = nullptr;
    std::vector<Menu*> shownMenus;
    Menu* openPanel = nullptr;
    std::vector<Menu*> panels;
    // The image button the last press landed on: a release acts only on the
    // button that was pressed. Not saved.
    MenuImageButton* pressedButton = nullptr;
    sf::Vector2f screenSize{1280.f, 720.f};

    float mainMenuButtonWidth = 128.f;
    float mainMenuButtonHeight = 32.f;
    float barButtonWidth = 64.f;
    float barButtonHeight = 64.f;
    float barSpacing = 10.f;
    float barMargin = 5.f;
    float panelButtonWidth = 48.f;
    float panelButtonHeight = 48.f;
    float panelSpacing = 10.f;
    float panelMargin = 5.f;

    Menu bar;
    Menu balancePanel;
    Menu mainMenuPanel;
    Menu tilesPanel;
    Menu zonesPanel;
    Menu furnishingPanel;
    Menu staffPanel;
    Menu tradePanel;
    MenuLabel* balanceLabel = nullptr;
    AlertList alertList;
    // The last press landed on the alert list. Not saved.
    bool alertPressed = false;
};
