#pragma once
// Sprites: every picture, font and the back buffer. 16-bit pixels in
// ScreenFormat, frames stacked vertically, an optional 8-bit alpha map, and
// the drawing operations between sprites.

#include "platform/surface.h"

#include <cstdint>
#include <memory>

// Blit operation flags.
constexpr std::uint32_t OP_MASK = 0x00008000;
constexpr std::uint32_t OP_ALPHA = 0x01000000;
constexpr std::uint32_t OP_TEXT = 0x80000000;
constexpr std::uint32_t OP_ADD = 0x08000000;
constexpr std::uint32_t OP_ANY_ALPHA = OP_MASK | OP_ALPHA | OP_TEXT;

struct SpriteRect {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};

class Sprite {
public:
    Sprite() = default;
    virtual ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    char szName[64] = {};
    char szMaskName[64] = {};
    std::int32_t nFrames = 1;
    SpriteRect rcClip;
    std::int16_t nWidth = 0;
    std::int16_t nHeight = 0;
    std::int16_t nPitch = 0;
    std::int16_t nStored = 1;
    std::uint32_t bMask : 1 = 0;
    std::uint16_t* pPixels = nullptr;
    std::unique_ptr<std::uint8_t[]> pAlpha;
    std::unique_ptr<platform::Surface> lpSurface;

    void Lock();
    void Unlock();
    void FillRect(int left, int top, int right, int bottom, std::uint32_t color);
    void Darken(int left, int top, int right, int bottom, int amount);
    void Draw(int x, int y, Sprite* source, std::uint32_t ops, int frame);
    void DrawPart(int x, int y, int width, int height, Sprite* source, int sx, int sy, std::uint32_t ops, int frame);
    void DrawStretch(int x, int y, int width, int height, Sprite* source, int sx, int sy, int sw, int sh,
                     std::uint32_t ops, int frame);
    void DrawFaded(int x, int y, Sprite* source, int alpha, int frame);
    void Line(int x1, int y1, int x2, int y2, std::int32_t color);
    void CopyWithAlpha(int x, int y, Sprite* source);
    void CopyPartWithAlpha(int x, int y, Sprite* source, int sx, int sy, int width, int height);

    // The stored frame that logical frame shows.
    int storedFrame(int frame) const;
    // Rows of pixels and alpha bytes held: nStored x nHeight.
    int storedRows() const { return nStored * nHeight; }
    // nWidth x storedRows(), 0 for a sprite without a size.
    std::size_t pixelCount() const;
    std::uint16_t* row(int y) const
    {
        return reinterpret_cast<std::uint16_t*>(reinterpret_cast<std::uint8_t*>(pPixels) + y * nPitch);
    }

    // Frees pixels, surface and alpha map, and clears bMask.
    void releaseImage();
    // Gives the sprite heap pixels of nWidth x storedRows(), all 0.
    void makeHeapPixels();
    // Gives the sprite a surface of nWidth x storedRows(); false when none can be made.
    bool makeSurface();
    void makeAlphaMap(std::uint8_t value);
    void setFullClip();

private:
    std::unique_ptr<std::uint16_t[]> heapPixels_;
};

// The one routine every Draw ends in.
void spriteBlit(Sprite* destination, int dx, int dy, int dw, int dh, Sprite* source, int sx, int sy, int sw, int sh,
                int frame, std::uint32_t ops);
