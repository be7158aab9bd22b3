// The world camera: zoom levels, keyboard scrolling and the pointer's tile.

#include "app/Game.hpp"

#include "params/TileSize.hpp"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>

int Game::atlasScale() const {
    return static_cast<int>(GameParams::GetTileSizeType()) / 32;
}

int Game::farthestZoomIndex() const {
    if (!level)
        return ZoomLevelCount - 1;
    const float tile = static_cast<float>(GameParams::GetTileSizeType());
    const sf::Vector2f map(level->getWidth() * tile, level->getHeight() * tile);
    for (int index = ZoomLevelCount - 1; index > 0; --index) {
        const float scale = zoomLevels[index] * static_cast<float>(atlasScale());
        if (std::floor(scale * windowSize.x) <= map.x && std::floor(scale * windowSize.y) <= map.y)
            return index;
    }
    return 0;
}

void Game::keepViewOnMap() {
    if (!level)
        return;
    // Cells are centred on multiples of the tile size, so the map starts
    // half a tile before zero.
    const float tile = static_cast<float>(GameParams::GetTileSizeType());
    const float step = static_cast<float>(atlasScale()) * std::ceil(zoomLevels[zoomIndex]);
    auto onMap = [&](float centre, float viewSize, int cells) {
        const float first = -tile / 2.f;
        const float last = cells * tile - tile / 2.f;
        const float low = first + viewSize / 2.f;
        const float high = last - viewSize / 2.f;
        if (low > high)
            return std::round((first + last) / 2.f);
        // On the zoom's whole steps where they fit, so tile edges stay on pixels.
        const float steppedLow = std::ceil(low / step) * step;
        const float steppedHigh = std::floor(high / step) * step;
        if (steppedLow <= steppedHigh)
            return std::clamp(centre, steppedLow, steppedHigh);
        return std::clamp(centre, low, high);
    };
    const sf::Vector2f size = worldView.getSize();
    const sf::Vector2f centre = worldView.getCenter();
    worldView.setCenter(onMap(centre.x, size.x, level->getWidth()),
                        onMap(centre.y, size.y, level->getHeight()));
}

void Game::setZoom(int index) {
    index = std::clamp(index, 0, farthestZoomIndex());
    const sf::View remembered = window->getView();
    window->setView(worldView);
    const sf::Vector2f before = window->mapPixelToCoords(windowPixel);

    const bool zoomingOut = zoomIndex < index;
    zoomIndex = index;
    const float zoom = zoomLevels[zoomIndex];
    const float s = static_cast<float>(atlasScale());
    fitWorldViewToWindow();

    // Zooming in keeps the world point under the pointer; zooming out keeps the centre.
    if (!zoomingOut) {
        window->setView(worldView);
        const sf::Vector2f after = window->mapPixelToCoords(windowPixel);
        worldView.move(std::floor(before.x - after.x), std::floor(before.y - after.y));
    }

    // Whole-pixel steps of the atlas scale keep tile edges on screen pixels.
    const int step = static_cast<int>(s * std::ceil(zoom));
    auto snap = [step](float value) {
        float v = std::round(value);
        v -= static_cast<float>(static_cast<int>(v) % step);
        return std::round(v);
    };
    worldView.setCenter(snap(worldView.getCenter().x), snap(worldView.getCenter().y));
    keepViewOnMap();

    renderToTexture = zoom * s < 1.f;
    window->setView(remembered);
}

void Game::fitWorldViewToWindow() {
    // A bigger window shows more of the world at the same zoom, but never
    // more than the map.
    zoomIndex = std::min(zoomIndex, farthestZoomIndex());
    const float scale = zoomLevels[zoomIndex] * static_cast<float>(atlasScale());
    const sf::Vector2f size(std::floor(scale * windowSize.x), std::floor(scale * windowSize.y));
    worldView.setSize(size);
    if (level) {
        level->setZoom(scale);
        level->setViewSize(static_cast<int>(size.x), static_cast<int>(size.y));
    }
    keepViewOnMap();
}

void Game::onMouseWheel(float delta) {
    if (Menu* top = getTopMenu()) {
        top->onMouseWheel(delta > 0 ? 1 : -1, mousePixel.x, mousePixel.y);
        return;
    }
    // Fine wheels and touchpads report a notch in parts: a zoom step waits
    // for a whole one, so one notch is always one step.
    wheelNotches += delta;
    const int notches = static_cast<int>(wheelNotches);
    if (notches == 0)
        return;
    wheelNotches -= static_cast<float>(notches);
    setZoom(zoomIndex - notches);
}

void Game::scrollByKeyboard(sf::Time elapsed) {
    if (isDialogOpen())
        return;
    using Key = sf::Keyboard;
    auto held = [this](Key::Key arrow, Key::Key letter) {
        return heldKeys.isHeld(arrow) || heldKeys.isHeld(letter);
    };
    if (held(Key::Up, Key::W))
        scrollView(0.f, 1.f, elapsed);
    if (held(Key::Down, Key::S))
        scrollView(0.f, -1.f, elapsed);
    if (held(Key::Left, Key::A))
        scrollView(1.f, 0.f, elapsed);
    if (held(Key::Right, Key::D))
        scrollView(-1.f, 0.f, elapsed);
}

void Game::scrollView(float dx, float dy, sf::Time elapsed) {
    const float s = static_cast<float>(atlasScale());
    const float m = worldView.getSize().x / static_cast<float>(windowSize.x);
    // Never slower than half the 1:1 speed, or the closest zooms would crawl.
    float f = -m;
    if (m < s / 2.f)
        f = -s / 2.f;
    else if (m < s)
        f = -s;
    const double seconds = static_cast<double>(elapsed.asMicroseconds()) / 1000000.0;
    const double p = std::max(1.0, std::floor(seconds * scrollSpeed));
    worldView.move(static_cast<float>(std::floor(p * dx * f)),
                   static_cast<float>(std::floor(p * dy * f)));
    keepViewOnMap();
}

void Game::showCell(sf::Vector2i cell) {
    // A cell's centre lies on its multiple of the tile size, which keeps
    // the view on whole pixels of every zoom.
    const float tile = static_cast<float>(GameParams::GetTileSizeType());
    worldView.setCenter(static_cast<float>(cell.x) * tile, static_cast<float>(cell.y) * tile);
    keepViewOnMap();
    movePointerTo(mousePixel);
}

void Game::updatePointer() {
    movePointerTo(window ? sf::Mouse::getPosition(*window) : windowPixel);
}

void Game::movePointerTo(sf::Vector2i pixel) {
    windowPixel = pixel;
    if (window) {
        mouseWorld = window->mapPixelToCoords(windowPixel, worldView);
        const sf::Vector2f onInterface = window->mapPixelToCoords(windowPixel, guiView);
        mousePixel = {static_cast<int>(std::floor(onInterface.x)),
                      static_cast<int>(std::floor(onInterface.y))};
    } else {
        // Without a window (tests) the view fills a frame of the window's size.
        const sf::Vector2f corner = worldView.getCenter() - worldView.getSize() / 2.f;
        mouseWorld = {corner.x + windowPixel.x * worldView.getSize().x / windowSize.x,
                      corner.y + windowPixel.y * worldView.getSize().y / windowSize.y};
        mousePixel = windowPixel;
    }
    const float tile = static_cast<float>(GameParams::GetTileSizeType());
    mouseTile = {static_cast<int>(std::floor((tile / 2.f + mouseWorld.x) / tile)),
                 static_cast<int>(std::floor((tile / 2.f + mouseWorld.y) / tile))};
    cursor.setPosition(static_cast<float>(mouseTile.x) * tile,
                       static_cast<float>(mouseTile.y) * tile);
    if (cursor.isDragging())
        cursor.updateDrag();
    cursor.refreshPreview();
    updateHoverAndTooltip();
}

void Game::onKeyReleased(sf::Keyboard::Key key) {
    if (Menu* top = getTopMenu()) {
        top->onKeyReleased(key);
        return;
    }
    int change = 0;
    if (key == sf::Keyboard::Equal || key == sf::Keyboard::Add)
        change = 1;
    else if (key == sf::Keyboard::Hyphen || key == sf::Keyboard::Subtract)
        change = -1;
    if (change == 0)
        return;
    const int levels = static_cast<int>(gameTime.getSpeedLevelCount());
    const int wanted = static_cast<int>(gameTime.getSpeedLevel()) + change;
    gameTime.setSpeedLevel(static_cast<unsigned>(std::clamp(wanted, 0, levels - 1)));
    gameTime.setChanged();
}
