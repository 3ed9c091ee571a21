#pragma once
// The wrapped presents: eight colours, each with its own shape and ribbon
// pattern so that they differ without colour too, the unwanted bad gift
// (colour 8) and the shimmering rainbow gift.

#include <cairo.h>

namespace mkdata {

constexpr int kGiftColours = 9;  // 0..7 ordinary, 8 the bad gift

// Draws gift `colour` centred in a 48 × 48 square. shimmer in [0, 1) moves
// a gloss across it; hue shifts the rainbow gift's colours.
void drawGift(cairo_t* cr, int colour, double shimmer);
void drawRainbowGift(cairo_t* cr, double phase);

}  // namespace mkdata
