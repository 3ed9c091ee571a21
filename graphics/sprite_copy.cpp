// Lines through the surface's device context, and the draws that also
// copy alpha bytes (used to build glyph masks).
#include "graphics/graph.h"

#include <cstring>

void Sprite::Line(int x1, int y1, int x2, int y2, std::int32_t color)
{
    if (!lpSurface)
        return;
    Unlock();
    platform::DeviceContext* hDCBack = nullptr;
    platform::Surface* RenderSurface = lpSurface.get();
    if (GRAPH_CHECK(RenderSurface->getDC(hDCBack)) != 0)
        return;
    // The colour is 0x00BBGGRR; a negative one keeps the context's pen.
    if (color >= 0)
        hDCBack->setPen(static_cast<std::uint32_t>(color));
    hDCBack->moveTo(x1, y1);
    hDCBack->lineTo(x2, y2);
    GRAPH_CHECK(RenderSurface->releaseDC(hDCBack));
    Lock();
}

namespace {

// Copies a block of alpha bytes; the parts outside either map are left
// out rather than written past its end.
void copyAlphaBlock(Sprite& dest, int x, int y, const Sprite& source, int sx, int sy, int width, int height)
{
    if (!dest.pAlpha || !source.pAlpha)
        return;
    for (int row = 0; row < height; ++row) {
        const int from = sy + row, to = y + row;
        if (from < 0 || to < 0 || from >= source.storedRows() || to >= dest.storedRows())
            continue;
        for (int column = 0; column < width; ++column) {
            const int fromX = sx + column, toX = x + column;
            if (fromX >= 0 && toX >= 0 && fromX < source.nWidth && toX < dest.nWidth)
                dest.pAlpha[static_cast<std::size_t>(to) * dest.nWidth + toX] =
                    source.pAlpha[static_cast<std::size_t>(from) * source.nWidth + fromX];
        }
    }
}

}  // namespace

void Sprite::CopyWithAlpha(int x, int y, Sprite* source)
{
    if (!source)
        return;
    Draw(x, y, source, OP_ALPHA, 0);
    copyAlphaBlock(*this, x, y, *source, 0, 0, source->nWidth, source->nHeight * nStored);
}

void Sprite::CopyPartWithAlpha(int x, int y, Sprite* source, int sx, int sy, int width, int height)
{
    if (!source)
        return;
    DrawStretch(x, y, width, height, source, sx, sy, width, height, OP_ALPHA, 0);
    copyAlphaBlock(*this, x, y, *source, sx, sy, width, height);
}
