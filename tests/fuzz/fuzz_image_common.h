#pragma once
// Feeds one input to a decoder and converts every frame it reports into
// a 16-bit picture and an alpha map, as the sprite loader would.

#include "graphics/image_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

inline void decodeAndConvert(ImageFile& image, const std::uint8_t* data, std::size_t size)
{
    image.Decode(FileBlock(data, data + size));
    const int w = std::abs(image.width), h = std::abs(image.height);
    if (w == 0 || h == 0 || w > kMaxImageSide || h > kMaxImageSide || image.storedFrames <= 0)
        return;
    std::vector<std::uint16_t> pixels(static_cast<std::size_t>(w) * h);
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(w) * h);
    const int frames = std::min(image.storedFrames, 4);
    for (int i = 0; i < frames; ++i) {
        const int frame = i * (image.totalFrames / image.storedFrames);
        image.GetFrame(reinterpret_cast<std::uint8_t*>(pixels.data()), frame, 2, w * 2, 5, 6, 5, 0, 11, 5, 0, 0, w, h);
        image.GetChannel(alpha.data(), frame, 1, w, 8, 0, w, h);
    }
}
