#pragma once
// Reads the picture files the game reads, as the game reads them: the
// uncompressed TGA layouts (8-bit grey or colour-mapped, 16, 24, 32 bits,
// top-down or bottom-up) and JPEG. Used by the data checks and previews.

#include "tools/mkdata/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mkdata {

struct DecodedPicture {
    Image image;          // 0xAARRGGBB; alpha 255 where the file has none
    int bitsPerPixel = 0;
};

// False when the block is too short for what its header promises.
bool decodeTga(const std::vector<std::uint8_t>& file, DecodedPicture& out);
// False on any JPEG error or a greyscale file (the game shows no pixels).
bool decodeJpeg(const std::vector<std::uint8_t>& file, DecodedPicture& out);
// By the name's extension (".tga" or ".jpg", any case).
bool decodePicture(const std::string& name, const std::vector<std::uint8_t>& file, DecodedPicture& out);

// The alpha map a companion file gives: blue bytes of 24-bit files, alpha
// of 32-bit files, the grey level of 8-bit files.
std::vector<std::uint8_t> companionAlpha(const DecodedPicture& companion);

}  // namespace mkdata
