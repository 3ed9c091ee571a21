#pragma once
// The per-row inner loops of the alpha-map and additive blits, over
// contiguous source pixels (a scaled blit gathers its samples first). One
// plain scalar set is the reference; vector sets give identical results
// and one is chosen once for the processor the game runs on. Only the
// reference may be given an out row that overlaps its source row (it
// reads each source pixel just before writing that pixel).

#include "graphics/pixel_format.h"

#include <cstdint>
#include <vector>

struct BlitRows {
    const char* name;
    // Per pixel with alpha byte a: 240 or more writes s, 16 to 239 blends
    // s over d, 15 or less leaves d.
    void (*alpha)(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha, int count,
                  const PixelFormat& format);
    // Per pixel and channel mask M: (s AND M) + (d AND M), limited to M.
    void (*add)(std::uint16_t* out, const std::uint16_t* in, int count, const PixelFormat& format);
};

// The reference, one pixel at a time.
const BlitRows& scalarBlitRows();

// The set the blits use: the fastest this processor runs, unless another
// was chosen (tests run the blits through every set).
const BlitRows& blitRows();
void chooseBlitRows(const BlitRows& rows);

// Every set this processor runs, the scalar reference first.
std::vector<BlitRows> blitRowSets();
