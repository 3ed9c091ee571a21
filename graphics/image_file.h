#pragma once
// Image decoders: one is chosen by the file name, takes the whole file as
// one block, reports size, depth and frame counts, then converts frames
// into 16-bit pixels and single channels into alpha maps.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

using FileBlock = std::vector<unsigned char>;

class ImageFile {
public:
    virtual ~ImageFile() = default;
    // Reads the whole file and hands it to Decode.
    virtual int Load(const char* name);
    // Takes the file block and reads its header; -1 when not supported.
    virtual int Decode(FileBlock block);
    virtual int Save(const char*) { return -1; }
    virtual void Release() { data.clear(); }
    virtual int Reserved() { return -1; }
    // Writes one channel of a frame, widened to channelBits at channelShift,
    // into width x height pixels of destBytes each, rows destPitch apart.
    virtual int GetChannel(std::uint8_t* dest, int frame, int destBytes, int destPitch, int channelBits,
                           int channelShift, int width, int height);
    // Writes a frame into width x height pixels of the given RGB layout;
    // the destination's bits outside the three channels keep their value.
    virtual int GetFrame(std::uint8_t* dest, int frame, int destBytes, int destPitch, int redBits, int greenBits,
                         int blueBits, int alphaBits, int redShift, int greenShift, int blueShift, int alphaShift,
                         int width, int height);
    virtual int Reserved2() { return -1; }

    std::int32_t width = 0;   // negative: columns run right to left
    std::int32_t height = 0;  // negative: rows stored bottom-up
    std::int32_t bitsPerPixel = 0;
    std::int32_t storedFrames = 0;
    std::int32_t totalFrames = 0;
    FileBlock data;
};

// The decoder for a name (".tga", ".avi", ".bmp", ".jpg", ".rdr", ".tva"
// anywhere in it, any case, first match in that order), or nullptr.
std::unique_ptr<ImageFile> imageCreateByName(const char* name);

// Reads a whole file: 0; -1 when it cannot be opened, -2 when it is empty.
int fileLoad(const char* name, FileBlock& block);

// The largest side a decoder accepts; larger (or 0) is a damaged header.
constexpr int kMaxImageSide = 8192;

// The animation and bitmap decoders (".avi", ".bmp", ".rdr", ".tva").
std::unique_ptr<ImageFile> imageCreateAnimation(const char* pattern);
