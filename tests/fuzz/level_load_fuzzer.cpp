// Feeds arbitrary bytes to the level loader: a save file is untrusted input,
// so whatever it holds must fail cleanly or load, never crash or hang.
#include "params/Texts.hpp"
#include "params/TileSize.hpp"
#include "persist/SaveHeader.hpp"
#include "world/Level.hpp"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>

namespace {

Level& FuzzedLevel() {
    static Level* level = [] {
        GameParams::SetTileSizeType(SIZE128PX);
        GameParams::Texts::Init();
        // The loader's messages are expected; printing them only slows the run.
        std::cout.setstate(std::ios::badbit);
        return new Level(nullptr, nullptr, "");
    }();
    return *level;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Level& level = FuzzedLevel();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    in.imbue(std::locale::classic());
    // As a load reads a file: the header line first, when there is one.
    GameParams::ReadSaveHeader(in);
    if (level.readFrom(in)) {
        // What loaded must also be written again.
        std::ostringstream out;
        out.imbue(std::locale::classic());
        level.writeTo(out);
    }
    return 0;
}
