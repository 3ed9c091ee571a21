#pragma once
// TVA animations: an 18-byte header, then stored frames of 24- or 32-bit
// pixels (blue, green, red, alpha), each frame top-down or bottom-up.

#include "graphics/image_file.h"
#include "graphics/pixel_conversion.h"

class TvaImage : public ImageFile {
public:
    // 1 when the block size disagrees with the header (the frames that are
    // there still convert); the sizes stay 0 for a header that cannot be true.
    int Decode(FileBlock block) override;
    int GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits, int channelShift,
                   int width, int height) override;
    int GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                 int blueBits, int alphaBits, int redShift, int greenShift, int blueShift, int alphaShift, int width,
                 int height) override;

private:
    SourcePixels frameSource(int frame) const;
    bool topDown_ = false;
};

// Builds a TVA file (used by the data tools and the tests).
FileBlock tvaFile(int total, int stored, int width, int height, int bits, bool topDown,
                  const std::vector<unsigned char>& pixels);
