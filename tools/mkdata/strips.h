#pragma once
// Helpers for animation strips: each frame drawn on its own canvas and the
// frames stacked vertically as the game expects.

#include "tools/mkdata/canvas.h"

#include <functional>

namespace mkdata {

// Draws `frames` frames of w × h; draw gets the frame's phase in [0, 1).
Image makeStrip(int w, int h, int frames, const std::function<void(cairo_t*, double phase)>& draw);
// One still picture.
Image makePicture(int w, int h, const std::function<void(cairo_t*)>& draw);
// Opaque pixels are kept off pure black, which colour-keyed sprites skip.
Image keepOffBlack(Image image);
// Colour multiplied by alpha, alpha kept: for pictures drawn additively,
// whose clear parts must add nothing; drawn with alpha they still look right.
Image forAdding(Image image);

}  // namespace mkdata
