#include "tools/mkdata/canvas.h"

#include <algorithm>
#include <cmath>

namespace mkdata {

Rgb Rgb::scaled(double k) const
{
    if (k <= 1)
        return {r * k, g * k, b * k};
    double t = std::min(1.0, k - 1);
    return mixed({1, 1, 1}, t);
}

Rgb Rgb::mixed(const Rgb& o, double t) const
{
    return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t};
}

Rgb hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_))
{
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::image() const
{
    cairo_surface_flush(surface_);
    Image out(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            std::uint32_t p = row[x];
            unsigned a = alphaOf(p);
            if (a == 0) {
                out.at(x, y) = 0;
                continue;
            }
            auto un = [a](unsigned c) { return std::min(255u, (c * 255 + a / 2) / a); };
            out.at(x, y) = argb(a, un(redOf(p)), un(greenOf(p)), un(blueOf(p)));
        }
    }
    return out;
}

void setColour(cairo_t* cr, const Rgb& c, double alpha)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = turn - M_PI / 2 + i * M_PI / points;
        double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void heart(cairo_t* cr, double cx, double cy, double s)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.9);
    cairo_curve_to(cr, cx - s * 1.2, cy + s * 0.1, cx - s * 0.9, cy - s * 0.9, cx, cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 0.9, cy - s * 0.9, cx + s * 1.2, cy + s * 0.1, cx, cy + s * 0.9);
    cairo_close_path(cr);
}

cairo_pattern_t* verticalShade(double y0, double y1, const Rgb& top, const Rgb& bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    return p;
}

void fillWith(cairo_t* cr, cairo_pattern_t* pattern, bool preserve)
{
    cairo_set_source(cr, pattern);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void glow(cairo_t* cr, double cx, double cy, double radius, const Rgb& c, double alpha)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    fillWith(cr, p);
}

void withShadow(Canvas& canvas, double dx, double dy, double blur, double alpha,
                const std::function<void(cairo_t*)>& draw)
{
    Canvas shape(canvas.width(), canvas.height());
    draw(shape.cr());
    Image picture = shape.image();
    Image shadow = picture;
    for (std::uint32_t& p : shadow.pixels)
        p = argb(unsigned(alphaOf(p) * alpha), 40, 20, 10);
    shadow = blurred(shadow, int(blur));
    Image result(canvas.width(), canvas.height());
    Image existing = canvas.image();
    compositeOver(result, existing, 0, 0);
    compositeOver(result, shadow, int(std::lround(dx)), int(std::lround(dy)));
    compositeOver(result, picture, 0, 0);
    cairo_surface_t* s = cairo_get_target(canvas.cr());
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < result.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < result.width; ++x) {
            std::uint32_t p = result.at(x, y);
            unsigned a = alphaOf(p);
            row[x] = argb(a, redOf(p) * a / 255, greenOf(p) * a / 255, blueOf(p) * a / 255);
        }
    }
    cairo_surface_mark_dirty(s);
}

Image blurred(const Image& image, int radius)
{
    if (radius <= 0)
        return image;
    Image out = image;
    std::vector<int> line;
    auto pass = [&](bool horizontal) {
        int n = horizontal ? out.width : out.height;
        int lines = horizontal ? out.height : out.width;
        line.assign(std::size_t(n), 0);
        for (int l = 0; l < lines; ++l) {
            auto px = [&](int i) -> std::uint32_t& { return horizontal ? out.at(i, l) : out.at(l, i); };
            for (int i = 0; i < n; ++i)
                line[std::size_t(i)] = alphaOf(px(i));
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += (i >= 0 && i < n) ? line[std::size_t(i)] : 0;
            for (int i = 0; i < n; ++i) {
                std::uint32_t p = px(i);
                px(i) = (p & 0x00FFFFFF) | (std::uint32_t(sum / (2 * radius + 1)) << 24);
                int leave = i - radius, enter = i + radius + 1;
                if (leave >= 0)
                    sum -= line[std::size_t(leave)];
                if (enter < n)
                    sum += line[std::size_t(enter)];
            }
        }
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
    return out;
}

void compositeOver(Image& dst, const Image& src, int ox, int oy)
{
    for (int y = 0; y < src.height; ++y) {
        int ty = y + oy;
        if (ty < 0 || ty >= dst.height)
            continue;
        for (int x = 0; x < src.width; ++x) {
            int tx = x + ox;
            if (tx < 0 || tx >= dst.width)
                continue;
            std::uint32_t s = src.at(x, y);
            double sa = alphaOf(s) / 255.0;
            if (sa <= 0)
                continue;
            std::uint32_t d = dst.at(tx, ty);
            double da = alphaOf(d) / 255.0;
            double oa = sa + da * (1 - sa);
            auto ch = [&](unsigned sc, unsigned dc) {
                return unsigned(std::lround((sc * sa + dc * da * (1 - sa)) / oa));
            };
            dst.at(tx, ty) = argb(unsigned(std::lround(oa * 255)), ch(redOf(s), redOf(d)),
                                  ch(greenOf(s), greenOf(d)), ch(blueOf(s), blueOf(d)));
        }
    }
}

}  // namespace mkdata
