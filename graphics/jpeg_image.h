#pragma once
// JPEG pictures decoded whole through libjpeg from the file in memory.
// Colour files give red, green, blue bytes; grey files one byte a pixel.

#include "graphics/image_file.h"
#include "graphics/pixel_conversion.h"

class JpegImage : public ImageFile {
public:
    int Decode(FileBlock block) override;
    void Release() override;
    int GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits, int channelShift,
                   int width, int height) override;
    int GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                 int blueBits, int alphaBits, int redShift, int greenShift, int blueShift, int alphaShift, int width,
                 int height) override;

private:
    SourcePixels source() const;
    std::vector<std::uint8_t> pixels_;
    int components_ = 0;
};
