#include "graphics/screenshot.h"

#include "graphics/graph.h"
#include "platform/paths.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

// One channel of a ScreenFormat pixel widened to 8 bits.
png_byte channel(std::uint32_t pixel, std::uint32_t mask, int shift, int bits)
{
    return static_cast<png_byte>(((pixel & mask) >> shift) << (8 - bits));
}

std::vector<png_byte> rgbRows(Sprite* sprite)
{
    std::vector<png_byte> rgb(static_cast<std::size_t>(sprite->nWidth) * sprite->nHeight * 3);
    std::size_t at = 0;
    const PixelFormat& f = ScreenFormat;
    for (int y = 0; y < sprite->nHeight; ++y)
        for (int x = 0; x < sprite->nWidth; ++x) {
            const std::uint32_t p = sprite->row(y)[x];
            rgb[at++] = channel(p, f.redMask, f.redShift, f.redBits);
            rgb[at++] = channel(p, f.greenMask, f.greenShift, f.greenBits);
            rgb[at++] = channel(p, f.blueMask, f.blueShift, f.blueBits);
        }
    return rgb;
}

// Only plain data in this frame: libpng leaves it by longjmp on errors.
bool encodePng(const std::vector<png_byte>& rgb, int width, int height, std::vector<unsigned char>& out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, rgb.data() + static_cast<std::size_t>(y) * width * 3);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int spriteSavePng(Sprite* sprite, const char* name)
{
    if (!sprite || !name || sprite->nWidth <= 0 || sprite->nHeight <= 0)
        return -1;
    sprite->Lock();
    if (!sprite->pPixels)
        return -1;
    std::vector<unsigned char> file;
    if (!encodePng(rgbRows(sprite), sprite->nWidth, sprite->nHeight, file))
        return -1;
    return platform::writeWholeFile(name, file.data(), file.size());
}

int graphSaveScreenshot(const char* name) { return spriteSavePng(BackBuffer, name); }
