#pragma once
// Bitmap fonts: a sprite whose glyphs sit side by side in one or more
// horizontal bands (the same glyphs in different looks), an alpha
// companion for soft edges, and a metric file of glyph positions.

#include "graphics/sprite.h"

#include <cstdint>
#include <string_view>
#include <vector>

class Font : public Sprite {
public:
    ~Font() override = default;
    virtual void LoadFont();

    std::int16_t nSpaceAdvance = 0;  // pen advance for codes 0 to 32
    std::int16_t nLineHeight = 0;    // height of a band and of every glyph
    std::int16_t glyphPos[256][2] = {};        // x, y in the first band
    std::int8_t glyphSpacing[256][3] = {};     // before, width, after
    bool glyphListed[256] = {};                // named by the metric file
};

// The font registered under that name (any case), else a new one loaded.
Font* graphLoadFont(const char* name);
void graphDeleteFont(Font* font);

// Width in pixels of the first maxLength characters (0x0FFFFFFF: all).
int TextWidth(const Font* font, const char* text, int maxLength);
// One line of text; style picks the band; alignment 0 centres, positive
// aligns right (bottom), negative left (top).
void DrawString(Sprite* dest, Font* font, int x, int y, const char* text, int style, int hAlign, int vAlign);
// Copies glyphs and their alpha bytes into a destination with its own alpha map.
void DrawStringMask(Sprite* dest, Font* font, int x, int y, const char* text);

// The metric file's numbers: each found by skipping what is neither digit
// nor '-', read in decimal, then the rest of the number skipped.
std::vector<long> parseMetricNumbers(std::string_view text);
