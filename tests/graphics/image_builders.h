#pragma once
// Small image files built in memory for the decoder tests.

#include <cstdint>
#include <vector>

// A TGA file: header, optional 256-entry colour map, the given pixel bytes.
inline std::vector<unsigned char> tgaFile(int width, int height, int bits, bool topDown,
                                          const std::vector<unsigned char>& pixels, bool colorMap = false,
                                          const std::vector<unsigned char>& map = {})
{
    std::vector<unsigned char> file(18, 0);
    file[1] = colorMap ? 1 : 0;
    file[2] = 2;
    file[12] = static_cast<unsigned char>(width);
    file[13] = static_cast<unsigned char>(width >> 8);
    file[14] = static_cast<unsigned char>(height);
    file[15] = static_cast<unsigned char>(height >> 8);
    file[16] = static_cast<unsigned char>(bits);
    file[17] = topDown ? 0x20 : 0;
    if (colorMap) {
        std::vector<unsigned char> full(map);
        full.resize(768, 0);
        file.insert(file.end(), full.begin(), full.end());
    }
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// A JPEG of solid colour made with libjpeg (3 or 1 components).
std::vector<unsigned char> jpegFile(int width, int height, int components, const unsigned char* colour);
