#include "sound/sound_volume.h"

#include <algorithm>
#include <cmath>

long ToDirectVolume(float linear)
{
    const float level = std::nearbyint(linear * 255.0f);
    const float v = std::nearbyint(static_cast<float>(10000.0 * std::log10(1.0 + (9.0 / 8.0) * std::log2(level + 1.0))));
    return static_cast<long>(v) - 10000;
}

float FromDirectVolume(long volume)
{
    const double v = (std::clamp(volume, -10000L, 0L) + 10000) / 10000.0;
    const double level = std::exp2((std::pow(10.0, v) - 1.0) * 8.0 / 9.0) - 1.0;
    return static_cast<float>(std::nearbyint(level) / 255.0);
}
