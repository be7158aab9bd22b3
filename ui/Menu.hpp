#pragma once

#include "ui/MenuElement.hpp"
#include "ui/MenuElementContainer.hpp"
#include "ui/RoundedRectangleShape.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Game;
class MenuButton;
class MenuLabel;
class MenuTextbox;

// One dialog: a white rounded panel that stacks its elements vertically,
// sizes itself to them and walks window events (in window pixels) down to
// them. It owns its element tree.
class Menu : public sf::Drawable, public sf::Transformable {
public:
    Menu();
    ~Menu() override;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Building. Each add takes ownership and invalidates the layout.
    void clear();
    MenuElement* addElement(std::unique_ptr<MenuElement> element);
    template <class Element> Element* add(std::unique_ptr<Element> element) {
        Element* added = element.get();
        addElement(std::move(element));
        return added;
    }
    MenuLabel* addLabel(int alignment, const std::string& text, float width, float height);
    MenuButton* addButton(int kind);
    // Null makes a 200 x 30 text box with the menu's game and font.
    MenuTextbox* addTextbox(std::unique_ptr<MenuTextbox> textbox = nullptr);

    std::vector<MenuElement*> getElements() const;
    // Each element followed by the flattened contents of any container it is.
    std::vector<MenuElement*> getAllElements() const;

    // Stacks and stretches the elements; runs only while the layout is
    // invalid and a game is set.
    void layout();
    bool isLayoutValid() const { return layoutValid; }
    // (0, 0) until laid out.
    sf::Vector2f getSize() const;

    sf::Vector2f getAbsolutePosition(const MenuElement* element) const;
    // The last element of the flattened tree whose rectangle, edges included,
    // holds the window point; null for none.
    MenuElement* getElementAt(int x, int y) const;

    // Event walks. Without a container they start at the menu's own list.
    bool onMousePressed(int x, int y, MenuElementContainer* container = nullptr);
    bool onMouseReleased(int x, int y, MenuElementContainer* container = nullptr);
    bool onMouseWheel(int delta, int x, int y, MenuElementContainer* container = nullptr);
    void onMouseMoved(int x, int y);
    bool onTextEntered(unsigned codepoint, MenuElementContainer* container = nullptr);
    bool onKeyPressed(sf::Keyboard::Key key, MenuElementContainer* container = nullptr);
    bool onKeyReleased(sf::Keyboard::Key key, MenuElementContainer* container = nullptr);

    MenuElement* getLastPressed() const { return lastPressed; }
    MenuElement* getLastReleased() const { return lastReleased; }
    MenuElement* getTooltipElement() const { return tooltipElement; }
    bool isTooltipShown() const { return tooltipShown; }

    void resetBackground();
    sf::RoundedRectangleShape& getBackground() { return background; }

    bool isOpen() const { return open; }
    // Opening shows every list of the dialog from its top.
    void setOpen(bool isOpen);
    Game* getGame() const { return game; }
    void setGame(Game* newGame) { game = newGame; }
    // Labels and text boxes made later copy it; buttons refer to this copy.
    void setFont(const sf::Font& newFont) { font = newFont; }
    const sf::Font& getFont() const { return font; }

    void setMargins(float x, float y);
    void setHeaderHeight(float newHeight);
    void setSpacing(float newSpacing);
    float getSpacing() const { return spacing; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    struct WalkLevel;
    WalkLevel levelOf(MenuElementContainer* container) const;
    void onMouseMovedIn(int x, int y, MenuElementContainer* container, bool& tooltipFound);
    bool insideMenu(int x, int y) const;
    bool clearedSince(std::uint64_t generation) const { return treeGeneration != generation; }
    void finishWalk();

    bool open = false;
    bool layoutValid = false;
    Game* game = nullptr;
    sf::Font font;
    sf::RoundedRectangleShape background;
    float width = 0.f;
    float height = 0.f;
    float marginX = 10.f;
    float marginY = 10.f;
    float headerHeight = 0.f;
    std::vector<std::unique_ptr<MenuElement>> elements;
    // References into the tree, released by clear(). Not saved.
    MenuElement* lastPressed = nullptr;
    MenuElement* lastReleased = nullptr;
    MenuElement* tooltipElement = nullptr;
    bool tooltipShown = false;
    float spacing = 10.f;

    // A handler may clear its own menu (an action that rebuilds the dialog).
    // The walk is then standing inside an element it must not free yet:
    // cleared trees wait here until the outermost walk has returned.
    int walkDepth = 0;
    std::uint64_t treeGeneration = 0;
    std::vector<std::unique_ptr<MenuElement>> clearedDuringWalk;
};
