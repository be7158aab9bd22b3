#include "actors/Item.hpp"

#include "params/Graphics.hpp"
#include "params/Texts.hpp"
#include "persist/RecordStart.hpp"
#include "persist/ValueCodecs.hpp"

#include <iostream>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "ITEM";

void Report(const char* message) {
    std::cout << "Item::load() - " << message << std::endl;
}

} // namespace

std::uint32_t Item::maxId = 0;
std::map<std::uint32_t, Item*> Item::registry;

Item::Item() : id(maxId++) {
    registerId();
    rebuildQuad();
}

Item::Item(const sf::Texture* texture, ItemType type) : Item() {
    place(texture, type, 0, 0);
}

Item::~Item() {
    unregisterId();
}

Item* Item::GetById(std::uint32_t id) {
    auto entry = registry.find(id);
    return entry == registry.end() ? nullptr : entry->second;
}

void Item::ResetIds() {
    registry.clear();
    maxId = 0;
}

void Item::registerId() {
    registry[id] = this;
}

void Item::unregisterId() {
    // A loaded item may have taken over the id of another; only our own entry goes.
    auto entry = registry.find(id);
    if (entry != registry.end() && entry->second == this) {
        registry.erase(entry);
    }
}

void Item::place(const sf::Texture* newTexture, ItemType newType, int column, int row) {
    texture = newTexture;
    type = newType;
    tileSize = GameParams::Graphics::GetSize();
    mapPos = {column, row};
    textureRect = GameParams::Graphics::GetTexture(type);
    rebuildQuad();
}

std::string Item::getName() const {
    return GameParams::Texts::GetItemTypeName(type);
}

void Item::rebuildQuad() {
    const float w = static_cast<float>(tileSize.x);
    const float h = static_cast<float>(tileSize.y);
    // Like every map drawable, an item is positioned by its centre.
    setOrigin(w * 0.5f, h * 0.5f);
    setPosition(static_cast<float>(mapPos.x) * w, static_cast<float>(mapPos.y) * h);

    const float left = static_cast<float>(textureRect.left);
    const float top = static_cast<float>(textureRect.top);
    const float right = left + static_cast<float>(textureRect.width);
    const float bottom = top + static_cast<float>(textureRect.height);
    itemQuads.setPrimitiveType(sf::Quads);
    itemQuads.resize(4);
    itemQuads[0] = sf::Vertex({0.f, 0.f}, {left, top});
    itemQuads[1] = sf::Vertex({w, 0.f}, {right, top});
    itemQuads[2] = sf::Vertex({w, h}, {right, bottom});
    itemQuads[3] = sf::Vertex({0.f, h}, {left, bottom});
}

void Item::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible) {
        return;
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(itemQuads, states);
}

bool Item::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << id << ' '
        << static_cast<std::int32_t>(type) << ' ' << (visible ? 1 : 0) << ' ';
    if (!GameParams::Save::VertexArray(itemQuads, out)) {
        return false;
    }
    out << ' ' << mapPos.x << ' ' << mapPos.y << ' ' << tileSize.x << ' ' << tileSize.y;
    return !out.fail();
}

bool Item::load(std::istream& in, const sf::Texture* newTexture) {
    if (!GameParams::Load::RecordStart(in, "Item::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::ReadOn)) {
        return false;
    }
    std::int64_t loadedId = 0;
    std::int32_t loadedType = 0;
    bool loadedVisible = false;
    if (!(in >> loadedId >> loadedType >> loadedVisible)) {
        return false;
    }
    // Ids are looked up by value; a negative or oversized one would alias another item.
    if (loadedId < 0 || loadedId >= static_cast<std::int64_t>(UINT32_MAX)) {
        Report("id ungueltig!");
        return false;
    }
    if (loadedType == -1) {
        Report("type ungueltig!");
        return false;
    }
    sf::VertexArray loadedQuads(sf::Quads);
    if (!GameParams::Load::VertexArray(in, loadedQuads)) {
        Report("Laden von itemQuads fehlgeschlagen!");
        return false;
    }
    sf::Vector2i loadedPos;
    sf::Vector2i loadedSize;
    if (!(in >> loadedPos.x >> loadedPos.y >> loadedSize.x >> loadedSize.y)) {
        return false;
    }

    unregisterId();
    id = static_cast<std::uint32_t>(loadedId);
    registerId();
    // The record carries no counter: items made after loading must not reuse a loaded id.
    if (id >= maxId) {
        maxId = id + 1;
    }
    type = static_cast<ItemType>(loadedType);
    visible = loadedVisible;
    itemQuads = loadedQuads;
    mapPos = loadedPos;
    tileSize = loadedSize;
    texture = newTexture;
    textureRect = GameParams::Graphics::GetTexture(type);
    rebuildQuad();
    return true;
}
