#include "tools/mkdata/file_writers.h"

#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>

namespace mkdata {
namespace {

void putU16(Bytes& out, unsigned v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void putU32(Bytes& out, std::uint32_t v)
{
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

void putTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}

// Header of an uncompressed, top-down TGA without colour map.
Bytes tgaHeader(int imageType, int width, int height, int bits, int alphaBits)
{
    Bytes out = {0, 0, std::uint8_t(imageType), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putU16(out, unsigned(width));
    putU16(out, unsigned(height));
    out.push_back(std::uint8_t(bits));
    out.push_back(std::uint8_t(0x20 | alphaBits));
    return out;
}

}  // namespace

Bytes encodeTga32(const Image& image)
{
    Bytes out = tgaHeader(2, image.width, image.height, 32, 8);
    out.reserve(out.size() + image.pixels.size() * 4);
    for (std::uint32_t p : image.pixels) {
        out.push_back(blueOf(p));
        out.push_back(greenOf(p));
        out.push_back(redOf(p));
        out.push_back(alphaOf(p));
    }
    return out;
}

Bytes encodeTga24(const Image& image)
{
    Bytes out = tgaHeader(2, image.width, image.height, 24, 0);
    out.reserve(out.size() + image.pixels.size() * 3);
    for (std::uint32_t p : image.pixels) {
        out.push_back(blueOf(p));
        out.push_back(greenOf(p));
        out.push_back(redOf(p));
    }
    return out;
}

Bytes encodeTgaGrey(int width, int height, const std::vector<std::uint8_t>& grey)
{
    Bytes out = tgaHeader(3, width, height, 8, 0);
    out.insert(out.end(), grey.begin(), grey.end());
    return out;
}

Bytes encodeJpeg(const Image& image, int quality)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    // Encoding into memory from valid rows cannot fail short of a broken library.
    errors.error_exit = [](j_common_ptr common) {
        (*common->err->output_message)(common);
        std::abort();
    };
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(image.width) * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = image.at(x, y);
            row[std::size_t(x) * 3 + 0] = redOf(p);
            row[std::size_t(x) * 3 + 1] = greenOf(p);
            row[std::size_t(x) * 3 + 2] = blueOf(p);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

Bytes encodeWav(const std::vector<std::int16_t>& samples, int rate)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    Bytes out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, 1);  // mono
    putU32(out, std::uint32_t(rate));
    putU32(out, std::uint32_t(rate) * 2);
    putU16(out, 2);
    putU16(out, 16);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (std::int16_t s : samples)
        putU16(out, std::uint16_t(s));
    return out;
}

Bytes encodeCursor(const Image& image, int hotX, int hotY)
{
    constexpr int kSide = 32;
    constexpr std::uint32_t kXorBytes = kSide * kSide * 4;
    constexpr std::uint32_t kAndBytes = kSide * 4;  // 32 bits per row
    Bytes out;
    putU16(out, 0);
    putU16(out, 2);  // cursor
    putU16(out, 1);
    out.push_back(kSide);
    out.push_back(kSide);
    out.push_back(0);
    out.push_back(0);
    putU16(out, unsigned(hotX));
    putU16(out, unsigned(hotY));
    putU32(out, 40 + kXorBytes + kAndBytes);
    putU32(out, 22);
    putU32(out, 40);
    putU32(out, kSide);
    putU32(out, kSide * 2);  // image and mask
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, 0);
    putU32(out, kXorBytes + kAndBytes);
    for (int i = 0; i < 4; ++i)
        putU32(out, 0);
    auto pixel = [&](int x, int y) { return x < image.width && y < image.height ? image.at(x, y) : 0u; };
    for (int y = kSide - 1; y >= 0; --y)
        for (int x = 0; x < kSide; ++x) {
            std::uint32_t p = pixel(x, y);
            out.push_back(blueOf(p));
            out.push_back(greenOf(p));
            out.push_back(redOf(p));
            out.push_back(alphaOf(p));
        }
    for (int y = kSide - 1; y >= 0; --y)
        for (int byte = 0; byte < 4; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (alphaOf(pixel(byte * 8 + bit, y)) < 128)
                    bits |= std::uint8_t(0x80 >> bit);
            out.push_back(bits);
        }
    return out;
}

}  // namespace mkdata
