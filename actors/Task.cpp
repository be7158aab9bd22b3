#include "actors/Task.hpp"

#include "params/Graphics.hpp"
#include "persist/ValueCodecs.hpp"

#include <cstdint>
#include <iostream>
#include <string>

namespace {

// Stored in the save record; 0.1 records lack the item.
constexpr float RecordVersion = 0.2f;
constexpr float RecordVersionWithoutItem = 0.1f;
const char* const RecordHeader = "TASK";

void Report(const char* message) {
    std::cout << "Task::load() - " << message << std::endl;
}

// A cell of a task is either a real cell or (-1, -1) for none.
bool IsCellOrNone(int coordinate) {
    return coordinate >= 0 || coordinate == -1;
}

} // namespace

std::uint32_t Task::maxId = 0;
bool Task::ShowMarkers = false;

Task::Task() : id(maxId++) {}

Task::Task(const sf::Texture* markerTexture, TaskType taskType, NeedType needType,
           GameObjectType objType, ItemType item, int destinationColumn, int destinationRow,
           int objectColumn, int objectRow)
    : task(taskType), satisfiesNeedType(needType), destination(destinationColumn, destinationRow),
      objectPos(objectColumn, objectRow), objectType(objType), correspondingItem(item), id(maxId++),
      texture(markerTexture) {
    buildMarker();
}

void Task::ResetIds() {
    maxId = 0;
}

void Task::buildMarker() {
    size = GameParams::Graphics::GetSize().x;
    const float edge = static_cast<float>(size);
    setOrigin(edge * 0.5f, edge * 0.5f);
    const sf::IntRect rect = GameParams::Graphics::GetTexture(task);
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = left + static_cast<float>(rect.width);
    const float bottom = top + static_cast<float>(rect.height);
    TaskQuads.setPrimitiveType(sf::Quads);
    TaskQuads.resize(4);
    TaskQuads[0] = sf::Vertex({0.f, 0.f}, {left, top});
    TaskQuads[1] = sf::Vertex({edge, 0.f}, {right, top});
    TaskQuads[2] = sf::Vertex({edge, edge}, {right, bottom});
    TaskQuads[3] = sf::Vertex({0.f, edge}, {left, bottom});
}

void Task::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!ShowMarkers || !visible) {
        return;
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(TaskQuads, states);
}

bool Task::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << static_cast<std::int32_t>(task) << ' '
        << static_cast<std::int32_t>(satisfiesNeedType) << ' ' << destination.x << ' '
        << destination.y << ' ' << objectPos.x << ' ' << objectPos.y << ' '
        << static_cast<std::int32_t>(objectType) << ' '
        << static_cast<std::int32_t>(correspondingItem) << ' ' << maxId << ' ' << id << ' ';
    if (!GameParams::Save::VertexArray(TaskQuads, out)) {
        return false;
    }
    out << ' ' << (visible ? 1 : 0);
    return !out.fail();
}

bool Task::load(std::istream& in) {
    std::string header;
    if (!(in >> header)) {
        return false;
    }
    if (header != RecordHeader) {
        Report("Header ungueltig!");
        return false;
    }
    float version = 0.f;
    if (!(in >> version)) {
        return false;
    }
    if (version != RecordVersion && version != RecordVersionWithoutItem) {
        Report("Version nicht unterstuetzt!");
    }
    const bool hasItem = version == RecordVersion;

    std::int32_t loadedTask = 0;
    std::int32_t loadedNeed = 0;
    sf::Vector2i loadedDestination;
    sf::Vector2i loadedObjectPos;
    std::int32_t loadedObjectType = 0;
    std::int32_t loadedItem = 0;
    if (!(in >> loadedTask >> loadedNeed >> loadedDestination.x >> loadedDestination.y >>
          loadedObjectPos.x >> loadedObjectPos.y >> loadedObjectType)) {
        return false;
    }
    if (hasItem && !(in >> loadedItem)) {
        return false;
    }
    if (loadedTask == -1) {
        Report("task ungueltig!");
        return false;
    }
    if (loadedNeed == -1) {
        Report("satisfiesNeedType ungueltig!");
        return false;
    }
    if (!IsCellOrNone(loadedDestination.x) || !IsCellOrNone(loadedDestination.y)) {
        Report("destination ungueltig!");
        return false;
    }
    if (!IsCellOrNone(loadedObjectPos.x) || !IsCellOrNone(loadedObjectPos.y)) {
        Report("objectPos ungueltig!");
        return false;
    }
    if (loadedObjectType == -1) {
        Report("objectType ungueltig!");
        return false;
    }
    if (hasItem && loadedItem == -1) {
        Report("correspondingItem ungueltig!");
        return false;
    }

    // Read wide so that a negative or oversized number is refused, not wrapped.
    std::int64_t loadedMaxId = 0;
    std::int64_t loadedId = 0;
    if (!(in >> loadedMaxId >> loadedId)) {
        return false;
    }
    if (loadedMaxId < 0 || loadedMaxId > static_cast<std::int64_t>(UINT32_MAX) || loadedId < 0 ||
        loadedId >= loadedMaxId) {
        Report("id ungueltig!");
        return false;
    }
    sf::VertexArray loadedQuads(sf::Quads);
    if (!GameParams::Load::VertexArray(in, loadedQuads)) {
        Report("Laden von TaskQuads fehlgeschlagen!");
        return false;
    }
    bool loadedVisible = true;
    if (!(in >> loadedVisible)) {
        return false;
    }

    task = static_cast<TaskType>(loadedTask);
    satisfiesNeedType = static_cast<NeedType>(loadedNeed);
    destination = loadedDestination;
    objectPos = loadedObjectPos;
    objectType = static_cast<GameObjectType>(loadedObjectType);
    correspondingItem = static_cast<ItemType>(loadedItem);
    maxId = static_cast<std::uint32_t>(loadedMaxId);
    id = static_cast<std::uint32_t>(loadedId);
    TaskQuads = loadedQuads;
    visible = loadedVisible;
    return true;
}
