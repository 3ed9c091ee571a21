#pragma once
// AVI video through our own RIFF reader: the first video stream's
// uncompressed frames (16-bit 5-5-5, 24 or 32 bits, bottom-up bitmaps).
// The total is the clip's length in milliseconds, so a frame number is a
// time; compressed frames are refused.

#include "graphics/image_file.h"

#include <span>

class AviImage : public ImageFile {
public:
    int Decode(FileBlock block) override;
    void Release() override;
    int GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits, int channelShift,
                   int width, int height) override;
    int GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                 int blueBits, int alphaBits, int redShift, int greenShift, int blueShift, int alphaShift, int width,
                 int height) override;

private:
    // The bitmap of the sample shown at a time; empty when there is none.
    std::span<const unsigned char> sampleAt(int time) const;
    bool parseHeaders(std::span<const unsigned char> list);
    void collectFrames(std::span<const unsigned char> movi);

    std::uint32_t scale_ = 0, rate_ = 0;
    std::uint32_t compression_ = 0;
    std::size_t imageSize_ = 0;
    std::vector<std::span<const unsigned char>> frames_;
};
