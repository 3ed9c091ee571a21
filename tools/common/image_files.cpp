#include "tools/common/image_files.h"

#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace mkdata {
namespace {

std::string lowered(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

}  // namespace

bool decodeTga(const std::vector<std::uint8_t>& file, DecodedPicture& out)
{
    if (file.size() < 18)
        return false;
    int width = file[12] | (file[13] << 8);
    int height = file[14] | (file[15] << 8);
    int bits = file[16];
    bool topDown = file[17] & 0x20;
    bool colourMap = file[1] & 1;
    std::size_t start = colourMap ? 18 + 768 : 18;
    std::size_t bytesPer = std::size_t(bits / 8);
    if (bytesPer == 0 || bytesPer > 4 || file.size() < start + std::size_t(width) * height * bytesPer)
        return false;
    out.image = Image(width, height);
    out.bitsPerPixel = bits;
    for (int row = 0; row < height; ++row) {
        int y = topDown ? row : height - 1 - row;
        const std::uint8_t* p = file.data() + start + std::size_t(row) * width * bytesPer;
        for (int x = 0; x < width; ++x, p += bytesPer) {
            std::uint32_t pixel = 0;
            switch (bits) {
            case 8: {
                const std::uint8_t* entry = colourMap ? &file[18 + 3 * std::size_t(p[0])] : nullptr;
                pixel = entry ? argb(255, entry[2], entry[1], entry[0]) : argb(255, p[0], p[0], p[0]);
                break;
            }
            case 16: {
                unsigned v = p[0] | (p[1] << 8);
                pixel = argb(255, ((v >> 10) & 31) << 3, ((v >> 5) & 31) << 3, (v & 31) << 3);
                break;
            }
            case 24:
                pixel = argb(255, p[2], p[1], p[0]);
                break;
            default:
                pixel = argb(p[3], p[2], p[1], p[0]);
            }
            out.image.at(x, y) = pixel;
        }
    }
    return true;
}

bool decodeJpeg(const std::vector<std::uint8_t>& file, DecodedPicture& out)
{
    jpeg_decompress_struct info {};
    JpegErrors errors {};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = [](j_common_ptr common) {
        std::longjmp(reinterpret_cast<JpegErrors*>(common->err)->escape, 1);
    };
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.image = Image(int(info.output_width), int(info.output_height));
    out.bitsPerPixel = 24;
    std::vector<JSAMPLE> row(std::size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < out.image.width; ++x)
            out.image.at(x, y) = argb(255, row[std::size_t(x) * 3], row[std::size_t(x) * 3 + 1],
                                      row[std::size_t(x) * 3 + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool decodePicture(const std::string& name, const std::vector<std::uint8_t>& file, DecodedPicture& out)
{
    std::string n = lowered(name);
    if (n.find(".tga") != std::string::npos)
        return decodeTga(file, out);
    if (n.find(".jpg") != std::string::npos)
        return decodeJpeg(file, out);
    return false;
}

std::vector<std::uint8_t> companionAlpha(const DecodedPicture& companion)
{
    std::vector<std::uint8_t> alpha(companion.image.pixels.size());
    for (std::size_t i = 0; i < alpha.size(); ++i) {
        std::uint32_t p = companion.image.pixels[i];
        alpha[i] = companion.bitsPerPixel == 32 ? alphaOf(p) : blueOf(p);
    }
    return alpha;
}

}  // namespace mkdata
