#pragma once

#include <SFML/Graphics/VertexArray.hpp>

class TileRenderer;

// The ground and zone quads of the visible cells gathered into two vertex
// arrays, each drawn with the atlas in one call instead of one call per cell.
// Rebuilt only when the visible cells or the cells' sprites change.
class CellBatch {
public:
    struct Key {
        int firstColumn = 0;
        int endColumn = 0;
        int firstRow = 0;
        int endRow = 0;
        unsigned revision = 0;
        bool operator==(const Key& other) const;
    };

    bool isCurrent(const Key& key) const { return built && key == builtFor; }
    void begin(const Key& key);
    // Adds the renderer's quad where its transform puts it; a hidden one adds nothing.
    void addTile(const TileRenderer& tile) { add(tiles, tile); }
    void addZone(const TileRenderer& zone) { add(zones, zone); }

    const sf::VertexArray& getTiles() const { return tiles; }
    const sf::VertexArray& getZones() const { return zones; }

private:
    static void add(sf::VertexArray& batch, const TileRenderer& cell);

    sf::VertexArray tiles{sf::Quads};
    sf::VertexArray zones{sf::Quads};
    Key builtFor;
    bool built = false;
};
