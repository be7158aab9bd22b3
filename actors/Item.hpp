#pragma once

#include "params/Enums.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <istream>
#include <map>
#include <ostream>
#include <string>

// One unit of material. Whoever holds an item owns it: a storage zone, a game
// object's input or output, an employee carrying it. Others find it by id.
class Item : public sf::Drawable, public sf::Transformable {
public:
    // Takes the next id and registers; type 0, tile (0, 0), not visible.
    Item();
    // An item of the given type, placed on tile (0, 0) until placed elsewhere.
    Item(const sf::Texture* texture, ItemType type);
    ~Item() override;

    // The registry holds the address: an item is neither copied nor moved.
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    static Item* GetById(std::uint32_t id);
    // Forgets every registered item and restarts the ids at 0; for a level
    // that has just destroyed all of its items.
    static void ResetIds();
    static std::uint32_t GetMaxId() { return maxId; }
    static std::size_t GetRegisteredCount() { return registry.size(); }

    void place(const sf::Texture* texture, ItemType type, int column, int row);

    std::uint32_t getId() const { return id; }
    ItemType getType() const { return type; }
    std::string getName() const;
    sf::Vector2i getMapPosition() const { return mapPos; }
    sf::Vector2i getTileSize() const { return tileSize; }
    sf::IntRect getTextureRect() const { return textureRect; }
    const sf::VertexArray& getQuads() const { return itemQuads; }
    bool isVisible() const { return visible; }
    void setVisible(bool value) { visible = value; }

    bool save(std::ostream& out) const;
    // The texture is the atlas the item draws with; it is not stored.
    bool load(std::istream& in, const sf::Texture* texture);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void registerId();
    void unregisterId();
    void rebuildQuad();

    static std::uint32_t maxId;
    static std::map<std::uint32_t, Item*> registry;

    bool visible = false;
    std::uint32_t id = 0;
    sf::VertexArray itemQuads{sf::Quads, 4};
    const sf::Texture* texture = nullptr; // not saved: handed in by load
    ItemType type = ItemNone;
    sf::Vector2i mapPos{0, 0};
    sf::Vector2i tileSize{0, 0};
    sf::IntRect textureRect; // not saved: looked up from type
};
