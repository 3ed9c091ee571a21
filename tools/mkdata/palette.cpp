#include "tools/mkdata/palette.h"

#include <cmath>

namespace mkdata::palette {

Rgb hue(double h, double l)
{
    h -= std::floor(h);
    auto channel = [&](double offset) {
        double k = std::fmod(offset + h * 12, 12.0);
        double a = std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

}  // namespace mkdata::palette
