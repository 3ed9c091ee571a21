#include "graphics/tga_image.h"

#include <cstdlib>

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kColorMapSize = 768;

std::uint8_t greyRamp[kColorMapSize];

int readU16(const FileBlock& block, std::size_t at) { return block[at] | (block[at + 1] << 8); }

void setLayout(SourcePixels& pixels, int bitsPerPixel)
{
    const int b16[4] = { 5, 5, 5, 0 }, s16[4] = { 10, 5, 0, 0 };
    const int b32[4] = { 8, 8, 8, 8 }, s32[4] = { 16, 8, 0, 24 };
    const bool five = bitsPerPixel == 16;
    for (int c = 0; c < 4; ++c) {
        pixels.bits[c] = five ? b16[c] : b32[c];
        pixels.shifts[c] = five ? s16[c] : s32[c];
    }
    if (bitsPerPixel == 24)
        pixels.bits[3] = 0;
}

}  // namespace

DestLayout destLayout(std::uint8_t* dest, int destBytes, int destPitch, int width, int height, int redBits,
                      int greenBits, int blueBits, int redShift, int greenShift, int blueShift)
{
    DestLayout layout;
    layout.pixels = dest;
    layout.bytesPerPixel = destBytes;
    layout.pitch = destPitch;
    layout.width = width;
    layout.height = height;
    layout.bits[0] = redBits;
    layout.bits[1] = greenBits;
    layout.bits[2] = blueBits;
    layout.shifts[0] = redShift;
    layout.shifts[1] = greenShift;
    layout.shifts[2] = blueShift;
    return layout;
}

TgaImage::TgaImage()
{
    for (std::size_t i = 0; i < 256; ++i)
        greyRamp[3 * i] = greyRamp[3 * i + 1] = greyRamp[3 * i + 2] = static_cast<std::uint8_t>(i);
}

int TgaImage::Decode(FileBlock block)
{
    Release();
    width = height = bitsPerPixel = 0;
    storedFrames = 1;
    totalFrames = 0;
    if (block.size() < kHeaderSize)
        return 1;
    hasColorMap_ = (block[1] & 1) != 0;
    pixelOffset_ = kHeaderSize + (hasColorMap_ ? kColorMapSize : 0);
    const int w = readU16(block, 12), h = readU16(block, 14), bits = block[16];
    const bool topDown = (block[17] & 0x20) != 0;
    // A header that cannot be true gives an empty picture.
    if (w == 0 || h == 0 || w > kMaxImageSide || h > kMaxImageSide || block.size() < pixelOffset_ ||
        (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return 1;
    width = w;
    height = topDown ? h : -h;
    bitsPerPixel = bits;
    data = std::move(block);
    return 0;
}

SourcePixels TgaImage::source() const
{
    SourcePixels pixels;
    pixels.bytes = std::span<const std::uint8_t>(data).subspan(std::min(pixelOffset_, data.size()));
    pixels.width = width;
    pixels.height = height;
    pixels.bytesPerPixel = bitsPerPixel / 8;
    pixels.rowBytes = static_cast<std::size_t>(std::abs(width)) * pixels.bytesPerPixel;
    if (bitsPerPixel == 8) {
        pixels.palette = hasColorMap_ ? data.data() + kHeaderSize : greyRamp;
        setLayout(pixels, 24);
    } else {
        setLayout(pixels, bitsPerPixel);
    }
    return pixels;
}

int TgaImage::GetFrame(std::uint8_t* dest, int, int destBytes, int destPitch, int redBits, int greenBits,
                       int blueBits, int, int redShift, int greenShift, int blueShift, int, int w, int h)
{
    if (data.empty() || !dest)
        return -1;
    convertFrame(source(), destLayout(dest, destBytes, destPitch, w, h, redBits, greenBits, blueBits, redShift,
                                      greenShift, blueShift));
    return 0;
}

int TgaImage::GetChannel(std::uint8_t* dest, int, int destBytes, int destPitch, int channelBits, int channelShift,
                         int w, int h)
{
    if (data.empty() || !dest || bitsPerPixel == 16)
        return -1;
    // Blue for 24 bits and colour-mapped pixels, alpha for 32 bits.
    const int channel = bitsPerPixel == 32 ? 3 : 2;
    convertChannel(source(), channel, destLayout(dest, destBytes, destPitch, w, h, 0, 0, 0, 0, 0, 0), channelBits,
                   channelShift);
    return 0;
}
