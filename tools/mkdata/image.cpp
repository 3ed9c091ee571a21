#include "tools/mkdata/image.h"

#include <algorithm>

namespace mkdata {

Image stackFrames(const std::vector<Image>& frames)
{
    if (frames.empty())
        return {};
    Image strip(frames[0].width, frames[0].height * int(frames.size()));
    auto out = strip.pixels.begin();
    for (const Image& frame : frames)
        out = std::copy(frame.pixels.begin(), frame.pixels.end(), out);
    return strip;
}

std::vector<std::uint8_t> alphaChannel(const Image& image)
{
    std::vector<std::uint8_t> grey(image.pixels.size());
    std::transform(image.pixels.begin(), image.pixels.end(), grey.begin(), alphaOf);
    return grey;
}

Image overBlack(const Image& image)
{
    Image out(image.width, image.height);
    std::transform(image.pixels.begin(), image.pixels.end(), out.pixels.begin(), [](std::uint32_t p) {
        unsigned a = alphaOf(p);
        return argb(255, redOf(p) * a / 255, greenOf(p) * a / 255, blueOf(p) * a / 255);
    });
    return out;
}

}  // namespace mkdata
