#pragma once
// System-memory surfaces: 16-bit pixels in one chosen format, a source
// colour key, locks, colour fills, colour-keyed copies with and without
// scaling, and a device context for lines. No video memory, so a surface
// is never lost. Results are SurfaceResult codes.

#include "platform/surface_results.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

struct SurfaceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct SurfaceFormat {
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
};

class Surface;

// Lines drawn with a pen of one colour; the end point is left out.
class DeviceContext {
public:
    explicit DeviceContext(Surface& surface) : surface_(surface) {}
    // The pen colour is 0x00BBGGRR; a fresh context draws black.
    void setPen(std::uint32_t colorRef) { pen_ = colorRef; }
    std::uint32_t pen() const { return pen_; }
    void moveTo(int x, int y) { x_ = x; y_ = y; }
    void lineTo(int x, int y);

private:
    Surface& surface_;
    std::uint32_t pen_ = 0;
    int x_ = 0, y_ = 0;
};

class Surface {
public:
    // nullptr for a size of 0, a negative one, or one too large.
    static std::unique_ptr<Surface> create(int width, int height, SurfaceFormat format);

    int width() const { return width_; }
    int height() const { return height_; }
    const SurfaceFormat& format() const { return format_; }

    std::int32_t setColorKey(std::uint16_t low, std::uint16_t high);
    // Whole-surface lock; DDERR_SURFACEBUSY when locked already.
    std::int32_t lock(std::uint16_t*& pixels, int& pitchBytes);
    // DDERR_NOTLOCKED when not locked.
    std::int32_t unlock();
    bool isLocked() const { return locked_; }

    // Fills the rectangle (the whole surface when none) with a pixel value.
    std::int32_t colorFill(const SurfaceRect* rect, std::uint16_t value);
    // Copies source's rectangle onto this one's, scaled to fit with the
    // nearest pixel; keyed skips source pixels within the colour key.
    std::int32_t blit(const SurfaceRect& target, const Surface& source, const SurfaceRect& from, bool keyed);

    // The device context; DDERR_DCALREADYCREATED while one is out, and
    // DDERR_SURFACEBUSY while locked.
    std::int32_t getDC(DeviceContext*& context);
    std::int32_t releaseDC(DeviceContext* context);

    // The pixels for presenting (rows of width pixels); valid while the
    // surface lives.
    const std::uint16_t* pixelData() const { return pixels_.data(); }
    void putPixel(int x, int y, std::uint16_t value);
    // A 0x00BBGGRR colour in this surface's format.
    std::uint16_t fromColorRef(std::uint32_t colorRef) const;

private:
    Surface(int width, int height, SurfaceFormat format);
    bool validRect(const SurfaceRect& rect, int width, int height) const;
    // An unscaled copy (skipping the key of keyedSource when given).
    void copyRows(const SurfaceRect& target, const std::uint16_t* sourcePixels, int sourceWidth,
                  const SurfaceRect& from, const Surface* keyedSource);

    int width_, height_;
    SurfaceFormat format_;
    std::vector<std::uint16_t> pixels_;
    std::uint16_t keyLow_ = 0, keyHigh_ = 0;
    bool hasKey_ = false;
    bool locked_ = false;
    std::unique_ptr<DeviceContext> context_;
};

}  // namespace platform
