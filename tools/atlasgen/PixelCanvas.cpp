#include "PixelCanvas.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

PixelCanvas::PixelCanvas(int width, int height)
    : canvasWidth(width), canvasHeight(height),
      pixels(static_cast<std::size_t>(width * height), sf::Color::Transparent) {}

sf::Color PixelCanvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight)
        return sf::Color::Transparent;
    return pixels[static_cast<std::size_t>(y * canvasWidth + x)];
}

void PixelCanvas::set(int x, int y, sf::Color color) {
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight)
        return;
    pixels[static_cast<std::size_t>(y * canvasWidth + x)] = color;
}

void PixelCanvas::blend(int x, int y, sf::Color color) {
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight)
        return;
    const sf::Color below = get(x, y);
    const float srcA = color.a / 255.f;
    const float dstA = below.a / 255.f;
    const float outA = srcA + dstA * (1.f - srcA);
    if (outA <= 0.f)
        return;
    auto channel = [&](sf::Uint8 src, sf::Uint8 dst) {
        const float value = (src * srcA + dst * dstA * (1.f - srcA)) / outA;
        return static_cast<sf::Uint8>(std::lround(std::clamp(value, 0.f, 255.f)));
    };
    set(x, y,
        sf::Color(channel(color.r, below.r), channel(color.g, below.g), channel(color.b, below.b),
                  static_cast<sf::Uint8>(std::lround(outA * 255.f))));
}

void PixelCanvas::fillRect(int x, int y, int w, int h, sf::Color color) {
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            set(column, row, color);
}

void PixelCanvas::blendRect(int x, int y, int w, int h, sf::Color color) {
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            blend(column, row, color);
}

void PixelCanvas::frameRect(int x, int y, int w, int h, sf::Color color) {
    fillRect(x, y, w, 1, color);
    fillRect(x, y + h - 1, w, 1, color);
    fillRect(x, y, 1, h, color);
    fillRect(x + w - 1, y, 1, h, color);
}

namespace {

auto InsideEllipse(float cx, float cy, float rx, float ry) {
    return [=](int x, int y) {
        const float dx = (x + 0.5f - cx) / rx;
        const float dy = (y + 0.5f - cy) / ry;
        return dx * dx + dy * dy <= 1.f;
    };
}

} // namespace

void PixelCanvas::fillEllipse(float cx, float cy, float rx, float ry, sf::Color color) {
    fillWhere(InsideEllipse(cx, cy, rx, ry), color);
}

void PixelCanvas::blendEllipse(float cx, float cy, float rx, float ry, sf::Color color) {
    blendWhere(InsideEllipse(cx, cy, rx, ry), color);
}

void PixelCanvas::fillRing(float cx, float cy, float outer, float inner, sf::Color color) {
    fillWhere(
        [&](int x, int y) {
            const float distance = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            return distance <= outer && distance > inner;
        },
        color);
}

void PixelCanvas::line(int x0, int y0, int x1, int y1, sf::Color color) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        set(x0, y0, color);
        if (x0 == x1 && y0 == y1)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void PixelCanvas::outline(sf::Color color) {
    const PixelCanvas before = *this;
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x) {
            if (before.get(x, y).a != 0)
                continue;
            if (before.isOpaque(x - 1, y) || before.isOpaque(x + 1, y) ||
                before.isOpaque(x, y - 1) || before.isOpaque(x, y + 1))
                set(x, y, color);
        }
}

void PixelCanvas::dropShadow(int dx, int dy, sf::Color color) {
    const PixelCanvas before = *this;
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if (before.get(x, y).a == 0 && before.isOpaque(x - dx, y - dy))
                set(x, y, color);
}

void PixelCanvas::mirrorHorizontally() {
    for (int y = 0; y < canvasHeight; ++y)
        std::reverse(pixels.begin() + y * canvasWidth, pixels.begin() + (y + 1) * canvasWidth);
}

void PixelCanvas::overlay(const PixelCanvas& above, int dx, int dy) {
    for (int y = 0; y < above.height(); ++y)
        for (int x = 0; x < above.width(); ++x)
            if (above.get(x, y).a != 0)
                blend(x + dx, y + dy, above.get(x, y));
}

PixelCanvas PixelCanvas::centred() const {
    int left = canvasWidth, top = canvasHeight, right = -1, bottom = -1;
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if (isOpaque(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return *this;
    PixelCanvas moved(canvasWidth, canvasHeight);
    // Both margins equal, or the right and bottom one a pixel wider.
    const int dx = (canvasWidth - 1 - right - left) / 2;
    const int dy = (canvasHeight - 1 - bottom - top) / 2;
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            moved.set(x + dx, y + dy, get(x, y));
    return moved;
}

void PixelCanvas::paintInto(sf::Image& atlas, const sf::IntRect& rect) const {
    const int scale = rect.width / canvasWidth;
    if (scale < 1 || rect.width != scale * canvasWidth || rect.height != scale * canvasHeight)
        throw std::runtime_error("Sprite passt nicht in sein Atlas-Rechteck!");
    const sf::Vector2u atlasSize = atlas.getSize();
    if (rect.left < 0 || rect.top < 0 ||
        static_cast<unsigned>(rect.left + rect.width) > atlasSize.x ||
        static_cast<unsigned>(rect.top + rect.height) > atlasSize.y)
        throw std::runtime_error("Atlas-Rechteck liegt ausserhalb des Atlas!");
    for (int y = 0; y < rect.height; ++y)
        for (int x = 0; x < rect.width; ++x)
            atlas.setPixel(static_cast<unsigned>(rect.left + x),
                           static_cast<unsigned>(rect.top + y), get(x / scale, y / scale));
}

std::uint32_t HashNoise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float Noise01(int x, int y, int seed) {
    return (HashNoise(x, y, seed) & 0xFFFFu) / 65535.f;
}

sf::Color Shade(sf::Color color, float factor) {
    auto channel = [factor](sf::Uint8 value) {
        return static_cast<sf::Uint8>(std::lround(std::clamp(value * factor, 0.f, 255.f)));
    };
    return sf::Color(channel(color.r), channel(color.g), channel(color.b), color.a);
}

sf::Color WithAlpha(sf::Color color, sf::Uint8 alpha) {
    color.a = alpha;
    return color;
}

sf::Color Mix(sf::Color a, sf::Color b, float t) {
    auto channel = [t](sf::Uint8 from, sf::Uint8 to) {
        return static_cast<sf::Uint8>(std::lround(from + (to - from) * t));
    };
    return sf::Color(channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), channel(a.a, b.a));
}
