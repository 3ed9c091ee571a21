// The blits: the alpha-map, additive, colour-keyed and copy paths, with
// 16.16 fixed-point nearest-neighbour scaling and clipping.
#include "graphics/blit_rows.h"
#include "graphics/graph.h"
#include "graphics/pixel_ops.h"

#include <algorithm>

namespace {

struct Span {
    int first, last;  // destination columns or rows, last exclusive
    long long start;  // source position of the first, 16.16
    long long step;
};

// One destination row of a blit: columns first..last, source position in 16.16.
struct BlitRow {
    static constexpr int kMaxChunk = 256;
    std::uint16_t* out;
    const std::uint16_t* in;
    const std::uint8_t* alpha;
    long long position, step;
    int first, last;

    // Runs a row kernel (out, in, alpha, count) over the row: straight on the
    // source row when unscaled, else on samples gathered up to chunk at a time.
    template <typename Kernel>
    void run(int chunk, Kernel kernel) const
    {
        if (step == 0x10000) {
            const long long column = position >> 16;
            kernel(out + first, in + column, alpha ? alpha + column : nullptr, last - first);
            return;
        }
        std::uint16_t pixels[kMaxChunk];
        std::uint8_t bytes[kMaxChunk];
        long long p = position;
        for (int x = first; x < last; x += chunk) {
            const int count = std::min(chunk, last - x);
            for (int i = 0; i < count; ++i, p += step) {
                pixels[i] = in[p >> 16];
                if (alpha)
                    bytes[i] = alpha[p >> 16];
            }
            kernel(out + x, pixels, bytes, count);
        }
    }
};

enum class Path { AlphaMap, Additive, Hardware, Copy };

Path choosePath(const Sprite* destination, const Sprite* source, std::uint32_t ops)
{
    if ((ops & OP_ANY_ALPHA) && source->pAlpha)
        return Path::AlphaMap;
    if (ops & OP_ADD)
        return Path::Additive;
    if (destination->lpSurface && source->lpSurface)
        return Path::Hardware;
    return Path::Copy;
}

// Clips one axis against the clip edges; the source start moves with the
// clipped destination start.
Span clipAxis(int d, int size, int s, int sourceSize, int clipLow, int clipHigh, long long& sourceEnd)
{
    const long long step = (static_cast<long long>(sourceSize) << 16) / size;
    Span span { d, d + size, static_cast<long long>(s) << 16, step };
    sourceEnd = s + sourceSize;
    if (span.first < clipLow) {
        span.start = static_cast<long long>(s + (((clipLow - d) * step) >> 16)) << 16;
        span.first = clipLow;
    }
    if (span.last > clipHigh) {
        sourceEnd += ((clipHigh - span.last) * step) >> 16;
        span.last = clipHigh;
    }
    return span;
}

void hardwareBlit(Sprite* destination, Sprite* source, const Span& columns, const Span& rows, long long sourceRight,
                  long long sourceBottom, int frameRow)
{
    destination->Unlock();
    source->Unlock();
    platform::SurfaceRect rDst { columns.first, rows.first, columns.last, rows.last };
    platform::SurfaceRect rSrc { static_cast<int>(columns.start >> 16), static_cast<int>((rows.start >> 16) + frameRow),
                                 static_cast<int>(sourceRight), static_cast<int>(sourceBottom + frameRow) };
    Sprite* pDst = destination;
    Sprite* pSrc = source;
    GRAPH_CHECK(pDst->lpSurface->blit(rDst, *pSrc->lpSurface, rSrc, pSrc->bMask));
}

}  // namespace

void spriteBlit(Sprite* destination, int dx, int dy, int dw, int dh, Sprite* source, int sx, int sy, int sw, int sh,
                int frame, std::uint32_t ops)
{
    if (!destination || !source || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    // The clip, kept inside the destination's pixels.
    const int clipLeft = std::max<int>(destination->rcClip.left, 0);
    const int clipTop = std::max<int>(destination->rcClip.top, 0);
    const int clipRight = std::min<int>(destination->rcClip.right, destination->nWidth);
    const int clipBottom = std::min<int>(destination->rcClip.bottom, destination->storedRows());
    long long sourceRight = 0, sourceBottom = 0;
    const Span columns = clipAxis(dx, dw, sx, sw, clipLeft, clipRight, sourceRight);
    const Span rows = clipAxis(dy, dh, sy, sh, clipTop, clipBottom, sourceBottom);
    if (columns.first >= columns.last || rows.first >= rows.last)
        return;
    const int frameRow = source->storedFrame(frame) * source->nHeight;
    const Path path = choosePath(destination, source, ops);
    if (path == Path::Hardware) {
        hardwareBlit(destination, source, columns, rows, sourceRight, sourceBottom, frameRow);
        return;
    }
    destination->Lock();
    source->Lock();
    if (!destination->pPixels || !source->pPixels)
        return;
    // Source pixels outside the image are never read: the columns whose
    // source lies inside are found once per blit.
    int firstX = columns.first, lastX = columns.last;
    while (firstX < lastX && (columns.start + (firstX - columns.first) * columns.step) < 0)
        ++firstX;
    while (lastX > firstX && ((columns.start + (lastX - 1 - columns.first) * columns.step) >> 16) >= source->nWidth)
        --lastX;
    // A sprite drawn onto itself may read pixels the same row has just
    // written: one pixel after the other then, as the reference does.
    const bool ontoItself = source == destination;
    const BlitRows& kernels = ontoItself ? scalarBlitRows() : blitRows();
    const int chunk = ontoItself ? 1 : BlitRow::kMaxChunk;
    const long long sourceRows = source->storedRows();
    long long rowPosition = rows.start;
    for (int y = rows.first; y < rows.last; ++y, rowPosition += rows.step) {
        const long long sourceRow = frameRow + (rowPosition >> 16);
        if (sourceRow < 0 || sourceRow >= sourceRows)
            continue;
        const bool alphaMap = path == Path::AlphaMap;
        BlitRow row { destination->row(y), source->row(static_cast<int>(sourceRow)),
                      alphaMap ? source->pAlpha.get() + sourceRow * source->nWidth : nullptr,
                      columns.start + (firstX - columns.first) * columns.step, columns.step, firstX, lastX };
        if (alphaMap)
            row.run(chunk, [&](std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha, int count) {
                kernels.alpha(out, in, alpha, count, ScreenFormat);
            });
        else if (path == Path::Additive)
            // A source of 0 adds nothing, so it needs no test of its own.
            row.run(chunk, [&](std::uint16_t* out, const std::uint16_t* in, const std::uint8_t*, int count) {
                kernels.add(out, in, count, ScreenFormat);
            });
        else
            row.run(chunk, [](std::uint16_t* out, const std::uint16_t* in, const std::uint8_t*, int count) {
                for (int i = 0; i < count; ++i)
                    out[i] = in[i];
            });
    }
}

void Sprite::Draw(int x, int y, Sprite* source, std::uint32_t ops, int frame)
{
    if (source)
        spriteBlit(this, x, y, source->nWidth, source->nHeight, source, 0, 0, source->nWidth, source->nHeight, frame,
                   ops);
}

void Sprite::DrawPart(int x, int y, int width, int height, Sprite* source, int sx, int sy, std::uint32_t ops,
                      int frame)
{
    spriteBlit(this, x, y, width, height, source, sx, sy, width, height, frame, ops);
}

void Sprite::DrawStretch(int x, int y, int width, int height, Sprite* source, int sx, int sy, int sw, int sh,
                         std::uint32_t ops, int frame)
{
    if (width == 0 || height == 0 || sw == 0 || sh == 0)
        return;
    spriteBlit(this, x, y, width, height, source, sx, sy, sw, sh, frame, ops);
}

void Sprite::DrawFaded(int x, int y, Sprite* source, int alpha, int frame)
{
    if (!source || alpha <= 15)
        return;
    if (alpha >= 240) {
        Draw(x, y, source, OP_ALPHA, frame);
        return;
    }
    // Without an alpha map there is nothing to fade by.
    if (!source->pAlpha)
        return;
    Lock();
    source->Lock();
    if (!pPixels || !source->pPixels)
        return;
    const int frameRow = source->storedFrame(frame) * source->nHeight;
    const int top = std::max<int>({ rcClip.top, 0, y }), bottom = std::min<int>({ rcClip.bottom, storedRows(), y + source->nHeight });
    const int left = std::max<int>({ rcClip.left, 0, x }), right = std::min<int>({ rcClip.right, nWidth, x + source->nWidth });
    const PixelOps ops16(ScreenFormat);
    for (int ty = top; ty < bottom; ++ty) {
        const int sourceRow = frameRow + (ty - y);
        const std::uint16_t* in = source->row(sourceRow);
        const std::uint8_t* mask = source->pAlpha.get() + static_cast<std::size_t>(sourceRow) * source->nWidth;
        std::uint16_t* out = row(ty);
        for (int tx = left; tx < right; ++tx) {
            const int k = (mask[tx - x] * alpha) >> 8;
            if (k > 15)
                out[tx] = ops16.blend(out[tx], in[tx - x], static_cast<std::uint32_t>(k));
        }
    }
}
