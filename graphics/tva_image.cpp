#include "graphics/tva_image.h"

#include "graphics/tga_image.h"

#include <algorithm>

namespace {

constexpr std::size_t kHeaderSize = 18;

std::uint32_t readLE(const FileBlock& block, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(block[at + i]) << (8 * i);
    return value;
}

void writeLE(FileBlock& block, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        block.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

int TvaImage::Decode(FileBlock block)
{
    Release();
    width = height = bitsPerPixel = storedFrames = totalFrames = 0;
    if (block.size() < kHeaderSize)
        return 1;
    const auto total = static_cast<std::int32_t>(readLE(block, 4, 4));
    const auto stored = static_cast<std::int32_t>(readLE(block, 8, 4));
    const int w = static_cast<int>(readLE(block, 12, 2)), h = static_cast<int>(readLE(block, 14, 2));
    const int bits = block[16];
    if (w == 0 || h == 0 || w > kMaxImageSide || h > kMaxImageSide || stored <= 0 || stored > 32767 || total < 0 ||
        (bits != 24 && bits != 32))
        return 1;
    width = w;
    height = h;
    bitsPerPixel = bits;
    storedFrames = stored;
    totalFrames = total;
    topDown_ = (block[17] & 0x20) != 0;
    const unsigned long long expected =
        kHeaderSize + static_cast<unsigned long long>(stored) * h * w * (bits / 8);
    const bool exact = block.size() == expected;
    data = std::move(block);
    return exact ? 0 : 1;
}

// The stored frame shown at frame number f, clamped to those held.
SourcePixels TvaImage::frameSource(int frame) const
{
    long long index = totalFrames > 0 ? static_cast<long long>(frame) * storedFrames / totalFrames : frame;
    index = std::clamp<long long>(index, 0, storedFrames - 1);
    SourcePixels pixels;
    pixels.bytesPerPixel = bitsPerPixel / 8;
    pixels.rowBytes = static_cast<std::size_t>(width) * pixels.bytesPerPixel;
    const std::size_t frameBytes = pixels.rowBytes * height;
    const std::size_t start = std::min<std::size_t>(kHeaderSize + index * frameBytes, data.size());
    pixels.bytes = std::span<const std::uint8_t>(data).subspan(start, std::min(frameBytes, data.size() - start));
    pixels.width = width;
    pixels.height = topDown_ ? height : -height;
    const int bitsOf[4] = { 8, 8, 8, bitsPerPixel == 32 ? 8 : 0 }, shifts[4] = { 16, 8, 0, 24 };
    std::copy(bitsOf, bitsOf + 4, pixels.bits);
    std::copy(shifts, shifts + 4, pixels.shifts);
    return pixels;
}

int TvaImage::GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                       int blueBits, int, int redShift, int greenShift, int blueShift, int, int w, int h)
{
    if (data.empty() || !dest)
        return -1;
    convertFrame(frameSource(frame), destLayout(dest, destBytes, destPitch, w, h, redBits, greenBits, blueBits,
                                                redShift, greenShift, blueShift));
    return 0;
}

int TvaImage::GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits,
                         int channelShift, int w, int h)
{
    if (data.empty() || !dest)
        return -1;
    convertChannel(frameSource(frame), bitsPerPixel == 32 ? 3 : 2,
                   destLayout(dest, destBytes, destPitch, w, h, 0, 0, 0, 0, 0, 0), channelBits, channelShift);
    return 0;
}

FileBlock tvaFile(int total, int stored, int width, int height, int bits, bool topDown,
                  const std::vector<unsigned char>& pixels)
{
    FileBlock file;
    writeLE(file, 0x00020000, 4);
    writeLE(file, static_cast<std::uint32_t>(total), 4);
    writeLE(file, static_cast<std::uint32_t>(stored), 4);
    writeLE(file, static_cast<std::uint32_t>(width), 2);
    writeLE(file, static_cast<std::uint32_t>(height), 2);
    file.push_back(static_cast<unsigned char>(bits));
    file.push_back(topDown ? 0x20 : 0);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}
