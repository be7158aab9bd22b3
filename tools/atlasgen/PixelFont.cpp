#include "PixelFont.hpp"

namespace {

constexpr int GlyphWidth = 3;
constexpr int GlyphHeight = 5;

struct Glyph {
    char character;
    const char* rows[GlyphHeight];
};

constexpr Glyph Glyphs[] = {
    {'A', {"010", "101", "111", "101", "101"}}, {'E', {"111", "100", "110", "100", "111"}},
    {'G', {"011", "100", "101", "101", "011"}}, {'L', {"100", "100", "100", "100", "111"}},
    {'M', {"101", "111", "111", "101", "101"}}, {'O', {"010", "101", "101", "101", "010"}},
    {'R', {"110", "101", "110", "101", "101"}}, {'S', {"011", "100", "010", "001", "110"}},
    {'T', {"111", "010", "010", "010", "010"}}, {'V', {"101", "101", "101", "101", "010"}},
    {'1', {"010", "110", "010", "010", "111"}}, {'2', {"110", "001", "010", "100", "111"}},
    {'3', {"110", "001", "010", "001", "110"}},
};

const Glyph* FindGlyph(char character) {
    for (const Glyph& glyph : Glyphs)
        if (glyph.character == character)
            return &glyph;
    return nullptr;
}

} // namespace

void DrawPixelText(PixelCanvas& canvas, int x, int y, const std::string& text, sf::Color color) {
    for (char character : text) {
        if (const Glyph* glyph = FindGlyph(character))
            for (int row = 0; row < GlyphHeight; ++row)
                for (int column = 0; column < GlyphWidth; ++column)
                    if (glyph->rows[row][column] == '1')
                        canvas.set(x + column, y + row, color);
        x += GlyphWidth + 1;
    }
}

int PixelTextWidth(const std::string& text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * (GlyphWidth + 1) - 1;
}
