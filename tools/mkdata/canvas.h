#pragma once
// A cairo drawing surface with the few shapes and fills every picture
// family uses. The light comes from the top left everywhere.

#include "tools/mkdata/image.h"

#include <cairo.h>

#include <cstdint>
#include <functional>

namespace mkdata {

struct Rgb {
    double r, g, b;
    Rgb scaled(double k) const;           // darker (< 1) or lighter (> 1)
    Rgb mixed(const Rgb& other, double t) const;
};

// Colour from 0xRRGGBB.
Rgb hex(std::uint32_t rgb);

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The drawing as straight-alpha pixels.
    Image image() const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void setColour(cairo_t* cr, const Rgb& c, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);
void heart(cairo_t* cr, double cx, double cy, double size);
// A vertical gradient from light at the top to dark at the bottom.
cairo_pattern_t* verticalShade(double y0, double y1, const Rgb& top, const Rgb& bottom);
// Fill the current path with a pattern and release the pattern.
void fillWith(cairo_t* cr, cairo_pattern_t* pattern, bool preserve = false);
// A soft radial glow of a colour, fading to transparent at the radius.
void glow(cairo_t* cr, double cx, double cy, double radius, const Rgb& c, double alpha);

// Runs draw on a fresh layer and puts the result over the canvas with a
// blurred drop shadow offset down and right beneath it.
void withShadow(Canvas& canvas, double dx, double dy, double blur, double alpha,
                const std::function<void(cairo_t*)>& draw);

// Blurs the alpha of an image (box blur, three passes) and returns it.
Image blurred(const Image& image, int radius);

// Pastes src over dst (straight alpha, source-over).
void compositeOver(Image& dst, const Image& src, int x, int y);

}  // namespace mkdata
