#include "graphics/rotate.h"

#include "graphics/angle_tables.h"
#include "graphics/pixel_ops.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr float kTiny = 0.00001f;

float guarded(float denominator) { return std::fabs(denominator) < kTiny ? kTiny : denominator; }

struct Corner {
    int x, y;
};

struct Gradients {
    long long dx, dy, origin;  // 10-bit fixed point, scaled to texel units
};

Gradients gradients(float a, float b, float c, const Corner* p, float d, float scale)
{
    const float ddx = ((a - c) * (p[0].y - p[1].y) - (a - b) * (p[0].y - p[2].y)) / guarded(d);
    const float ddy = ((a - c) * (p[0].x - p[1].x) - (a - b) * (p[0].x - p[2].x)) / guarded(-d);
    const float origin = a - ddx * p[0].x - ddy * p[0].y;
    return { std::llrint(ddx * scale), std::llrint(ddy * scale), std::llrint(origin * scale) };
}

// The texture as the mapper addresses it: sides rounded up to powers of
// two for the masks, texels outside the real image skipped.
struct Texture {
    const std::uint16_t* pixels;
    const std::uint8_t* alpha;
    int width, height;        // real
    int maskWidth, maskHeight;  // powers of two
    int widthShift;

    bool contains(long long u, long long v) const
    {
        const long long tu = u >> 10, tv = v >> 10;
        if (tu & ~static_cast<long long>(maskWidth - 1))
            return false;
        if (tv & ~(static_cast<long long>(maskHeight - 1) * maskWidth | (maskWidth - 1)))
            return false;
        const long long row = (tv & (static_cast<long long>(maskHeight - 1) * maskWidth)) >> widthShift;
        return tu < width && row < height;
    }
    // The texel at a position the texture contains: there tv lies below
    // maskHeight x maskWidth, so its row is tv >> widthShift.
    long long index(long long u, long long v) const { return ((v >> 10) >> widthShift) * width + (u >> 10); }
};

struct Mapper {
    Sprite* dest;
    const PixelOps* ops;
    Texture texture;
    std::uint32_t mode;
    Gradients u, v;
    long long halfTexelV;

    void plot(std::uint16_t& out, long long i) const
    {
        const std::uint16_t texel = texture.pixels[i];
        if (mode == OP_ALPHA) {
            if (texel != 0)
                out = texel;
            return;
        }
        const int a = texture.alpha[i];
        if (a >= 248)
            out = texel;
        else if (a > 7)
            out = ops->blend(out, texel, static_cast<std::uint32_t>(a));
    }

    // Columns from..to (to included) in the direction step. The texture
    // positions are linear in x, so the columns whose texel lies inside
    // the texture form one run: the span is trimmed to it at both ends.
    void span(int y, int from, int to, int step, long long uRow, long long vRow) const
    {
        auto inside = [&](int x) { return texture.contains(uRow + u.dx * x, vRow + v.dx * x); };
        while (from != to + step && !inside(from))
            from += step;
        while (to != from - step && !inside(to))
            to -= step;
        std::uint16_t* out = dest->row(y);
        for (int x = from; x != to + step; x += step)
            plot(out[x], texture.index(uRow + u.dx * x, vRow + v.dx * x));
    }

    void row(int y, int longX, int shortX, bool middleRight, int clipLeft, int clipRight) const
    {
        const long long uRow = u.dy * y + u.origin + 512;
        const long long vRow = v.dy * y + v.origin + halfTexelV;
        if (middleRight) {
            const int from = std::max(longX, clipLeft), to = std::min(shortX, clipRight - 1);
            if (from < to)
                span(y, from, to - 1, 1, uRow, vRow);
        } else {
            const int from = std::min(longX, clipRight - 1), to = std::max(shortX, clipLeft);
            if (from >= to)
                span(y, from, to, -1, uRow, vRow);
        }
    }
};

long long edgeStep(const Corner& a, const Corner& b)
{
    return b.y == a.y ? 0 : (static_cast<long long>(b.x - a.x) * 1024) / (b.y - a.y);
}

}  // namespace

void DrawTriangle(Sprite* dest, std::uint32_t, std::uint32_t mode, Sprite* source, int xA, int yA, int xB, int yB,
                  int xC, int yC, float uA, float vA, float uB, float vB, float uC, float vC, int frame)
{
    if (!dest || !source || (mode != OP_ALPHA && mode != OP_TEXT) || source->nWidth <= 0 || source->nHeight <= 0)
        return;
    dest->Lock();
    source->Lock();
    if (!dest->pPixels || !source->pPixels)
        return;
    const Corner p[3] = { { xA, yA }, { xB, yB }, { xC, yC } };
    const long long area = static_cast<long long>(xA - xC) * (yA - yB) - static_cast<long long>(yA - yC) * (xA - xB);
    const float d = static_cast<float>(area);
    if (d > kTiny)
        return;
    const int W = source->nWidth, H = source->nHeight;
    const int maskW = static_cast<int>(std::bit_ceil(static_cast<unsigned>(W)));
    const int maskH = static_cast<int>(std::bit_ceil(static_cast<unsigned>(H)));
    const int frameRow = source->storedFrame(frame) * H;
    const PixelOps ops16(ScreenFormat);
    Mapper mapper { dest, &ops16,
                    { source->row(frameRow),
                      source->pAlpha ? source->pAlpha.get() + static_cast<std::size_t>(frameRow) * W : nullptr, W, H,
                      maskW, maskH, std::countr_zero(static_cast<unsigned>(maskW)) },
                    mode,
                    gradients(uA, uB, uC, p, d, static_cast<float>(W) * 1024),
                    gradients(vA, vB, vC, p, d, static_cast<float>(H) * maskW * 1024),
                    static_cast<long long>(maskW) * 512 };
    if (mode == OP_TEXT && !mapper.texture.alpha)
        return;  // blending needs the alpha map

    Corner sorted[3] = { p[0], p[1], p[2] };
    std::stable_sort(sorted, sorted + 3, [](const Corner& a, const Corner& b) { return a.y < b.y; });
    const Corner &top = sorted[0], &middle = sorted[1], &bottom = sorted[2];
    const long long longStep = edgeStep(top, bottom);
    const long long upperStep = edgeStep(top, middle), lowerStep = edgeStep(middle, bottom);

    const int clipTop = std::max<int>(dest->rcClip.top, 0), clipBottom = std::min<int>(dest->rcClip.bottom, dest->storedRows());
    const int clipLeft = std::max<int>(dest->rcClip.left, 0), clipRight = std::min<int>(dest->rcClip.right, dest->nWidth);
    const int first = std::max(top.y, clipTop), last = std::min(bottom.y, clipBottom);
    // The middle corner's side of the long edge decides the span direction.
    const long long longAtMiddle = static_cast<long long>(top.x) * 1024 + longStep * (middle.y - top.y);
    const bool middleRight = static_cast<long long>(middle.x) * 1024 > longAtMiddle;
    for (int y = first; y < last; ++y) {
        const long long longX = static_cast<long long>(top.x) * 1024 + longStep * (y - top.y);
        const long long shortX = y < middle.y ? static_cast<long long>(top.x) * 1024 + upperStep * (y - top.y)
                                              : static_cast<long long>(middle.x) * 1024 + lowerStep * (y - middle.y);
        mapper.row(y, static_cast<int>(longX >> 10), static_cast<int>(shortX >> 10), middleRight, clipLeft, clipRight);
    }
}

void DrawRotated(Sprite* dest, int x, int y, Sprite* source, float angle)
{
    if (!source)
        return;
    float scaled = angle * 40.7437f;
    if (!std::isfinite(scaled))
        return;
    if (std::fabs(scaled) > 1e9f)
        scaled = std::fmod(scaled, 256.0f);  // whole turns only, before the conversion
    const int k = static_cast<int>(scaled) & 255;
    const float c = fCosTable[k], s = fSinTable[k];
    const int hw = source->nWidth / 2, hh = source->nHeight / 2;
    const Corner local[4] = { { -hw, -hh }, { hw, -hh }, { hw, hh }, { -hw, hh } };
    Corner screen[4];
    for (int i = 0; i < 4; ++i) {
        const float X = static_cast<float>(local[i].x), Y = static_cast<float>(local[i].y);
        screen[i] = { x + static_cast<int>(std::nearbyint(X * c - Y * s)), y + static_cast<int>(std::nearbyint(X * s + Y * c)) };
    }
    DrawTriangle(dest, 0x02000000, OP_ALPHA, source, screen[0].x, screen[0].y, screen[1].x, screen[1].y, screen[2].x,
                 screen[2].y, 0, 0, 1, 0, 1, 1, 0);
    DrawTriangle(dest, 0x02000000, OP_ALPHA, source, screen[0].x, screen[0].y, screen[2].x, screen[2].y, screen[3].x,
                 screen[3].y, 0, 0, 1, 1, 0, 1, 0);
}
