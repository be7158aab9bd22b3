#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <vector>

// A small logical canvas for drawing one sprite as pixel art. Sprites are
// designed at a quarter of their atlas size and blown up without smoothing,
// which keeps them crisp at the zoom the game starts with.
class PixelCanvas {
public:
    PixelCanvas(int width, int height);

    int width() const { return canvasWidth; }
    int height() const { return canvasHeight; }
    sf::Color get(int x, int y) const;
    bool isOpaque(int x, int y) const { return get(x, y).a >= 128; }

    // Replaces the pixel; coordinates outside the canvas are ignored.
    void set(int x, int y, sf::Color color);
    // Lays a translucent colour over the pixel (source over destination).
    void blend(int x, int y, sf::Color color);

    void fillRect(int x, int y, int w, int h, sf::Color color);
    void frameRect(int x, int y, int w, int h, sf::Color color);
    // Pixel (x, y) counts as inside when its centre is.
    void fillEllipse(float cx, float cy, float rx, float ry, sf::Color color);
    void fillRing(float cx, float cy, float outer, float inner, sf::Color color);
    void line(int x0, int y0, int x1, int y1, sf::Color color);
    void blendRect(int x, int y, int w, int h, sf::Color color);
    void blendEllipse(float cx, float cy, float rx, float ry, sf::Color color);

    // Fills every pixel for which inside(x, y) holds.
    template <typename Inside> void fillWhere(Inside inside, sf::Color color) {
        for (int y = 0; y < canvasHeight; ++y)
            for (int x = 0; x < canvasWidth; ++x)
                if (inside(x, y))
                    set(x, y, color);
    }
    template <typename Inside> void blendWhere(Inside inside, sf::Color color) {
        for (int y = 0; y < canvasHeight; ++y)
            for (int x = 0; x < canvasWidth; ++x)
                if (inside(x, y))
                    blend(x, y, color);
    }

    // Rings every opaque shape with a border on its transparent side, so
    // sprites stay readable on any floor.
    void outline(sf::Color color);
    // Adds a translucent shadow below and to the right of the opaque shapes.
    void dropShadow(int dx, int dy, sf::Color color);
    void mirrorHorizontally();
    // Lays another canvas over this one, shifted by (dx, dy).
    void overlay(const PixelCanvas& above, int dx, int dy);
    // The same picture moved so that its opaque shapes sit in the middle:
    // an item drawn on a storage cell then fills the cell evenly.
    PixelCanvas centred() const;

    // Scales the canvas by a whole factor into the rectangle of the atlas.
    void paintInto(sf::Image& atlas, const sf::IntRect& rect) const;

private:
    int canvasWidth;
    int canvasHeight;
    std::vector<sf::Color> pixels;
};

// Deterministic per-pixel noise: the atlas must come out byte for byte the
// same on every build, and rand() belongs to the game.
std::uint32_t HashNoise(int x, int y, int seed);
float Noise01(int x, int y, int seed);

sf::Color Shade(sf::Color color, float factor);
sf::Color WithAlpha(sf::Color color, sf::Uint8 alpha);
sf::Color Mix(sf::Color a, sf::Color b, float t);
