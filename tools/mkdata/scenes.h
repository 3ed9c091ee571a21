#pragma once
// The six episode scenes of the quest, drawn at any size: a snowy fir
// wood, a candy land, a starry night, a frozen lake, a sunset village and
// a golden hall.

#include <cairo.h>

namespace mkdata {

constexpr int kEpisodes = 6;

// Episode 1 to 6 filling w × h.
void episodeScene(cairo_t* cr, int episode, double w, double h);

}  // namespace mkdata
