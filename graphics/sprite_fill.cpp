// Colour fills, blended fills and darkening of a sprite's rectangle.
#include "graphics/graph.h"
#include "graphics/pixel_ops.h"

#include <algorithm>

namespace {

struct Area {
    int left, top, right, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};

// The rectangle clamped into the clip (and the sprite's pixels).
Area clamp(const Sprite& sprite, int left, int top, int right, int bottom)
{
    return { std::max<int>({ left, sprite.rcClip.left, 0 }), std::max<int>({ top, sprite.rcClip.top, 0 }),
             std::min<int>({ right, sprite.rcClip.right, sprite.nWidth }),
             std::min<int>({ bottom, sprite.rcClip.bottom, sprite.storedRows() }) };
}

// A solid fill: through the surface when there is one, else directly.
void solidFill(Sprite& sprite, const Area& area, std::uint16_t value)
{
    if (area.empty())
        return;
    if (sprite.lpSurface) {
        sprite.Unlock();
        platform::SurfaceRect rc { area.left, area.top, area.right, area.bottom };
        auto* lpSurface = sprite.lpSurface.get();
        GRAPH_CHECK(lpSurface->colorFill(&rc, value));
        return;
    }
    if (!sprite.pPixels)
        return;
    for (int y = area.top; y < area.bottom; ++y)
        std::fill(sprite.row(y) + area.left, sprite.row(y) + area.right, value);
}

template <typename PerPixel>
void forEachPixel(Sprite& sprite, const Area& area, PerPixel change)
{
    if (area.empty())
        return;
    sprite.Lock();
    if (!sprite.pPixels)
        return;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint16_t* row = sprite.row(y);
        for (int x = area.left; x < area.right; ++x)
            row[x] = change(row[x]);
    }
}

}  // namespace

void Sprite::FillRect(int left, int top, int right, int bottom, std::uint32_t color)
{
    const Area area = clamp(*this, left, top, right, bottom);
    const std::uint32_t a = color >> 24;
    if (a == 0 || a >= 240) {
        solidFill(*this, area, static_cast<std::uint16_t>(colorToScreen(color)));
        return;
    }
    // ((p AND M) x (255 - a) + C x a) >> 8, AND M, for the three channels at once.
    const PixelOps ops(ScreenFormat);
    const std::uint64_t tint = ops.spread(colorToScreen(color)) * a, channels = ops.spread(0xFFFF);
    forEachPixel(*this, area, [&](std::uint32_t p) {
        return PixelOps::collapse(((ops.spread(p) * (255 - a) + tint) >> 8) & channels);
    });
}

void Sprite::Darken(int left, int top, int right, int bottom, int amount)
{
    if (amount <= 15)
        return;
    const Area area = clamp(*this, left, top, right, bottom);
    if (amount >= 240) {
        solidFill(*this, area, 0);
        return;
    }
    const std::uint32_t keep = 255 - static_cast<std::uint32_t>(amount);
    if (area.empty())
        return;
    Lock();
    if (!pPixels)
        return;
    const PixelOps ops(ScreenFormat);
    for (int y = area.top; y < area.bottom; ++y)
        ops.darkenRow(row(y) + area.left, area.right - area.left, keep);
}
