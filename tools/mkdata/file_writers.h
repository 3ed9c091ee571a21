#pragma once
// Encoders for the file formats the game reads: uncompressed TGA (32-bit
// with alpha, 24-bit, 8-bit grey), baseline JPEG, 16-bit PCM WAV and the
// Windows cursor file. Each returns the whole file as bytes.

#include "tools/mkdata/image.h"

#include <cstdint>
#include <vector>

namespace mkdata {

using Bytes = std::vector<std::uint8_t>;

// Top-down TGA with 8 alpha bits per pixel.
Bytes encodeTga32(const Image& image);
// Top-down TGA without alpha.
Bytes encodeTga24(const Image& image);
// Top-down 8-bit grey TGA without a colour map (an alpha companion).
Bytes encodeTgaGrey(int width, int height, const std::vector<std::uint8_t>& grey);
// Colour JPEG of the image's colour (its alpha is not stored).
Bytes encodeJpeg(const Image& image, int quality = 92);
// Mono 16-bit PCM RIFF WAVE.
Bytes encodeWav(const std::vector<std::int16_t>& samples, int rate);
// A one-image 32 × 32 Windows cursor with 32-bit pixels and an AND mask.
Bytes encodeCursor(const Image& image, int hotX, int hotY);

}  // namespace mkdata
