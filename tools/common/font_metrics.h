#pragma once
// The metric file of a bitmap font ("fh"), parsed as the game parses it: a
// sequence of decimal integers separated by anything else: one unused
// number, the line height, the entry count, then per entry the character
// code, x, y, blank before, width and blank after.

#include <array>
#include <string>

namespace mkdata {

struct Glyph {
    bool present = false;
    int x = 0, y = 0, before = 0, width = 0, after = 0;
};

struct FontMetrics {
    int lineHeight = 0;
    int entries = 0;
    std::array<Glyph, 256> glyphs {};
};

// False when the text ends before the entries it announces or a code lies
// outside 0..255.
bool parseFontMetrics(const std::string& text, FontMetrics& out);

// Writes metrics in that format, one entry per line.
std::string formatFontMetrics(const FontMetrics& metrics);

}  // namespace mkdata
