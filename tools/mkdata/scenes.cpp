#include "tools/mkdata/scenes.h"

#include "tools/mkdata/canvas.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/ui_art.h"

#include <cmath>

namespace mkdata {
namespace {

using namespace palette;

void hills(cairo_t* cr, double w, double h, double level, const Rgb& top, const Rgb& bottom, double wave)
{
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= 40; ++x) {
        double fx = x / 40.0;
        cairo_line_to(cr, fx * w, h * level + std::sin(fx * 6.28 * wave + level * 9) * h * 0.04);
    }
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    fillWith(cr, verticalShade(h * (level - 0.05), h, top, bottom));
}

void houses(cairo_t* cr, double w, double h)
{
    for (int i = 0; i < 5; ++i) {
        double x = w * (0.08 + i * 0.19), y = h * 0.72, s = h * (0.08 + 0.02 * (i % 2));
        cairo_rectangle(cr, x, y - s, s * 1.2, s);
        setColour(cr, hex(0x8a4a2a).scaled(0.8 + 0.1 * i));
        cairo_fill(cr);
        cairo_move_to(cr, x - s * 0.15, y - s);
        cairo_line_to(cr, x + s * 0.6, y - s * 1.7);
        cairo_line_to(cr, x + s * 1.35, y - s);
        cairo_close_path(cr);
        setColour(cr, kWhite);
        cairo_fill(cr);
        cairo_rectangle(cr, x + s * 0.4, y - s * 0.7, s * 0.35, s * 0.3);
        setColour(cr, hex(0xffd870));
        cairo_fill(cr);
    }
}

}  // namespace

void episodeScene(cairo_t* cr, int episode, double w, double h)
{
    std::uint32_t seed = std::uint32_t(episode * 7919);
    switch (episode) {
    case 1:  // snowy fir wood
        festiveBackdrop(cr, w, h, hex(0x2a4a8a), hex(0x9ab8e0), seed);
        hills(cr, w, h, 0.7, hex(0xf4f8ff), hex(0xc8d8f0), 1.3);
        for (int i = 0; i < 6; ++i)
            firTree(cr, w * (0.1 + i * 0.16), h * (0.78 + 0.04 * (i % 2)), h * (0.3 + 0.06 * (i % 3)), 0, seed + i);
        break;
    case 2:  // candy land
        festiveBackdrop(cr, w, h, hex(0xf0a0c8), hex(0xffe0ec), seed);
        hills(cr, w, h, 0.68, hex(0xffffff), hex(0xf8c8dc), 2.0);
        for (int i = 0; i < 5; ++i) {
            double x = w * (0.1 + i * 0.2), y = h * 0.62;
            cairo_rectangle(cr, x - 3, y, 6, h * 0.2);
            setColour(cr, kWhite);
            cairo_fill(cr);
            cairo_arc(cr, x, y, h * 0.06, 0, 2 * M_PI);
            setColour(cr, kGifts[std::size_t(i * 2 % 8)]);
            cairo_fill_preserve(cr);
            setColour(cr, kWhite, 0.7);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
        break;
    case 3:  // starry night
        festiveBackdrop(cr, w, h, hex(0x0c1030), hex(0x2a2a6a), seed);
        for (int i = 0; i < 40; ++i) {
            double x = std::fmod(i * 137.5, w), y = std::fmod(i * 71.3, h * 0.6);
            star(cr, x, y, 3 + i % 3, 1.2, 5, i);
            setColour(cr, kCream, 0.9);
            cairo_fill(cr);
        }
        cairo_arc(cr, w * 0.78, h * 0.18, h * 0.07, 0, 2 * M_PI);
        setColour(cr, hex(0xfff4c8));
        cairo_fill(cr);
        hills(cr, w, h, 0.75, hex(0x3a4a7a), hex(0x1a2040), 1.0);
        firTree(cr, w * 0.5, h * 0.92, h * 0.45, 12, seed);
        break;
    case 4:  // frozen lake
        festiveBackdrop(cr, w, h, hex(0x5aa0d0), hex(0xe0f4ff), seed);
        hills(cr, w, h, 0.55, hex(0xf0f8ff), hex(0xd0e8f8), 1.5);
        cairo_save(cr);
        cairo_translate(cr, w / 2, h * 0.8);
        cairo_scale(cr, w * 0.42, h * 0.12);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        fillWith(cr, verticalShade(h * 0.68, h * 0.92, hex(0xa8e0ff), hex(0x5aa8e0)));
        for (int i = 0; i < 4; ++i)
            firTree(cr, w * (0.08 + i * 0.28), h * 0.6, h * 0.22, 0, seed + i);
        break;
    case 5:  // sunset village
        festiveBackdrop(cr, w, h, hex(0xe06a3a), hex(0xffd08a), seed);
        hills(cr, w, h, 0.72, hex(0xfff0e8), hex(0xe8c8c0), 1.1);
        houses(cr, w, h);
        break;
    default:  // golden hall
        festiveBackdrop(cr, w, h, hex(0x6a1020), hex(0xc04a30), seed);
        for (int i = 0; i < 5; ++i) {
            double x = w * (0.1 + i * 0.2);
            cairo_rectangle(cr, x - w * 0.025, h * 0.15, w * 0.05, h * 0.75);
            cairo_pattern_t* p = cairo_pattern_create_linear(x - w * 0.025, 0, x + w * 0.025, 0);
            cairo_pattern_add_color_stop_rgb(p, 0, 0.6, 0.4, 0.1);
            cairo_pattern_add_color_stop_rgb(p, 0.4, 1.0, 0.85, 0.4);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.55, 0.35, 0.08);
            fillWith(cr, p);
        }
        cairo_rectangle(cr, 0, h * 0.88, w, h * 0.12);
        fillWith(cr, verticalShade(h * 0.88, h, hex(0x8a2a1a), hex(0x4a0e0a)));
        firTree(cr, w * 0.5, h * 0.9, h * 0.55, 18, seed);
    }
}

}  // namespace mkdata
