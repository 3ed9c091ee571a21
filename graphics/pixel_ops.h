#pragma once
// Per-pixel arithmetic on 16-bit pixels in ScreenFormat. For blending the
// three channels are spread into lanes of a 64-bit word (blue in place,
// green moved up 16 bits, red up 32), far enough apart that one
// multiply-add serves all three with results identical to channel-by-
// channel work:
//   blend:  (d AND M) + ((((s AND M) - (d AND M)) x a) >> 8), AND M
//           = ((d AND M) x (256 - a) + (s AND M) x a) >> 8, AND M
//   darken: ((p AND M) x keep) >> 8, AND M
//   add:    (s AND M) + (d AND M), limited to M

#include "graphics/pixel_format.h"

#include <algorithm>
#include <cstdint>

class PixelOps {
public:
    explicit PixelOps(const PixelFormat& f)
        : red_(f.redMask), green_(f.greenMask), blue_(f.blueMask),
          redLane_(std::uint64_t { f.redMask } << 32), greenLane_(std::uint64_t { f.greenMask } << 16),
          blueLane_(f.blueMask), channels_(redLane_ | greenLane_ | blueLane_)
    {
    }

    std::uint64_t spread(std::uint32_t p) const
    {
        return (std::uint64_t { p & red_ } << 32) | (std::uint64_t { p & green_ } << 16) | (p & blue_);
    }
    static std::uint16_t collapse(std::uint64_t lanes)
    {
        return static_cast<std::uint16_t>((lanes >> 32) | (lanes >> 16) | lanes);
    }

    std::uint16_t blend(std::uint32_t d, std::uint32_t s, std::uint32_t a) const
    {
        return collapse(((spread(d) * (256 - a) + spread(s) * a) >> 8) & channels_);
    }
    // Darkening and adding need no multiply across lanes: channel by channel.
    // Darkens a run of pixels, written in a form the compiler turns into
    // vector multiplies: (x * keep) >> 8 = (x * (keep << 8)) >> 16.
    void darkenRow(std::uint16_t* pixels, int count, std::uint32_t keep) const
    {
        const std::uint16_t r = static_cast<std::uint16_t>(red_), g = static_cast<std::uint16_t>(green_),
                            b = static_cast<std::uint16_t>(blue_);
        const std::uint16_t k = static_cast<std::uint16_t>(keep << 8);
        for (int i = 0; i < count; ++i) {
            const std::uint16_t p = pixels[i];
            const std::uint16_t pr = p & r, pg = p & g, pb = p & b;
            const std::uint16_t dr = static_cast<std::uint16_t>((std::uint32_t { pr } * k) >> 16) & r;
            const std::uint16_t dg = static_cast<std::uint16_t>((std::uint32_t { pg } * k) >> 16) & g;
            const std::uint16_t db = static_cast<std::uint16_t>((std::uint32_t { pb } * k) >> 16) & b;
            pixels[i] = static_cast<std::uint16_t>(dr | dg | db);
        }
    }
    std::uint16_t add(std::uint32_t d, std::uint32_t s) const
    {
        return static_cast<std::uint16_t>(std::min((s & red_) + (d & red_), red_) |
                                          std::min((s & green_) + (d & green_), green_) |
                                          std::min((s & blue_) + (d & blue_), blue_));
    }

private:
    std::uint32_t red_, green_, blue_;
    std::uint64_t redLane_, greenLane_, blueLane_, channels_;
};
