#include "platform/surface.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace platform {
namespace {
constexpr int kMaxSide = 16384;
constexpr std::size_t kMaxPixels = std::size_t { 64 } << 20;
}  // namespace

std::unique_ptr<Surface> Surface::create(int width, int height, SurfaceFormat format)
{
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide * 64 ||
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > kMaxPixels)
        return nullptr;
    return std::unique_ptr<Surface>(new Surface(width, height, format));
}

Surface::Surface(int width, int height, SurfaceFormat format)
    : width_(width), height_(height), format_(format),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

std::int32_t Surface::setColorKey(std::uint16_t low, std::uint16_t high)
{
    if (low > high)
        return DDERR_INVALIDPARAMS;
    keyLow_ = low;
    keyHigh_ = high;
    hasKey_ = true;
    return DD_OK;
}

std::int32_t Surface::lock(std::uint16_t*& pixels, int& pitchBytes)
{
    if (locked_ || context_)
        return DDERR_SURFACEBUSY;
    locked_ = true;
    pixels = pixels_.data();
    pitchBytes = width_ * 2;
    return DD_OK;
}

std::int32_t Surface::unlock()
{
    if (!locked_)
        return DDERR_NOTLOCKED;
    locked_ = false;
    return DD_OK;
}

bool Surface::validRect(const SurfaceRect& rect, int width, int height) const
{
    return rect.left >= 0 && rect.top >= 0 && rect.left < rect.right && rect.top < rect.bottom &&
           rect.right <= width && rect.bottom <= height;
}

std::int32_t Surface::colorFill(const SurfaceRect* rect, std::uint16_t value)
{
    const SurfaceRect area = rect ? *rect : SurfaceRect { 0, 0, width_, height_ };
    if (locked_ || context_)
        return DDERR_SURFACEBUSY;
    if (!validRect(area, width_, height_))
        return DDERR_INVALIDRECT;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint16_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        for (int x = area.left; x < area.right; ++x)
            row[x] = value;
    }
    return DD_OK;
}

std::int32_t Surface::blit(const SurfaceRect& target, const Surface& source, const SurfaceRect& from, bool keyed)
{
    if (locked_ || source.locked_ || context_ || source.context_)
        return DDERR_SURFACEBUSY;
    if (!validRect(target, width_, height_) || !validRect(from, source.width_, source.height_))
        return DDERR_INVALIDRECT;
    if (keyed && !source.hasKey_)
        return DDERR_NOCOLORKEY;
    const long long targetW = target.right - target.left, targetH = target.bottom - target.top;
    const long long fromW = from.right - from.left, fromH = from.bottom - from.top;
    // A copy within one surface reads from a snapshot, as overlapping rectangles need.
    std::vector<std::uint16_t> snapshot;
    const std::uint16_t* sourcePixels = source.pixels_.data();
    if (&source == this) {
        snapshot = pixels_;
        sourcePixels = snapshot.data();
    }
    if (targetW == fromW && targetH == fromH) {
        copyRows(target, sourcePixels, source.width_, from, keyed ? &source : nullptr);
        return DD_OK;
    }
    for (long long y = 0; y < targetH; ++y) {
        const long long sy = from.top + y * fromH / targetH;
        const std::uint16_t* in = sourcePixels + sy * source.width_;
        std::uint16_t* out = pixels_.data() + (target.top + y) * width_ + target.left;
        for (long long x = 0; x < targetW; ++x) {
            const std::uint16_t pixel = in[from.left + x * fromW / targetW];
            if (!keyed || pixel < source.keyLow_ || pixel > source.keyHigh_)
                out[x] = pixel;
        }
    }
    return DD_OK;
}

void Surface::copyRows(const SurfaceRect& target, const std::uint16_t* sourcePixels, int sourceWidth,
                       const SurfaceRect& from, const Surface* keyedSource)
{
    const int w = target.right - target.left;
    for (int y = 0; y < target.bottom - target.top; ++y) {
        const std::uint16_t* in = sourcePixels + static_cast<std::size_t>(from.top + y) * sourceWidth + from.left;
        std::uint16_t* out = pixels_.data() + static_cast<std::size_t>(target.top + y) * width_ + target.left;
        if (!keyedSource) {
            std::copy(in, in + w, out);
            continue;
        }
        for (int x = 0; x < w; ++x)
            if (in[x] < keyedSource->keyLow_ || in[x] > keyedSource->keyHigh_)
                out[x] = in[x];
    }
}

std::int32_t Surface::getDC(DeviceContext*& context)
{
    context = nullptr;
    if (context_)
        return DDERR_DCALREADYCREATED;
    if (locked_)
        return DDERR_SURFACEBUSY;
    context_ = std::make_unique<DeviceContext>(*this);
    context = context_.get();
    return DD_OK;
}

std::int32_t Surface::releaseDC(DeviceContext* context)
{
    if (!context_ || context != context_.get())
        return DDERR_NODC;
    context_.reset();
    return DD_OK;
}

void Surface::putPixel(int x, int y, std::uint16_t value)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y) * width_ + x] = value;
}

std::uint16_t Surface::fromColorRef(std::uint32_t colorRef) const
{
    const std::uint32_t channels[3] = { colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF };
    const std::uint32_t masks[3] = { format_.redMask, format_.greenMask, format_.blueMask };
    std::uint32_t pixel = 0;
    for (int c = 0; c < 3; ++c) {
        if (!masks[c])
            continue;
        const int shift = std::countr_zero(masks[c]);
        const int bits = std::popcount(masks[c]);
        pixel |= ((channels[c] >> (8 - bits)) << shift) & masks[c];
    }
    return static_cast<std::uint16_t>(pixel);
}

void DeviceContext::lineTo(int x, int y)
{
    // Bresenham from the current position; the last point is not drawn.
    const std::uint16_t value = surface_.fromColorRef(pen_);
    int cx = x_, cy = y_;
    const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
    const int stepX = cx < x ? 1 : -1, stepY = cy < y ? 1 : -1;
    int error = dx + dy;
    while (cx != x || cy != y) {
        surface_.putPixel(cx, cy, value);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cx += stepX;
        }
        if (twice <= dx) {
            error += dx;
            cy += stepY;
        }
    }
    x_ = x;
    y_ = y;
}

}  // namespace platform
