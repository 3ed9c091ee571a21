#include "graphics/pixel_conversion.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The source pixel at (column, row) of the picture as shown; false when
// the block does not hold it.
bool readPixel(const SourcePixels& source, int column, int row, std::uint32_t& pixel)
{
    const int w = std::abs(source.width), h = std::abs(source.height);
    const std::size_t storedRow = source.height < 0 ? static_cast<std::size_t>(h - 1 - row) : row;
    const std::size_t storedColumn = source.width < 0 ? static_cast<std::size_t>(w - 1 - column) : column;
    const std::size_t offset = storedRow * source.rowBytes + storedColumn * source.bytesPerPixel;
    if (offset + source.bytesPerPixel > source.bytes.size())
        return false;
    pixel = 0;
    for (int b = 0; b < source.bytesPerPixel; ++b)
        pixel |= static_cast<std::uint32_t>(source.bytes[offset + b]) << (8 * b);
    if (source.palette) {
        const std::uint8_t* entry = source.palette + 3 * (pixel & 0xFF);
        pixel = entry[0] | (entry[1] << 8) | (entry[2] << 16);
    }
    return true;
}

std::uint32_t widened(std::uint32_t pixel, int bits, int shift)
{
    if (bits <= 0)
        return 0;
    const std::uint32_t value = (pixel >> shift) & ((1u << bits) - 1);
    return bits >= 8 ? value >> (bits - 8) : value << (8 - bits);
}

std::uint32_t narrowed(std::uint32_t value8, int bits, int shift)
{
    return (bits >= 8 ? value8 << (bits - 8) : value8 >> (8 - bits)) << shift;
}

std::uint32_t readDest(const std::uint8_t* at, int bytes)
{
    std::uint32_t value = 0;
    for (int b = 0; b < bytes; ++b)
        value |= static_cast<std::uint32_t>(at[b]) << (8 * b);
    return value;
}

void writeDest(std::uint8_t* at, int bytes, std::uint32_t value)
{
    for (int b = 0; b < bytes; ++b)
        at[b] = static_cast<std::uint8_t>(value >> (8 * b));
}

std::uint32_t channelMask(int bits, int shift) { return bits >= 32 ? ~0u : ((1u << bits) - 1) << shift; }

template <typename Convert>
void forEachPixel(const SourcePixels& source, const DestLayout& dest, Convert convert)
{
    const int w = std::min(dest.width, std::abs(source.width));
    const int h = std::min(dest.height, std::abs(source.height));
    // Only the rows the block holds (a damaged file may promise far more).
    const std::size_t held = source.rowBytes ? (source.bytes.size() + source.rowBytes - 1) / source.rowBytes : 0;
    const int heldRows = static_cast<int>(std::min<std::size_t>(held, static_cast<std::size_t>(std::abs(source.height))));
    const int first = source.height < 0 ? std::max(0, std::abs(source.height) - heldRows) : 0;
    const int last = source.height < 0 ? h : std::min(h, heldRows);
    for (int y = first; y < last; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t pixel;
            if (!readPixel(source, x, y, pixel))
                continue;
            std::uint8_t* at = dest.pixels + static_cast<std::size_t>(y) * dest.pitch +
                               static_cast<std::size_t>(x) * dest.bytesPerPixel;
            writeDest(at, dest.bytesPerPixel, convert(readDest(at, dest.bytesPerPixel), pixel));
        }
}

}  // namespace

void convertFrame(const SourcePixels& source, const DestLayout& dest)
{
    std::uint32_t keep = ~0u;
    for (int c = 0; c < 3; ++c)
        keep &= ~channelMask(dest.bits[c], dest.shifts[c]);
    forEachPixel(source, dest, [&](std::uint32_t old, std::uint32_t pixel) {
        std::uint32_t out = old & keep;
        for (int c = 0; c < 3; ++c)
            out |= narrowed(widened(pixel, source.bits[c], source.shifts[c]), dest.bits[c], dest.shifts[c]);
        return out;
    });
}

void convertChannel(const SourcePixels& source, int channel, const DestLayout& dest, int bits, int shift)
{
    const std::uint32_t keep = ~channelMask(bits, shift);
    forEachPixel(source, dest, [&](std::uint32_t old, std::uint32_t pixel) {
        return (old & keep) | narrowed(widened(pixel, source.bits[channel], source.shifts[channel]), bits, shift);
    });
}
