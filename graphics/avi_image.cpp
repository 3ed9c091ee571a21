#include "graphics/avi_image.h"

#include "graphics/pixel_conversion.h"
#include "graphics/riff_reader.h"
#include "graphics/tga_image.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kMaxFrames = 100000;

}  // namespace

bool AviImage::parseHeaders(std::span<const unsigned char> list)
{
    RiffReader reader(list);
    RiffChunk chunk;
    while (reader.next(chunk)) {
        if (!chunk.isList("strl"))
            continue;
        RiffReader stream(chunk.listBody());
        RiffChunk part;
        bool video = false;
        while (stream.next(part)) {
            if (part.is("strh") && part.body.size() >= 56 &&
                std::string_view(reinterpret_cast<const char*>(part.body.data()), 4) == "vids") {
                video = true;
                scale_ = riffU32(part.body, 20);
                rate_ = riffU32(part.body, 24);
                storedFrames = static_cast<std::int32_t>(std::min(riffU32(part.body, 32), kMaxFrames));
                width = static_cast<std::int16_t>(riffU16(part.body, 52)) - static_cast<std::int16_t>(riffU16(part.body, 48));
                height = static_cast<std::int16_t>(riffU16(part.body, 54)) - static_cast<std::int16_t>(riffU16(part.body, 50));
            } else if (video && part.is("strf") && part.body.size() >= 40) {
                if (width <= 0 || height <= 0) {  // no frame rectangle: the bitmap's own size
                    width = static_cast<std::int32_t>(riffU32(part.body, 4));
                    height = static_cast<std::int32_t>(riffU32(part.body, 8));
                }
                bitsPerPixel = riffU16(part.body, 14);
                compression_ = riffU32(part.body, 16);
                imageSize_ = riffU32(part.body, 20);
                return true;
            }
        }
    }
    return false;
}

void AviImage::collectFrames(std::span<const unsigned char> movi)
{
    RiffReader reader(movi);
    RiffChunk chunk;
    while (reader.next(chunk) && frames_.size() < kMaxFrames) {
        if (chunk.isList("rec "))
            collectFrames(chunk.listBody());
        else if (chunk.id[0] == '0' && chunk.id[1] == '0' && chunk.id[2] == 'd' && (chunk.id[3] == 'b' || chunk.id[3] == 'c'))
            frames_.push_back(chunk.body);
    }
}

int AviImage::Decode(FileBlock block)
{
    Release();
    width = height = bitsPerPixel = storedFrames = totalFrames = 0;
    data = std::move(block);
    RiffReader file(data);
    RiffChunk riff;
    if (!file.next(riff) || !riff.isList("AVI ")) {
        Release();
        return 1;
    }
    RiffReader top(riff.listBody());
    RiffChunk chunk;
    bool headers = false;
    while (top.next(chunk)) {
        if (chunk.isList("hdrl"))
            headers = parseHeaders(chunk.listBody());
        else if (chunk.isList("movi"))
            collectFrames(chunk.listBody());
    }
    const bool usable = headers && width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
                        rate_ > 0 && scale_ > 0 && storedFrames > 0 &&
                        (bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32);
    if (!usable) {
        Release();
        width = height = bitsPerPixel = storedFrames = 0;
        return 1;
    }
    const unsigned long long ms = static_cast<unsigned long long>(storedFrames) * scale_ * 1000 / rate_;
    totalFrames = static_cast<std::int32_t>(std::min<unsigned long long>(ms, 0x7FFFFFFF));
    return 0;
}

void AviImage::Release()
{
    ImageFile::Release();
    frames_.clear();
}

std::span<const unsigned char> AviImage::sampleAt(int time) const
{
    if (compression_ != 0 || frames_.empty() || totalFrames <= 0)
        return {};
    long long t = time % totalFrames;
    if (t < 0)
        t += totalFrames;
    const unsigned long long sample = static_cast<unsigned long long>(t) * rate_ / (1000ull * scale_);
    return frames_[std::min<std::size_t>(sample, frames_.size() - 1)];
}

namespace {

SourcePixels bitmapSource(std::span<const unsigned char> bitmap, int width, int height, int bits, std::size_t imageSize)
{
    SourcePixels pixels;
    pixels.bytes = bitmap;
    pixels.width = width;
    pixels.height = -height;  // bitmaps are stored bottom-up
    pixels.bytesPerPixel = bits / 8;
    const std::size_t padded = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    pixels.rowBytes = imageSize >= static_cast<std::size_t>(height) ? imageSize / height : padded;
    pixels.rowBytes = std::max(pixels.rowBytes, static_cast<std::size_t>(width) * pixels.bytesPerPixel);
    const bool five = bits == 16;
    const int b[4] = { five ? 5 : 8, five ? 5 : 8, five ? 5 : 8, bits == 32 ? 8 : 0 };
    const int s[4] = { five ? 10 : 16, five ? 5 : 8, 0, 24 };
    std::copy(b, b + 4, pixels.bits);
    std::copy(s, s + 4, pixels.shifts);
    return pixels;
}

}  // namespace

int AviImage::GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                       int blueBits, int, int redShift, int greenShift, int blueShift, int, int w, int h)
{
    const auto bitmap = sampleAt(frame);
    if (bitmap.empty() || !dest)
        return -1;
    convertFrame(bitmapSource(bitmap, width, height, bitsPerPixel, imageSize_),
                 destLayout(dest, destBytes, destPitch, w, h, redBits, greenBits, blueBits, redShift, greenShift,
                            blueShift));
    return 0;
}

int AviImage::GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits,
                         int channelShift, int w, int h)
{
    const auto bitmap = sampleAt(frame);
    if (bitmap.empty() || !dest)
        return -1;
    convertChannel(bitmapSource(bitmap, width, height, bitsPerPixel, imageSize_), bitsPerPixel == 32 ? 3 : 2,
                   destLayout(dest, destBytes, destPitch, w, h, 0, 0, 0, 0, 0, 0), channelBits, channelShift);
    return 0;
}
