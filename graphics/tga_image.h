#pragma once
// Uncompressed TGA pictures: 8 bits through a colour map or a grey ramp,
// 16 bits as 5-5-5, 24 and 32 bits (with alpha), top-down or bottom-up.

#include "graphics/image_file.h"
#include "graphics/pixel_conversion.h"

class TgaImage : public ImageFile {
public:
    TgaImage();
    int Decode(FileBlock block) override;
    int GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits, int channelShift,
                   int width, int height) override;
    int GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                 int blueBits, int alphaBits, int redShift, int greenShift, int blueShift, int alphaShift, int width,
                 int height) override;

private:
    SourcePixels source() const;
    std::size_t pixelOffset_ = 0;
    bool hasColorMap_ = false;
};

// Fills width x height pixels of a 16-bit destination from a layout.
DestLayout destLayout(std::uint8_t* dest, int destBytes, int destPitch, int width, int height, int redBits,
                      int greenBits, int blueBits, int redShift, int greenShift, int blueShift);
