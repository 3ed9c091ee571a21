#pragma once
// A look for rendered glyphs: a vertical fill gradient, an outline grown
// around the glyph and a soft drop shadow.

#include "tools/mkdata/canvas.h"
#include "tools/mkdata/glyph_raster.h"
#include "tools/mkdata/image.h"

namespace mkdata {

struct GlyphStyle {
    Rgb top, bottom;      // fill gradient over the line height
    Rgb outline;
    double outlineWidth;  // pixels; 0 for none
    double shadowAlpha;   // 0 for none
    int shadowOffset;
};

// Extra pixels a styled glyph needs around its bitmap.
int stylePadding(const GlyphStyle& style);

// Draws a styled glyph into target with its pen at (penX, baseline); the
// gradient runs from lineTop to lineTop + lineHeight. Straight alpha.
void drawStyledGlyph(Image& target, const GlyphBitmap& glyph, int penX, int baseline, int lineTop,
                     int lineHeight, const GlyphStyle& style);

}  // namespace mkdata
