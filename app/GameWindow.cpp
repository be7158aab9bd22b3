// The window: windowed at any size or full screen, with the world filling it
// and the interface, scaled as the player chose, kept to its edges.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/VideoMode.hpp>

#include <algorithm>
#include <filesystem>

namespace {

const char* const IconPath = "img/ostravel-icon.png";

} // namespace

void Game::createWindow() {
    const bool fullScreen = settings.fullScreen != 0;
    const sf::VideoMode mode = fullScreen ? sf::VideoMode::getDesktopMode()
                                          : sf::VideoMode(windowedSize.x, windowedSize.y, 32);
    if (!window)
        window = std::make_unique<sf::RenderWindow>();
    window->create(mode, "Ostravel", fullScreen ? sf::Style::Fullscreen : sf::Style::Default);
    window->setFramerateLimit(FrameRateLimit);
    fullScreenShown = fullScreen;
    // A missing icon leaves the desktop's own; the game needs none.
    sf::Image icon;
    if (icon.loadFromFile((std::filesystem::path(assetFolder) / IconPath).string()))
        window->setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    onWindowResized(window->getSize());
}

void Game::onWindowResized(sf::Vector2u size) {
    if (!fullScreenShown && (size.x < MinimumWidth || size.y < MinimumHeight) && window) {
        // Asked to grow back; until the window manager agrees, the
        // interface shrinks to fit what there is.
        window->setSize({std::max(size.x, MinimumWidth), std::max(size.y, MinimumHeight)});
    }
    windowSize = {std::max(size.x, 1u), std::max(size.y, 1u)};
    if (!fullScreenShown)
        windowedSize = {std::max(windowSize.x, MinimumWidth),
                        std::max(windowSize.y, MinimumHeight)};
    fitViewsToWindow();
}

void Game::fitViewsToWindow() {
    const sf::Vector2f window(windowSize);
    // The chosen scale, as far as the window leaves room for the smallest
    // interface; below that the whole interface shrinks rather than losing
    // its edges.
    interfaceScale = std::min(
        {settings.interfaceScale / 100.f, window.x / MinimumWidth, window.y / MinimumHeight});
    guiView.reset({0.f, 0.f, window.x / interfaceScale, window.y / interfaceScale});
    fitWorldViewToWindow();

    // Off screen the world is drawn unscaled: at the closest zoom it needs
    // half the window, which the texture must hold.
    if (renderTexture &&
        (renderTexture->getSize().x < windowSize.x || renderTexture->getSize().y < windowSize.y)) {
        renderTexture->create(std::max(windowSize.x, WindowWidth),
                              std::max(windowSize.y, WindowHeight));
    }

    gui.placeOnScreen(getGuiSize());
    notice.placeAt(getGuiSize().x / 2.f, 8.f);
    for (Menu* menu : openMenus)
        DialogLayout::Centre(*menu);
    if (level)
        movePointerTo(windowPixel);
}

void Game::scrollAtEdges(sf::Time elapsed) {
    if (settings.edgeScrolling == 0 || isDialogOpen() || !window || !window->hasFocus())
        return;
    // A band a few pixels wide: wide enough to find by hand, narrow enough
    // that the HUD's buttons at the edges stay usable.
    constexpr int Band = 4;
    const sf::Vector2i at = windowPixel;
    const int width = static_cast<int>(windowSize.x);
    const int height = static_cast<int>(windowSize.y);
    if (at.x < 0 || at.y < 0 || at.x >= width || at.y >= height)
        return;
    if (at.y < Band)
        scrollView(0.f, 1.f, elapsed);
    else if (at.y >= height - Band)
        scrollView(0.f, -1.f, elapsed);
    if (at.x < Band)
        scrollView(1.f, 0.f, elapsed);
    else if (at.x >= width - Band)
        scrollView(-1.f, 0.f, elapsed);
}
