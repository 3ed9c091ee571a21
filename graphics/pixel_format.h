#pragma once
// The 16-bit pixel format every picture is held in, and the table it is
// chosen from.

#include <cstdint>

struct PixelFormat {
    std::uint8_t redBits, greenBits, blueBits, alphaBits;
    std::uint8_t redShift, greenShift, blueShift, alphaShift;
    std::uint32_t redMask, greenMask, blueMask, alphaMask;
    std::uint32_t bitCount;  // 0 ends the table
};

// 565, 555, then the 32- and 24-bit rows; the end row has bit count 0.
extern const PixelFormat kPixelFormats[6];

// The format in use, fixed when the back buffer is created (565 until then).
extern PixelFormat ScreenFormat;

// A 0xAARRGGBB colour's red, green and blue brought into ScreenFormat,
// each at its place (the alpha byte is not used).
std::uint32_t colorRed(std::uint32_t color);
std::uint32_t colorGreen(std::uint32_t color);
std::uint32_t colorBlue(std::uint32_t color);
inline std::uint32_t colorToScreen(std::uint32_t color)
{
    return colorRed(color) | colorGreen(color) | colorBlue(color);
}
