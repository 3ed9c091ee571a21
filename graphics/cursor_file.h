#pragma once
// Windows cursor files (.cur): a small directory of images, each a device-
// independent bitmap (colour rows, then a 1-bit transparency mask, both
// bottom-up) with a hot spot. The first image is read into 0xAARRGGBB.

#include <cstdint>
#include <span>
#include <vector>

struct CursorImage {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0;
    std::vector<std::uint32_t> pixels;  // rows top-down
};

// False for anything that is not a readable cursor (never reads outside bytes).
bool parseCursorFile(std::span<const unsigned char> bytes, CursorImage& out);
