#pragma once
// The frame and channel conversions the decoders share: each channel is
// read, widened to 8 bits (low bits 0) and narrowed to the destination.

#include <cstddef>
#include <cstdint>
#include <span>

struct SourcePixels {
    std::span<const std::uint8_t> bytes;  // the frame's stored rows
    int width = 0, height = 0;             // signs give column and row order
    int bytesPerPixel = 0;
    std::size_t rowBytes = 0;
    // Bits and shifts of red, green, blue and alpha in the little-endian pixel.
    int bits[4] = {};
    int shifts[4] = {};
    // For 1-byte pixels with a palette: entries of blue, green, red.
    const std::uint8_t* palette = nullptr;
};

struct DestLayout {
    std::uint8_t* pixels = nullptr;
    int bytesPerPixel = 0, pitch = 0;
    int width = 0, height = 0;
    int bits[3] = {};
    int shifts[3] = {};
};

// Writes red, green and blue; pixels the source block does not hold stay.
void convertFrame(const SourcePixels& source, const DestLayout& dest);
// Writes one source channel (0 red, 1 green, 2 blue, 3 alpha) at the given
// bits and shift.
void convertChannel(const SourcePixels& source, int channel, const DestLayout& dest, int bits, int shift);
