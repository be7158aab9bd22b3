#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <istream>
#include <ostream>

// One step of an employee's work list. Tasks are values: lists hold copies,
// and a copy keeps the id of the task it was copied from. A task's marker
// shows its type's sprite on the cell it acts on, but markers are hidden in
// the game (ShowMarkers is off).
class Task : public sf::Drawable, public sf::Transformable {
public:
    // Takes the next id; destination and object cell (0, 0).
    Task();
    Task(const sf::Texture* texture, TaskType task, NeedType satisfiesNeedType,
         GameObjectType objectType, ItemType correspondingItem, int destinationColumn,
         int destinationRow, int objectColumn, int objectRow);

    // Restarts the ids at 0; for a level that has just destroyed all tasks.
    static void ResetIds();
    static std::uint32_t GetMaxId() { return maxId; }
    // Off in the game; nothing turns it on but a debugging session.
    static bool ShowMarkers;

    TaskType getTask() const { return task; }
    void setTask(TaskType value) { task = value; }
    NeedType getSatisfiesNeedType() const { return satisfiesNeedType; }
    void setSatisfiesNeedType(NeedType value) { satisfiesNeedType = value; }
    sf::Vector2i getDestination() const { return destination; }
    void setDestination(int column, int row) { destination = {column, row}; }
    sf::Vector2i getObjectPos() const { return objectPos; }
    void setObjectPos(int column, int row) { objectPos = {column, row}; }
    GameObjectType getObjectType() const { return objectType; }
    void setObjectType(GameObjectType value) { objectType = value; }
    ItemType getCorrespondingItem() const { return correspondingItem; }
    void setCorrespondingItem(ItemType value) { correspondingItem = value; }
    std::uint32_t getId() const { return id; }
    bool isVisible() const { return visible; }
    void setVisible(bool value) { visible = value; }
    const sf::VertexArray& getQuads() const { return TaskQuads; }
    int getSize() const { return size; }

    bool save(std::ostream& out) const;
    // Loads a TASK record of version 0.2 or 0.1 (which has no item).
    bool load(std::istream& in);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void buildMarker();

    static std::uint32_t maxId;

    TaskType task = TaskNone;
    NeedType satisfiesNeedType = NeedNone;
    sf::Vector2i destination{0, 0};
    sf::Vector2i objectPos{0, 0};
    GameObjectType objectType = ObjectNone;
    ItemType correspondingItem = ItemNone;
    std::uint32_t id = 0;
    sf::VertexArray TaskQuads{sf::Quads};
    const sf::Texture* texture = nullptr; // not saved
    bool visible = true;
    int size = 0; // not saved: the active tile size
};
