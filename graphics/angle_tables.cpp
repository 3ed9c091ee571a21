#include "graphics/angle_tables.h"

#include <cmath>
#include <numbers>

float fSinTable[256];
float fCosTable[256];

void fillAngleTables()
{
    const double step = std::numbers::pi / 256;
    for (int i = 0; i < 256; ++i) {
        fSinTable[i] = static_cast<float>(std::sin(step * 2 * i));
        fCosTable[i] = static_cast<float>(std::cos(step * 2 * i));
    }
}
