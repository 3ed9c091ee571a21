#include "tools/mkdata/glyph_style.h"

#include <algorithm>
#include <cmath>

namespace mkdata {

int stylePadding(const GlyphStyle& style)
{
    return int(std::ceil(style.outlineWidth)) + (style.shadowAlpha > 0 ? style.shadowOffset + 1 : 0) + 1;
}

namespace {

// Coverage of the glyph grown by a radius (a round maximum filter).
std::vector<float> grown(const GlyphBitmap& g, int pad, double radius, int& w, int& h)
{
    w = g.width + 2 * pad;
    h = g.height + 2 * pad;
    std::vector<float> base(std::size_t(w) * h, 0), out(base.size(), 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            base[std::size_t(y + pad) * w + x + pad] = g.coverage[std::size_t(y) * g.width + x] / 255.0f;
    if (radius <= 0)
        return base;
    int r = int(std::ceil(radius));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                        continue;
                    double dist = std::hypot(dx, dy);
                    float weight = float(std::clamp(radius + 0.5 - dist, 0.0, 1.0));
                    best = std::max(best, base[std::size_t(sy) * w + sx] * weight);
                }
            out[std::size_t(y) * w + x] = best;
        }
    return out;
}

void blend(Image& target, int x, int y, const Rgb& c, double a)
{
    if (x < 0 || y < 0 || x >= target.width || y >= target.height || a <= 0)
        return;
    Image dot(1, 1, argb(unsigned(std::clamp(a, 0.0, 1.0) * 255 + 0.5), unsigned(c.r * 255 + 0.5),
                         unsigned(c.g * 255 + 0.5), unsigned(c.b * 255 + 0.5)));
    compositeOver(target, dot, x, y);
}

}  // namespace

void drawStyledGlyph(Image& target, const GlyphBitmap& glyph, int penX, int baseline, int lineTop, int lineHeight,
                     const GlyphStyle& style)
{
    int pad = stylePadding(style);
    int w = 0, h = 0;
    std::vector<float> fill = grown(glyph, pad, 0, w, h);
    std::vector<float> edge = grown(glyph, pad, style.outlineWidth, w, h);
    int ox = penX + glyph.left - pad, oy = baseline - glyph.top - pad;
    if (style.shadowAlpha > 0)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                blend(target, ox + x + style.shadowOffset, oy + y + style.shadowOffset, {0.12, 0.04, 0.02},
                      edge[std::size_t(y) * w + x] * style.shadowAlpha);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::size_t i = std::size_t(y) * w + x;
            double t = std::clamp(double(oy + y - lineTop) / std::max(1, lineHeight), 0.0, 1.0);
            Rgb colour = style.top.mixed(style.bottom, t);
            if (style.outlineWidth > 0)
                blend(target, ox + x, oy + y, style.outline, edge[i]);
            blend(target, ox + x, oy + y, colour, fill[i]);
        }
}

}  // namespace mkdata
