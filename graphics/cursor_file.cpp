#include "graphics/cursor_file.h"

namespace {

constexpr int kMaxCursorSide = 256;

std::uint32_t readLE(std::span<const unsigned char> bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

// Row stride of a bitmap row: padded to 4 bytes.
std::size_t stride(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

std::uint32_t colourAt(std::span<const unsigned char> image, std::size_t rowStart, int x, int bits,
                       std::span<const unsigned char> palette)
{
    if (bits == 32)
        return readLE(image, rowStart + x * 4, 4);
    if (bits == 24)
        return 0xFF000000u | readLE(image, rowStart + x * 3, 3);
    const std::size_t bitIndex = static_cast<std::size_t>(x) * bits;
    const unsigned byte = image[rowStart + bitIndex / 8];
    const unsigned index = (byte >> (8 - bits - bitIndex % 8)) & ((1u << bits) - 1);
    if ((index + 1) * 4 > palette.size())
        return 0;
    return 0xFF000000u | readLE(palette, index * 4, 3);
}

}  // namespace

bool parseCursorFile(std::span<const unsigned char> bytes, CursorImage& out)
{
    if (bytes.size() < 22 || readLE(bytes, 0, 2) != 0 || readLE(bytes, 2, 2) != 2 || readLE(bytes, 4, 2) == 0)
        return false;
    const int hotX = static_cast<int>(readLE(bytes, 10, 2)), hotY = static_cast<int>(readLE(bytes, 12, 2));
    const std::size_t size = readLE(bytes, 14, 4), offset = readLE(bytes, 18, 4);
    if (offset > bytes.size() || size > bytes.size() - offset || size < 40)
        return false;
    const std::span<const unsigned char> image = bytes.subspan(offset, size);
    const std::uint32_t headerSize = readLE(image, 0, 4);
    const int width = static_cast<int>(readLE(image, 4, 4));
    const int height = static_cast<int>(readLE(image, 8, 4)) / 2;  // colour and mask stacked
    const int bits = static_cast<int>(readLE(image, 14, 2));
    const std::uint32_t compression = readLE(image, 16, 4);
    if (headerSize < 40 || headerSize > size || width <= 0 || height <= 0 || width > kMaxCursorSide ||
        height > kMaxCursorSide || compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return false;
    std::uint32_t colours = readLE(image, 32, 4);
    if (bits <= 8 && (colours == 0 || colours > (1u << bits)))
        colours = 1u << bits;
    const std::size_t paletteBytes = bits <= 8 ? colours * 4 : 0;
    const std::size_t colourStart = headerSize + paletteBytes;
    const std::size_t maskStart = colourStart + stride(width, bits) * height;
    if (maskStart + stride(width, 1) * height > size)
        return false;
    const auto palette = image.subspan(headerSize, paletteBytes);
    out = { width, height, hotX, hotY, {} };
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = colourStart + stride(width, bits) * (height - 1 - y);
        const std::size_t maskRow = maskStart + stride(width, 1) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = colourAt(image, row, x, bits, palette);
            anyAlpha |= bits == 32 && (pixel >> 24) != 0;
            const bool transparent = (image[maskRow + x / 8] >> (7 - x % 8)) & 1;
            if (bits != 32 && transparent)
                pixel = 0;
            out.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    }
    // A 32-bit image without any alpha relies on its mask alone.
    if (bits == 32 && !anyAlpha)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::size_t maskRow = maskStart + stride(width, 1) * (height - 1 - y);
                const bool transparent = (image[maskRow + x / 8] >> (7 - x % 8)) & 1;
                std::uint32_t& p = out.pixels[static_cast<std::size_t>(y) * width + x];
                p = transparent ? 0 : (p | 0xFF000000u);
            }
    return true;
}
