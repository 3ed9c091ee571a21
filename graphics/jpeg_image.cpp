#include "graphics/jpeg_image.h"

#include "graphics/tga_image.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf exit;
};

[[noreturn]] void errorExit(j_common_ptr info)
{
    (*info->err->output_message)(info);
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->exit, 1);
}

// The file block as one buffer; when libjpeg asks for more there is none,
// so it gets an end-of-image marker and finishes with what it has.
const JOCTET kEndOfImage[2] = { 0xFF, JPEG_EOI };

void initSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr info)
{
    info->src->next_input_byte = kEndOfImage;
    info->src->bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* src = info->src;
    while (static_cast<std::size_t>(count) > src->bytes_in_buffer) {
        count -= static_cast<long>(src->bytes_in_buffer);
        fillInput(info);
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

struct Decoded {
    int width = 0, height = 0, components = 0;
};

// Only plain data lives in this frame, since an error leaves it by longjmp;
// the pixel buffer belongs to the caller.
bool decodeJpeg(const FileBlock& block, std::vector<std::uint8_t>& pixels, Decoded& out)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_source_mgr source;
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = errorExit;
    if (setjmp(errors.exit)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    source.init_source = initSource;
    source.fill_input_buffer = fillInput;
    source.skip_input_data = skipInput;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = termSource;
    source.next_input_byte = block.data();
    source.bytes_in_buffer = block.size();
    info.src = &source;
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
    const int components = info.output_components;
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || (components != 1 && components != 3)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(w) * components;
    pixels.assign(rowBytes * h, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + info.output_scanline * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out = { w, h, components };
    return true;
}

}  // namespace

int JpegImage::Decode(FileBlock block)
{
    Release();
    width = height = bitsPerPixel = 0;
    storedFrames = 1;
    totalFrames = 0;
    Decoded decoded;
    if (block.empty() || !decodeJpeg(block, pixels_, decoded)) {
        pixels_.clear();
        return 1;
    }
    width = decoded.width;
    height = decoded.height;
    components_ = decoded.components;
    bitsPerPixel = components_ * 8;
    data = std::move(block);
    return 0;
}

void JpegImage::Release()
{
    ImageFile::Release();
    pixels_.clear();
    components_ = 0;
}

SourcePixels JpegImage::source() const
{
    SourcePixels pixels;
    pixels.bytes = pixels_;
    pixels.width = width;
    pixels.height = height;
    pixels.bytesPerPixel = components_;
    pixels.rowBytes = static_cast<std::size_t>(width) * components_;
    for (int c = 0; c < 3; ++c)
        pixels.bits[c] = 8;
    if (components_ == 3) {
        pixels.shifts[0] = 0;  // bytes red, green, blue
        pixels.shifts[1] = 8;
        pixels.shifts[2] = 16;
    }
    return pixels;
}

int JpegImage::GetFrame(std::uint8_t* dest, int, int destBytes, int destPitch, int redBits, int greenBits,
                        int blueBits, int, int redShift, int greenShift, int blueShift, int, int w, int h)
{
    if (pixels_.empty() || !dest)
        return -1;
    // A grey file gives the grey level in all three channels.
    convertFrame(source(), destLayout(dest, destBytes, destPitch, w, h, redBits, greenBits, blueBits, redShift,
                                      greenShift, blueShift));
    return 0;
}

int JpegImage::GetChannel(std::uint8_t* dest, int, int destBytes, int destPitch, int channelBits, int channelShift,
                          int w, int h)
{
    if (pixels_.empty() || !dest)
        return -1;
    convertChannel(source(), 0, destLayout(dest, destBytes, destPitch, w, h, 0, 0, 0, 0, 0, 0), channelBits,
                   channelShift);
    return 0;
}
