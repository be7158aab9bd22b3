// The saves the game makes without a dialog: the autosave at the start of a
// game day, the quick save and its loading, and the picture beside a save.

#include "app/Game.hpp"

#include "persist/SaveGames.hpp"
#include "ui/MenuButtonKind.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <vector>

#include <cstdio>
#include <iostream>
#include <utility>

namespace {

// The picture beside a save: small enough to cost a few milliseconds.
constexpr unsigned PictureWidth = 320;
constexpr unsigned PictureHeight = 180;

} // namespace

void Game::autosaveAtDayStart() {
    const Autosaver::Outcome outcome = autosaver.atDayStart(*level, gameTime.getDaysSinceStart());
    if (!outcome.attempted)
        return;
    if (!outcome.saved) {
        // The game goes on; the next day tries again.
        notice.show("Automatisches Speichern in „" + outcome.slot +
                        "“ fehlgeschlagen – bitte selbst speichern.",
                    true);
        return;
    }
    // The dialogs read the folder when they open: nothing more to do in this frame.
    requestSavePicture(outcome.slot);
    notice.show("Automatisch gespeichert: " + outcome.slot);
}

void Game::quickSave() {
    if (!saveGame(QuickSaveName)) {
        notice.show("Schnellspeichern fehlgeschlagen.", true);
        return;
    }
    notice.show("Schnell gespeichert. F9 lädt diesen Stand.");
}

void Game::quickLoad() {
    if (!GameParams::SaveGameExists(QuickSaveName)) {
        notice.show("Noch kein Schnellspeicherstand: F5 legt ihn an.", true);
        return;
    }
    auto load = [this] {
        const bool loaded = loadGame(QuickSaveName);
        notice.show(loaded ? "Schnellspeicherstand geladen."
                           : "Der Schnellspeicherstand lässt sich nicht laden.",
                    !loaded);
    };
    if (!hasUnsavedProgress()) {
        load();
        return;
    }
    ask("Schnellspeicherstand laden?", {"Nicht gespeicherte Fortschritte gehen verloren."},
        ButtonConfirmLoad, load);
}

void Game::requestSavePicture(const std::string& name) {
    pendingSavePicture = name;
    // Not in the frame that saved: an autosave's frame has spent its time.
    savePictureFramesToWait = 1;
}

void Game::writePendingSavePicture() {
    if (pendingSavePicture.empty() || !level)
        return;
    if (savePictureFramesToWait > 0) {
        --savePictureFramesToWait;
        return;
    }
    const std::string name = std::exchange(pendingSavePicture, std::string());
    // The world as the player sees it, small in a corner of the window's
    // back buffer, read from there and drawn over by the frame: no second
    // target, whose switching costs more than the picture itself.
    const sf::Vector2u windowSize = window->getSize();
    if (windowSize.x < PictureWidth || windowSize.y < PictureHeight)
        return;
    sf::View corner = worldView;
    corner.setViewport(sf::FloatRect(0.f, 0.f, static_cast<float>(PictureWidth) / windowSize.x,
                                     static_cast<float>(PictureHeight) / windowSize.y));
    window->clear(sf::Color::Black);
    window->setView(corner);
    window->draw(*level);
    std::vector<sf::Uint8> rows(4u * PictureWidth * PictureHeight);
    glReadPixels(0, static_cast<GLint>(windowSize.y - PictureHeight), PictureWidth, PictureHeight,
                 GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    // The card counts rows from the bottom.
    std::vector<sf::Uint8> pixels(rows.size());
    const std::size_t rowBytes = 4u * PictureWidth;
    for (unsigned row = 0; row < PictureHeight; ++row)
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(row * rowBytes), rowBytes,
                    pixels.begin() +
                        static_cast<std::ptrdiff_t>((PictureHeight - 1 - row) * rowBytes));
    sf::Image picture;
    picture.create(PictureWidth, PictureHeight, pixels.data());
    // Written beside the picture and renamed over it, as the save itself.
    const std::string path = GameParams::SavePicturePath(name);
    const std::string partial = path + ".tmp.png";
    if (!picture.saveToFile(partial) || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        std::cout << "Game::writePendingSavePicture() - Datei: " << path
                  << " konnte nicht geschrieben werden." << std::endl;
    }
}
