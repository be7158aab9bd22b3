// Cost of whole frames of the running game (update, then draw) over a busy
// factory, at the starting zoom and at the closest one. Needs a display; from
// build/, with a save written by the headless runner:
//   (cat ../bench/factory_50.sim; echo save factory.sav) | ./ostravel-sim --seed 1 -
//   xvfb-run -a -s "-screen 0 1600x1200x24" bench/full_frame factory.sav [frames [prefix]]
// Prints the median and the 99th percentile per frame in milliseconds, and
// the share of the draw. With a prefix it first saves the window's picture of
// the loaded factory at each zoom as prefix-zoomN.png, before any frame runs,
// so that two builds can be compared pixel by pixel.

#include "app/Game.hpp"
#include "world/MetaZone.hpp"
#include "world/Zone.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Timing {
    std::vector<double> frame;
    std::vector<double> draw;
};

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[index];
}

Timing measure(Game& game, int frames) {
    Timing timing;
    for (int i = 0; i < frames + 10; ++i) {
        sf::Clock clock;
        game.update();
        const sf::Int64 updated = clock.getElapsedTime().asMicroseconds();
        game.draw();
        const sf::Int64 total = clock.getElapsedTime().asMicroseconds();
        if (i < 10)
            continue; // the first frames fill caches and upload textures
        timing.frame.push_back(total / 1000.0);
        timing.draw.push_back((total - updated) / 1000.0);
    }
    return timing;
}

// The level as it was drawn before its cells were batched: one call per
// ground and zone quad. Timed frame by frame in turn with the batched level,
// so that the load of a shared machine hits both alike.
void drawCellByCell(sf::RenderTarget& target, const Level& level, const sf::View& view) {
    sf::RenderStates states;
    states.transform = level.getTransform();
    states.texture = level.getTexture();
    const Level::CellRange range = level.getVisibleCellRange(&view);
    for (int row = range.firstRow; row < range.endRow; ++row)
        for (int column = range.firstColumn; column < range.endColumn; ++column) {
            target.draw(*level.getTileAt(column, row), states);
            target.draw(*level.getZoneAt(column, row), states);
        }
    for (const auto& metaZone : level.getMetaZones())
        target.draw(*metaZone, states);
    level.forEachInDrawOrder([&](const sf::Drawable& drawable) { target.draw(drawable, states); });
    for (const sf::RectangleShape& border : level.getBorderShapes())
        target.draw(border, states);
}

void compareWithCellByCell(Game& game, int frames) {
    sf::RenderWindow& window = *game.getWindow();
    const Level& level = *game.getLevel();
    std::vector<double> batched;
    std::vector<double> cellByCell;
    for (int i = 0; i < frames; ++i) {
        for (bool batch : {true, false}) {
            sf::Clock clock;
            window.clear();
            window.setView(game.getWorldView());
            if (batch)
                window.draw(level);
            else
                drawCellByCell(window, level, game.getWorldView());
            window.display();
            (batch ? batched : cellByCell)
                .push_back(clock.getElapsedTime().asMicroseconds() / 1000.0);
        }
    }
    const double a = percentile(batched, 0.5);
    const double b = percentile(cellByCell, 0.5);
    std::cout << "  level batched: median " << a << " ms; one call per cell: median " << b
              << " ms; ratio " << a / b << std::endl;
}

double emptyFrame(Game& game, int frames) {
    sf::RenderWindow& window = *game.getWindow();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        sf::Clock clock;
        window.clear();
        window.display();
        times.push_back(clock.getElapsedTime().asMicroseconds() / 1000.0);
    }
    return percentile(times, 0.5);
}

void savePictures(Game& game, const std::string& prefix) {
    sf::RenderWindow& window = *game.getWindow();
    for (int zoom = 0; zoom < 5; ++zoom) {
        game.setZoom(zoom);
        game.draw();
        sf::Texture picture;
        picture.create(window.getSize().x, window.getSize().y);
        picture.update(window);
        picture.copyToImage().saveToFile(prefix + "-zoom" + std::to_string(zoom) + ".png");
    }
}

void report(const char* name, const Timing& timing) {
    std::cout << name << ": frame median " << percentile(timing.frame, 0.5) << " ms, p99 "
              << percentile(timing.frame, 0.99) << " ms; draw median "
              << percentile(timing.draw, 0.5) << " ms, p99 " << percentile(timing.draw, 0.99)
              << " ms" << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    Game game;
    if (!game.loadAssets() || !game.init())
        return 1;
    if (argc > 1 && !game.getLevel()->loadKeepingCurrent(argv[1])) {
        std::cerr << "cannot load " << argv[1] << std::endl;
        return 1;
    }
    const int frames = argc > 2 ? std::max(10, std::atoi(argv[2])) : 300;
    game.getWindow()->setFramerateLimit(0); // measure the work, not the pacing
    game.getGameTime().setSpeedLevel(1);
    // Over the factory's rooms (columns 10-46, rows 11-21 in the scripts).
    game.getWorldView().setCenter(28 * 128.f, 16 * 128.f);
    std::cout << "objects " << game.getLevel()->getGameObjects().size() << ", employees "
              << game.getLevel()->getEmployees().size() << ", " << frames << " frames" << std::endl;

    if (argc > 3)
        savePictures(game, argv[3]);
    std::cout << "empty frame (clear, display): median " << emptyFrame(game, frames / 2) << " ms"
              << std::endl;
    const struct {
        int index;
        const char* name;
    } zooms[] = {
        {3, "start zoom (index 3)"}, {0, "closest zoom (index 0)"}, {4, "farthest zoom (index 4)"}};
    for (const auto& zoom : zooms) {
        game.setZoom(zoom.index);
        report(zoom.name, measure(game, frames));
        compareWithCellByCell(game, frames / 2);
    }
    // The HUD's alert list is drawn in every frame above; the statistics
    // dialog, with its tables and chart, over the factory at the start zoom.
    game.setZoom(3);
    // Zooming moved the view (in towards the pointer, out against the map's
    // edge): back over the rooms, so the dialog covers the start's view.
    game.getWorldView().setCenter(28 * 128.f, 16 * 128.f);
    game.openStatisticsMenu();
    report("start zoom, statistics dialog open", measure(game, frames));
    game.closeTopMenu();
    game.getWindow()->close();
    return 0;
}
