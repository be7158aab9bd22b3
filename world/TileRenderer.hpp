#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

// One cell's sprite: a textured quad out of the atlas, with its origin at the
// cell centre so that a cell's position is (column, row) times the tile size.
// Tiles, zones and game objects are all drawn through it.
class TileRenderer : public sf::Drawable, public sf::Transformable {
public:
    TileRenderer();
    ~TileRenderer() override = default;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    bool isVisible() const { return visible == 1; }
    void setVisible(bool value) { visible = value ? 1 : 0; }
    sf::Vector2i getMapPos() const { return mapPos; }
    sf::Vector2i getSize() const { return size; }
    sf::IntRect getTextureRect() const { return textureRect; }
    const sf::VertexArray& getQuad() const { return quad; }
    sf::Texture* getTexture() const { return texture; }

protected:
    // Takes the cell size of the active tile size, rebuilds the quad and puts
    // the sprite on the cell with the given rotation in degrees.
    void placeOnCell(sf::Texture* atlas, const sf::IntRect& rect, int column, int row,
                     float rotation);
    void rebuildQuad();

    int visible = 1;
    sf::VertexArray quad;
    sf::Texture* texture = nullptr;
    sf::Vector2i mapPos;
    sf::Vector2i size;
    sf::IntRect textureRect;
};
