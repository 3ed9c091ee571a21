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
    std::uint16_t darken(std::uint32_t p, std::uint32_t keep) const
    {
        return static_cast<std::uint16_t>(((((p & red_) * keep) >> 8) & red_) | ((((p & green_) * keep) >> 8) & green_) |
                                          ((((p & blue_) * keep) >> 8) & blue_));
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
