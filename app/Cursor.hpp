#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <vector>

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
    // Ends any drag and drops the tool: its panel was closed.
    void dropTool();
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
    // Asks the level about the cell under the cursor (CursorPreview.cpp):
    // the preview turns red where the tool would be refused, an object's
    // preview marks the cells it would be used from. Cheap: one cell's rules.
    void refreshPreview();
    // Why the tool would be refused on the cell under the cursor; empty
    // when it would build.
    const std::string& getPreviewNote() const { return previewNote; }
    bool isPreviewRefused() const { return previewRefused; }
    // The use cells of the object the tool would place, red where blocked.
    const sf::VertexArray& getUseMarkers() const { return useMarkers; }
    // The dragged area's price: the cells the tool would change.
    double getDragCost() const { return dragCost; }
    // The tooltip over the world: what the dragged area costs, or why the
    // last click was refused (for as long as the pointer stays on the cell
    // where the player let go), or why the tool would be refused here, above
    // the cell's own text.
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
    sf::Vector2i cellUnderCursor() const;
    sf::Vector2i dragStartCell() const;
    void paintPreview(bool refused);
    void markUseCells(const Level& world, sf::Vector2i cell);
    std::string dragNote() const;
    // After an object was placed: a warning when it, or one beside it, can
    // no longer be used.
    struct PlacedObject {
        sf::Vector2i cell;
        GameObjectType type;
    };
    std::string unusableWarning(const Level& world, sf::Vector2i cell,
                                const std::vector<PlacedObject>& usableBefore) const;
    std::vector<PlacedObject> usableNeighbours(const Level& world, sf::Vector2i cell) const;

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
    std::string previewNote;
    bool previewRefused = false;
    sf::VertexArray useMarkers;
    double dragCost = 0.0;
    // What the balance lacked for the last area refused whole.
    double areaShortfall = 0.0;
};
