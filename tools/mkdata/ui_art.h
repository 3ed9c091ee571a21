#pragma once
// Shapes shared by the controls and screens: parchment panels with a gold
// rim, berry-red pills, the festive backdrop with snow.

#include "tools/mkdata/canvas.h"

#include <cstdint>

namespace mkdata {

// A cream parchment panel with a gold rim and a soft shadow, filling w × h.
void parchmentPanel(cairo_t* cr, double w, double h, double radius = 18);
// A pill-shaped button face: state 0 normal, 1 highlighted, 2 pressed.
void pillButton(cairo_t* cr, double w, double h, int state, const Rgb& colour);
// A warm backdrop: a vertical gradient with a soft vignette and falling snow.
void festiveBackdrop(cairo_t* cr, double w, double h, const Rgb& top, const Rgb& bottom, std::uint32_t seed);
// A simple fir tree with ornaments; `ornaments` of them are hung.
void firTree(cairo_t* cr, double cx, double baseY, double height, int ornaments, std::uint32_t seed);
// Text in one of the display fonts, centred on (x, y), gold with a dark rim.
void titleText(cairo_t* cr, const char* text, double x, double y, double size);

}  // namespace mkdata
