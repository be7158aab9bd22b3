// The commands that change the level or advance the game.

#include "Runner.hpp"

#include "TypeNames.hpp"

#include "params/ToolMappings.hpp"

#include <SFML/System/Clock.hpp>

#include <cmath>

sf::Vector2f Runner::cellCentre(int column, int row) const {
    return {static_cast<float>(column * level->getTileSizeX()),
            static_cast<float>(row * level->getTileSizeY())};
}

int Runner::buildArea(const Line& line, std::size_t first, ToolCategory category,
                      GuiElemType tool) {
    int c1 = 0, r1 = 0;
    if (!readInt(line, first, c1) || !readInt(line, first + 1, r1))
        return fail(line, "expected a cell: COLUMN ROW");
    int c2 = c1, r2 = r1;
    if (line.words.size() > first + 2 &&
        (!readInt(line, first + 2, c2) || !readInt(line, first + 3, r2)))
        return fail(line, "expected a second cell: COLUMN ROW");
    level->clearRefusal();
    const Level::AreaBuild area =
        level->buildArea(category, tool, {c1, r1}, {c2, r2}, [&](bool built) {
            if (!built)
                refuse(line);
        });
    if (area.missing > 0.0)
        refuse(line);
    return SimOk;
}

int Runner::commandTile(const Line& line) {
    if (!hasWords(line, 4, 6) || line.words.size() == 5)
        return fail(line, "usage: tile TYPE C1 R1 [C2 R2]");
    const auto type = SimNames::ParseTile(line.words[1]);
    if (!type)
        return fail(line, "unknown tile '" + line.words[1] + "'");
    return buildArea(line, 2, CategoryTile, GameParams::GetToolForTileType(*type));
}

int Runner::commandZone(const Line& line) {
    if (!hasWords(line, 4, 6) || line.words.size() == 5)
        return fail(line, "usage: zone TYPE C1 R1 [C2 R2]");
    const auto type = SimNames::ParseZone(line.words[1]);
    if (!type)
        return fail(line, "unknown zone '" + line.words[1] + "'");
    return buildArea(line, 2, CategoryZone, GameParams::GetToolForZoneType(*type));
}

int Runner::commandUnzone(const Line& line) {
    if (!hasWords(line, 3, 5) || line.words.size() == 4)
        return fail(line, "usage: unzone C1 R1 [C2 R2]");
    return buildArea(line, 1, CategoryDemolish, GuiDemolishZone);
}

int Runner::commandObject(const Line& line) {
    if (!hasWords(line, 4, 5))
        return fail(line, "usage: object TYPE C R [DEGREES]");
    const auto type = SimNames::ParseObject(line.words[1]);
    if (!type)
        return fail(line, "unknown object '" + line.words[1] + "'");
    int column = 0, row = 0, degrees = 0;
    if (!readInt(line, 2, column) || !readInt(line, 3, row))
        return fail(line, "expected a cell: COLUMN ROW");
    if (line.words.size() == 5 &&
        (!readInt(line, 4, degrees) || degrees % 90 != 0 || degrees < 0 || degrees > 270))
        return fail(line, "rotation must be 0, 90, 180 or 270");
    const sf::Vector2f at = cellCentre(column, row);
    if (!level->buyObject(static_cast<float>(degrees), *type, at.x, at.y))
        refuse(line);
    return SimOk;
}

int Runner::commandDemolish(const Line& line) {
    int column = 0, row = 0;
    if (!hasWords(line, 3, 3) || !readInt(line, 1, column) || !readInt(line, 2, row))
        return fail(line, "usage: demolish C R");
    const sf::Vector2f at = cellCentre(column, row);
    if (!level->sellObject(at.x, at.y))
        refuse(line);
    return SimOk;
}

int Runner::commandRun(const Line& line) {
    double minutes = 0;
    if (!hasWords(line, 2, 2) || !readNumber(line, 1, minutes) || !(minutes >= 0) ||
        !std::isfinite(minutes))
        return fail(line, "usage: run MINUTES");
    // Counted in double with a little slack, so that 60 minutes in frames of
    // 0.3 are 200 whole frames and not 199 and a sliver.
    const double frame = options.frameMinutes;
    const auto wholeFrames = static_cast<long long>(std::floor(minutes / frame + 1e-9));
    for (long long i = 0; i < wholeFrames; ++i)
        advanceFrame(frame);
    const double rest = minutes - static_cast<double>(wholeFrames) * frame;
    if (rest > 1e-6)
        advanceFrame(rest);
    return SimOk;
}

void Runner::advanceFrame(double minutes) {
    // The clock turns real time into game minutes at its speed level; hand it
    // the real time that makes exactly these minutes at level 1.
    const double minutesPerSecond = clock.getMinutesPerSecond() * clock.getSpeedFactor();
    const sf::Time elapsed = sf::microseconds(std::llround(minutes / minutesPerSecond * 1e6));
    clock.advance(elapsed);
    sf::Clock timer;
    level->update(static_cast<float>(elapsed.asSeconds() * minutesPerSecond));
    if (options.profile)
        updateMicroseconds.push_back(timer.getElapsedTime().asMicroseconds());
    if (clock.dayPassed())
        level->payWages();
}
