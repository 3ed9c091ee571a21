#pragma once
// Small image files built in memory for the decoder tests.

#include <cstdint>
#include <vector>

// A TGA file: header, optional 256-entry colour map, the given pixel bytes.
inline std::vector<unsigned char> tgaFile(int width, int height, int bits, bool topDown,
                                          const std::vector<unsigned char>& pixels, bool colorMap = false,
                                          const std::vector<unsigned char>& map = {})
{
    const std::size_t mapSize = colorMap ? 768 : 0;
    std::vector<unsigned char> file(18 + mapSize + pixels.size(), 0);
    file[1] = colorMap ? 1 : 0;
    file[2] = 2;
    file[12] = static_cast<unsigned char>(width);
    file[13] = static_cast<unsigned char>(width >> 8);
    file[14] = static_cast<unsigned char>(height);
    file[15] = static_cast<unsigned char>(height >> 8);
    file[16] = static_cast<unsigned char>(bits);
    file[17] = topDown ? 0x20 : 0;
    for (std::size_t i = 0; i < map.size() && i < mapSize; ++i)
        file[18 + i] = map[i];
    for (std::size_t i = 0; i < pixels.size(); ++i)
        file[18 + mapSize + i] = pixels[i];
    return file;
}

// A JPEG of solid colour made with libjpeg (3 or 1 components).
std::vector<unsigned char> jpegFile(int width, int height, int components, const unsigned char* colour);
