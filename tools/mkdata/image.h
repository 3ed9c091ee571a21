#pragma once
// A picture in straight (not premultiplied) 0xAARRGGBB pixels, rows top down.

#include <cstdint>
#include <vector>

namespace mkdata {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

constexpr std::uint8_t alphaOf(std::uint32_t p) { return std::uint8_t(p >> 24); }
constexpr std::uint8_t redOf(std::uint32_t p) { return std::uint8_t(p >> 16); }
constexpr std::uint8_t greenOf(std::uint32_t p) { return std::uint8_t(p >> 8); }
constexpr std::uint8_t blueOf(std::uint32_t p) { return std::uint8_t(p); }
constexpr std::uint32_t argb(unsigned a, unsigned r, unsigned g, unsigned b)
{
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Frames of equal size stacked top to bottom into one strip.
Image stackFrames(const std::vector<Image>& frames);

// Every pixel's alpha as a grey level.
std::vector<std::uint8_t> alphaChannel(const Image& image);

// Colour composited over opaque black (for colour-keyed and additive use).
Image overBlack(const Image& image);

}  // namespace mkdata
