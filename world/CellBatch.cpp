#include "world/CellBatch.hpp"

#include "world/TileRenderer.hpp"

bool CellBatch::Key::operator==(const Key& other) const {
    return firstColumn == other.firstColumn && endColumn == other.endColumn &&
           firstRow == other.firstRow && endRow == other.endRow && revision == other.revision;
}

void CellBatch::begin(const Key& key) {
    tiles.clear();
    zones.clear();
    builtFor = key;
    built = true;
}

void CellBatch::add(sf::VertexArray& batch, const TileRenderer& cell) {
    if (!cell.isVisible())
        return;
    const sf::Transform& transform = cell.getTransform();
    const sf::VertexArray& quad = cell.getQuad();
    for (std::size_t k = 0; k < quad.getVertexCount(); ++k) {
        sf::Vertex vertex = quad[k];
        vertex.position = transform.transformPoint(vertex.position);
        batch.append(vertex);
    }
}
