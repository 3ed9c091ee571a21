#include "graphics/pixel_format.h"

const PixelFormat kPixelFormats[6] = {
    { 5, 6, 5, 0, 11, 5, 0, 0, 0xF800, 0x07E0, 0x001F, 0, 16 },
    { 5, 5, 5, 0, 10, 5, 0, 0, 0x7C00, 0x03E0, 0x001F, 0, 16 },
    { 8, 8, 8, 0, 16, 8, 0, 0, 0xFF0000, 0xFF00, 0xFF, 0, 32 },
    { 8, 8, 8, 8, 16, 8, 0, 24, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, 32 },
    { 8, 8, 8, 0, 16, 8, 0, 0, 0xFF0000, 0xFF00, 0xFF, 0, 24 },
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 },
};

PixelFormat ScreenFormat = kPixelFormats[0];

std::uint32_t colorRed(std::uint32_t color)
{
    return (((color >> 16) & 0xFF) >> (8 - ScreenFormat.redBits)) << ScreenFormat.redShift;
}

std::uint32_t colorGreen(std::uint32_t color)
{
    return (((color >> 8) & 0xFF) >> (8 - ScreenFormat.greenBits)) << ScreenFormat.greenShift;
}

std::uint32_t colorBlue(std::uint32_t color)
{
    return ((color & 0xFF) >> (8 - ScreenFormat.blueBits)) << ScreenFormat.blueShift;
}
