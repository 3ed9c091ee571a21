#include "tools/mkdata/strips.h"

#include <algorithm>

namespace mkdata {

Image makeStrip(int w, int h, int frames, const std::function<void(cairo_t*, double)>& draw)
{
    std::vector<Image> images;
    for (int i = 0; i < frames; ++i) {
        Canvas canvas(w, h);
        draw(canvas.cr(), double(i) / frames);
        images.push_back(canvas.image());
    }
    return stackFrames(images);
}

Image makePicture(int w, int h, const std::function<void(cairo_t*)>& draw)
{
    Canvas canvas(w, h);
    draw(canvas.cr());
    return canvas.image();
}

Image keepOffBlack(Image image)
{
    for (std::uint32_t& p : image.pixels) {
        if (alphaOf(p) < 16)
            continue;
        if (redOf(p) < 12 && greenOf(p) < 12 && blueOf(p) < 12)
            p = argb(alphaOf(p), 12, 12, 12);
    }
    return image;
}

Image forAdding(Image image)
{
    for (std::uint32_t& p : image.pixels) {
        unsigned a = alphaOf(p);
        p = argb(a, redOf(p) * a / 255, greenOf(p) * a / 255, blueOf(p) * a / 255);
    }
    return image;
}

}  // namespace mkdata
