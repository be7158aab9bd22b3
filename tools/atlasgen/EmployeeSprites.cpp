#include "AtlasSections.hpp"
#include "PixelCanvas.hpp"

#include "params/Graphics.hpp"

#include <cmath>

namespace Atlas = GameParams::Graphics::SIZE128PX;

// The employee is drawn as seven stacked layers that the game tints by
// multiplying with the person's colours, so the tinted layers are light
// greys: white takes the colour fully, the greys shade it. Every layer is
// drawn on one shared person canvas and then cut out at its own offset, which
// keeps the parts lined up however the layer offsets are chosen.
namespace {

// The game's sprite directions: 1 walking up the screen, 2 right, 3 down
// towards the viewer, 4 left.
enum Facing { FacingAway = 1, FacingRight = 2, FacingViewer = 3, FacingLeft = 4 };

enum Layer { Legs = 1, Torso, Hands, Head, Face, Hair, HairShine };

constexpr int CellSize = TileCanvasSize;
// Hair reaches above the cell; the canvas has room for it.
constexpr int Headroom = 4;
// Body layers are 64 pixels square in the atlas.
constexpr int LayerSize = 64 / PixelArtScale;

const sf::Color Light(255, 255, 255);
const sf::Color Base(234, 234, 234);
const sf::Color Shadow(196, 196, 196);
const sf::Color Deep(156, 156, 156);
const sf::Color Rim(92, 92, 92);

// A canvas in person coordinates: x and y as in the 128-pixel cell, divided
// by four.
class PersonCanvas {
public:
    PersonCanvas() : canvas(CellSize, CellSize + Headroom) {}
    void set(int x, int y, sf::Color color) { canvas.set(x, y + Headroom, color); }
    void fillRect(int x, int y, int w, int h, sf::Color color) {
        canvas.fillRect(x, y + Headroom, w, h, color);
    }
    void fillEllipse(float cx, float cy, float rx, float ry, sf::Color color) {
        canvas.fillEllipse(cx, cy + Headroom, rx, ry, color);
    }
    template <typename Inside> void fillWhere(Inside inside, sf::Color color) {
        canvas.fillWhere([&](int x, int y) { return inside(x, y - Headroom); }, color);
    }
    PixelCanvas& pixels() { return canvas; }

private:
    PixelCanvas canvas;
};

bool Sideways(int facing) {
    return facing == FacingRight || facing == FacingLeft;
}

void DrawLegs(PersonCanvas& person, int facing) {
    if (Sideways(facing)) {
        person.fillRect(13, 22, 6, 2, Base);
        // Mid-stride: the front leg reaches forward, the back leg behind.
        for (int row = 0; row < 6; ++row) {
            person.fillRect(16 + row / 3, 24 + row, 3, 1, Base);
            person.fillRect(14 - row / 3, 24 + row, 3, 1, Shadow);
        }
        person.fillRect(18, 29, 4, 2, Deep);
        person.fillRect(11, 29, 4, 2, Deep);
        return;
    }
    person.fillRect(12, 22, 8, 2, Base);
    person.fillRect(12, 24, 3, 5, Base);
    person.fillRect(17, 24, 3, 5, Base);
    person.fillRect(14, 24, 1, 5, Shadow);
    person.fillRect(19, 24, 1, 5, Shadow);
    person.fillRect(12, 29, 3, 2, Deep);
    person.fillRect(17, 29, 3, 2, Deep);
}

void DrawTorso(PersonCanvas& person, int facing) {
    if (Sideways(facing)) {
        person.fillRect(13, 14, 6, 10, Base);
        person.fillRect(14, 13, 4, 1, Base);
        person.fillRect(13, 14, 1, 10, Light);
        // The near arm hangs over the body, swinging forward.
        person.fillRect(15, 14, 3, 5, Shadow);
        person.fillRect(16, 19, 3, 2, Shadow);
        person.fillRect(15, 14, 1, 5, Deep);
        return;
    }
    person.fillRect(11, 14, 10, 10, Base);
    person.fillRect(12, 13, 8, 1, Base);
    person.fillRect(9, 14, 2, 7, Shadow); // arms
    person.fillRect(21, 14, 2, 7, Shadow);
    person.fillRect(11, 14, 1, 10, Light);
    person.fillRect(20, 14, 1, 10, Shadow);
    person.fillRect(12, 22, 8, 2, Shadow); // belt line
    if (facing == FacingViewer) {
        person.set(15, 14, Deep); // collar
        person.set(16, 14, Deep);
        person.set(15, 15, Shadow);
        person.set(16, 15, Shadow);
    } else {
        person.fillRect(15, 16, 2, 5, Shadow); // spine crease
    }
}

void DrawHands(PersonCanvas& person, int facing) {
    if (Sideways(facing)) {
        person.fillRect(17, 21, 2, 2, Base);
        return;
    }
    person.fillRect(9, 21, 2, 2, Base);
    person.fillRect(21, 21, 2, 2, Base);
}

void DrawHead(PersonCanvas& person, int facing) {
    person.fillRect(14, 12, 4, 3, Shadow); // neck
    person.fillEllipse(16.f, 8.f, 6.f, 5.5f, Base);
    person.fillEllipse(15.f, 6.5f, 3.f, 2.5f, Light);
    person.fillWhere(
        [](int x, int y) {
            const float dx = (x + 0.5f - 16.f) / 6.f;
            const float dy = (y + 0.5f - 8.f) / 5.5f;
            return dx * dx + dy * dy <= 1.f && dx + dy > 0.9f;
        },
        Shadow);
    if (Sideways(facing)) {
        person.set(15, 8, Shadow); // ear
        person.set(15, 9, Shadow);
        person.set(22, 9, Base); // nose
    } else {
        person.set(9, 8, Base); // ears
        person.set(9, 9, Shadow);
        person.set(22, 8, Base);
        person.set(22, 9, Shadow);
    }
}

// Drawn untinted: real eye and mouth colours.
void DrawFace(PersonCanvas& person, int facing) {
    const sf::Color eye(36, 30, 34);
    const sf::Color mouth(160, 70, 64);
    const sf::Color blush(240, 120, 120, 80);
    const sf::Color neckShadow(0, 0, 0, 70);
    if (facing == FacingViewer) {
        person.fillRect(13, 8, 1, 2, eye);
        person.fillRect(18, 8, 1, 2, eye);
        person.fillRect(15, 11, 2, 1, mouth);
        person.set(12, 10, blush);
        person.set(19, 10, blush);
        person.fillRect(14, 13, 4, 1, neckShadow);
    } else if (Sideways(facing)) {
        person.fillRect(19, 8, 1, 2, eye);
        person.set(20, 11, mouth);
        person.set(18, 10, blush);
        person.fillRect(14, 13, 3, 1, neckShadow);
    } else {
        // Seen from behind only the shadow the head casts on the neck shows.
        person.fillRect(13, 13, 6, 2, neckShadow);
    }
}

void DrawHair(PersonCanvas& person, int facing) {
    auto cap = [](int x, int y, float cx, float cy, float rx, float ry) {
        const float dx = (x + 0.5f - cx) / rx;
        const float dy = (y + 0.5f - cy) / ry;
        return dx * dx + dy * dy <= 1.f;
    };
    if (facing == FacingAway) {
        person.fillWhere([&](int x, int y) { return cap(x, y, 16.f, 7.5f, 6.5f, 6.f) && y <= 12; },
                         Base);
        person.fillRect(13, 12, 6, 1, Shadow);
    } else if (facing == FacingViewer) {
        person.fillWhere(
            [&](int x, int y) {
                if (!cap(x, y, 16.f, 7.5f, 6.5f, 6.f))
                    return false;
                const bool fringe = y <= 5 || (y == 6 && (x + y) % 3 != 0);
                const bool sideLock = (x <= 10 || x >= 21) && y <= 10;
                return fringe || sideLock;
            },
            Base);
        person.fillRect(12, 5, 1, 2, Shadow);
        person.fillRect(17, 5, 1, 2, Shadow);
    } else {
        person.fillWhere(
            [&](int x, int y) {
                if (!cap(x, y, 16.f, 7.5f, 6.5f, 6.f))
                    return false;
                return y <= 5 || (x <= 14 && y <= 11) || (x >= 20 && y <= 6);
            },
            Base);
        person.fillRect(11, 5, 1, 5, Shadow);
    }
}

// The highlight over the hair; it is laid on top untinted.
void DrawHairShine(PersonCanvas& person, int facing) {
    const sf::Color shine(255, 255, 255, 150);
    const int left = facing == FacingRight ? 13 : 12;
    person.fillRect(left + 1, 3, 4, 1, shine);
    person.fillRect(left, 4, 2, 1, shine);
    person.fillRect(left + 4, 4, 2, 1, WithAlpha(shine, 90));
}

using LayerPainter = void (*)(PersonCanvas&, int);

LayerPainter PainterOf(int layer) {
    switch (layer) {
    case Legs:
        return DrawLegs;
    case Torso:
        return DrawTorso;
    case Hands:
        return DrawHands;
    case Head:
        return DrawHead;
    case Face:
        return DrawFace;
    case Hair:
        return DrawHair;
    default:
        return DrawHairShine;
    }
}

bool IsTinted(int layer) {
    return layer != Face && layer != HairShine;
}

PixelCanvas LayerSprite(int layer, int facing) {
    PersonCanvas person;
    // Left is the mirror image of right.
    PainterOf(layer)(person, facing == FacingLeft ? FacingRight : facing);
    if (IsTinted(layer))
        person.pixels().outline(Rim);
    if (facing == FacingLeft)
        person.pixels().mirrorHorizontally();

    const sf::Vector2f offset = Atlas::GetEmployeeLayerOffset(layer);
    const int left = static_cast<int>(std::lround(offset.x)) / PixelArtScale;
    const int top = static_cast<int>(std::lround(offset.y)) / PixelArtScale + Headroom;
    PixelCanvas sprite(LayerSize, LayerSize);
    for (int y = 0; y < LayerSize; ++y)
        for (int x = 0; x < LayerSize; ++x)
            sprite.set(x, y, person.pixels().get(left + x, top + y));
    return sprite;
}

} // namespace

void DrawEmployeeLayers(sf::Image& atlas) {
    for (int layer = 1; layer <= Atlas::EmployeeLayerCount; ++layer)
        for (int facing = FacingAway; facing <= FacingLeft; ++facing)
            LayerSprite(layer, facing)
                .paintInto(atlas, Atlas::GetEmployeeLayerTexture(layer, facing));
}
