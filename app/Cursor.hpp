#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>

class Game;
class Level;
class MenuImageButton;

namespace sf {
class Texture;
}

// The tile cursor over the world: a frame on the tile under the pointer, the
// preview of the chosen build tool, the drag rectangle of tile and zone tools,
// and the player's clicks turned into building and demolition on the level.
// The tool is the HUD button that was chosen: its category and element say
// what it does and its icon is the preview. Nothing of it is saved.
class Cursor : public sf::Drawable, public sf::Transformable {
public:
    enum State { StateNoTool = 0, StateBuild = 1, StateDemolish = 2, StateAction = 3 };

    void init(Game* game, sf::Texture* texture);
    // Builds on this level instead of the game's (the headless runner, tests).
    void setLevel(Level* newLevel) { attachedLevel = newLevel; }

    void selectTool(const MenuImageButton* button);
    // Cancels a running drag (the tool stays), else drops the tool; true when
    // a tool was dropped.
    bool reset();
    bool onLeftPressed();
    bool onLeftReleased();
    void updateDrag();
    void cancelDrag();
    void finishDrag();

    int getState() const { return state; }
    const MenuImageButton* getTool() const { return tool; }
    // -1 without a tool.
    int getToolCategory() const;
    int getToolElement() const;
    bool isDragging() const { return dragging; }
    sf::Vector2f getDragStart() const { return dragStart; }
    sf::Vector2f getDragEnd() const { return dragEnd; }
    const sf::VertexArray& getPreview() const { return preview; }
    const sf::VertexArray& getDragQuads() const { return dragQuads; }
    // Turns an object's preview a quarter clockwise.
    void rotateClockwise();
    // The tooltip over the world: why the last click was refused, above the
    // cell's own text, for as long as the pointer stays on the cell where the
    // player let go.
    std::string withRefusalNote(const std::string& cellText);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    enum Frame { FrameWhite = 0, FrameRed = 1, FrameBlack = 2 };

    Level* level() const;
    float tileSize() const;
    bool isZoneDemolition() const;
    // The click's action on the level by the tool's category.
    bool useTool(Level* world);
    void setFramePreview(Frame frame);
    void rebuildDragQuads();
    // Hides or shows again the zones of the drag rectangle.
    void setDragZonesVisible(bool visible);

    sf::VertexArray frames;
    sf::VertexArray preview;
    sf::VertexArray dragQuads;
    sf::Texture* texture = nullptr;
    Game* game = nullptr;
    Level* attachedLevel = nullptr;
    int state = StateNoTool;
    const MenuImageButton* tool = nullptr;
    bool dragging = false;
    sf::Vector2f dragStart{0.f, 0.f};
    sf::Vector2f dragEnd{0.f, 0.f};
    std::string refusalNote;
    sf::Vector2f refusalNoteAt{0.f, 0.f};
};
