#include "tools/mkdata/gift_art.h"

#include "tools/mkdata/canvas.h"
#include "tools/mkdata/palette.h"

#include <cmath>

namespace mkdata {
namespace {

using namespace palette;

void outline(cairo_t* cr, const Rgb& c, double width = 1.6)
{
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// Fills the current path with the body colour, shaded top-left to bottom-right.
void shadeBody(cairo_t* cr, const Rgb& c, double x0, double y0, double x1, double y1)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    Rgb light = c.scaled(1.35), dark = c.scaled(0.7);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    fillWith(cr, p, true);
}

void ribbonBand(cairo_t* cr, double x, double y, double w, double h, const Rgb& c)
{
    cairo_rectangle(cr, x, y, w, h);
    bool vertical = h > w;
    cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(x, 0, x + w, 0)
                                  : cairo_pattern_create_linear(0, y, 0, y + h);
    Rgb light = c.scaled(1.4), dark = c.scaled(0.75);
    cairo_pattern_add_color_stop_rgb(p, 0, dark.r, dark.g, dark.b);
    cairo_pattern_add_color_stop_rgb(p, 0.4, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    fillWith(cr, p);
}

void bow(cairo_t* cr, double cx, double cy, const Rgb& c, double size = 1.0)
{
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx + side * 5.5 * size, cy - 2 * size);
        cairo_rotate(cr, side * -0.45);
        cairo_scale(cr, 6.5 * size, 4.2 * size);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        shadeBody(cr, c, cx - 10, cy - 8, cx + 10, cy + 4);
        outline(cr, c.scaled(0.45), 1.2);
        // The loop's hollow.
        cairo_save(cr);
        cairo_translate(cr, cx + side * 5.5 * size, cy - 2 * size);
        cairo_rotate(cr, side * -0.45);
        cairo_scale(cr, 3 * size, 1.6 * size);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        setColour(cr, c.scaled(0.5));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy - 1 * size, 3 * size, 0, 2 * M_PI);
    shadeBody(cr, c, cx - 3, cy - 4, cx + 3, cy + 2);
    outline(cr, c.scaled(0.45), 1.1);
}

void gloss(cairo_t* cr, double shimmer)
{
    // A soft highlight at the top left, and a band of light sweeping across.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    double x = -30 + shimmer * 110;
    cairo_pattern_t* p = cairo_pattern_create_linear(x - 10, 0, x + 10, 20);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, shimmer > 0 ? 0.45 : 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// 0 red: a square box with a gold cross ribbon and a big bow.
void redBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    roundedRect(cr, 8, 14, 32, 28, 3);
    shadeBody(cr, c, 8, 14, 40, 42);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.4));
    ribbonBand(cr, 21, 14, 6, 28, kGold);
    ribbonBand(cr, 8, 24, 32, 6, kGold);
    roundedRect(cr, 8, 14, 32, 28, 3);
    outline(cr, c.scaled(0.4));
    bow(cr, 24, 14, kGold);
}

// 1 green: a wide low box with white dots and a single white band.
void greenBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    roundedRect(cr, 5, 19, 38, 22, 4);
    shadeBody(cr, c, 5, 19, 43, 41);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            cairo_arc(cr, 7 + x * 7 + (y % 2) * 3.5, 22 + y * 7, 1.9, 0, 2 * M_PI);
            setColour(cr, kWhite, 0.9);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.4));
    ribbonBand(cr, 5, 27, 38, 5, kCream);
    roundedRect(cr, 5, 19, 38, 22, 4);
    outline(cr, c.scaled(0.4));
    // A flat rosette instead of a bow.
    star(cr, 24, 29.5, 8, 4.5, 8);
    shadeBody(cr, hex(0xfff8e8), 16, 22, 32, 38);
    outline(cr, c.scaled(0.45), 1.1);
}

// 2 blue: a tall box with silver stars and a diagonal sash.
void blueBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    roundedRect(cr, 12, 7, 24, 35, 3);
    shadeBody(cr, c, 12, 7, 36, 42);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    const double spots[5][2] = {{17, 14}, {30, 19}, {18, 30}, {31, 36}, {24, 24}};
    for (const auto& s : spots) {
        star(cr, s[0], s[1], 3.4, 1.4, 5);
        setColour(cr, hex(0xe8f0ff));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 8, 34);
    cairo_line_to(cr, 40, 12);
    cairo_set_line_width(cr, 5);
    setColour(cr, hex(0xd8dde8));
    cairo_stroke(cr);
    cairo_restore(cr);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.4));
    // Lid.
    roundedRect(cr, 10, 6, 28, 6, 2);
    shadeBody(cr, c.scaled(1.1), 10, 6, 38, 12);
    outline(cr, c.scaled(0.4), 1.3);
}

// 3 yellow: a box with red diagonal stripes and a red upright ribbon.
void yellowBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    roundedRect(cr, 8, 12, 32, 30, 3);
    shadeBody(cr, c, 8, 12, 40, 42);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (int i = -4; i < 8; ++i) {
        cairo_move_to(cr, i * 8, 44);
        cairo_line_to(cr, i * 8 + 32, 12);
    }
    cairo_set_line_width(cr, 2.6);
    setColour(cr, hex(0xe8503a), 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.45));
    ribbonBand(cr, 20.5, 12, 7, 30, hex(0xd8282e));
    roundedRect(cr, 8, 12, 32, 30, 3);
    outline(cr, c.scaled(0.45));
    // Two ribbon tails.
    cairo_move_to(cr, 24, 12);
    cairo_curve_to(cr, 18, 4, 12, 8, 15, 12);
    cairo_move_to(cr, 24, 12);
    cairo_curve_to(cr, 30, 4, 36, 8, 33, 12);
    cairo_set_line_width(cr, 3);
    setColour(cr, hex(0xd8282e));
    cairo_stroke(cr);
}

// 4 purple: a round hatbox with a gold band.
void purpleBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    auto ellipse = [&](double cy, double rx, double ry) {
        cairo_save(cr);
        cairo_translate(cr, 24, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
    };
    // Body: a cylinder seen slightly from above.
    cairo_move_to(cr, 7, 17);
    cairo_line_to(cr, 7, 36);
    cairo_save(cr);
    cairo_translate(cr, 24, 36);
    cairo_scale(cr, 17, 6);
    cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
    cairo_restore(cr);
    cairo_line_to(cr, 41, 17);
    cairo_close_path(cr);
    shadeBody(cr, c, 7, 0, 41, 0);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.4));
    cairo_rectangle(cr, 7, 27, 34, 4);
    setColour(cr, kGold);
    cairo_fill(cr);
    ellipse(17, 18, 6.5);
    shadeBody(cr, c.scaled(1.25), 6, 10, 42, 24);
    outline(cr, c.scaled(0.4));
    ellipse(17, 12, 4);
    setColour(cr, kGold, 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    bow(cr, 24, 14, kGold, 0.8);
}

// 5 orange: a hexagonal box with a green zigzag band.
void orangeBox(cairo_t* cr, const Rgb& c, double shimmer)
{
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i) {
        double a = M_PI / 6 + i * M_PI / 3;
        cairo_line_to(cr, 24 + 18 * std::cos(a), 26 + 18 * std::sin(a));
    }
    cairo_close_path(cr);
    shadeBody(cr, c, 8, 10, 40, 42);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 26);
    for (int i = 0; i < 10; ++i)
        cairo_line_to(cr, 4 + (i + 1) * 4.2, i % 2 ? 26 : 21);
    cairo_move_to(cr, 4, 34);
    for (int i = 0; i < 10; ++i)
        cairo_line_to(cr, 4 + (i + 1) * 4.2, i % 2 ? 34 : 29);
    cairo_set_line_width(cr, 2.8);
    setColour(cr, hex(0x2e8a3a));
    cairo_stroke(cr);
    cairo_restore(cr);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.45));
    bow(cr, 24, 11, hex(0x2e9a40), 0.9);
}

// 6 teal: a bonbon with twisted ends and white spiral stripes.
void tealBonbon(cairo_t* cr, const Rgb& c, double shimmer)
{
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 24 + side * 12, 26);
        cairo_line_to(cr, 24 + side * 22, 17);
        cairo_line_to(cr, 24 + side * 19, 26);
        cairo_line_to(cr, 24 + side * 22, 35);
        cairo_close_path(cr);
        shadeBody(cr, c.scaled(1.15), 2, 17, 46, 35);
        outline(cr, c.scaled(0.4), 1.3);
    }
    cairo_save(cr);
    cairo_translate(cr, 24, 26);
    cairo_scale(cr, 14, 11);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    shadeBody(cr, c, 10, 15, 38, 37);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, 24 + i * 7 - 6, 14);
        cairo_curve_to(cr, 24 + i * 7 + 6, 22, 24 + i * 7 - 6, 30, 24 + i * 7 + 6, 38);
    }
    cairo_set_line_width(cr, 2.5);
    setColour(cr, kWhite, 0.85);
    cairo_stroke(cr);
    cairo_restore(cr);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.4));
}

// 7 pink: a heart-shaped box with a white ribbon.
void pinkHeart(cairo_t* cr, const Rgb& c, double shimmer)
{
    heart(cr, 24, 26, 18);
    shadeBody(cr, c, 6, 10, 42, 44);
    gloss(cr, shimmer);
    outline(cr, c.scaled(0.45));
    cairo_save(cr);
    heart(cr, 24, 26, 18);
    cairo_clip(cr);
    ribbonBand(cr, 4, 23, 40, 5, kCream);
    cairo_restore(cr);
    heart(cr, 24, 26, 18);
    outline(cr, c.scaled(0.45));
    bow(cr, 24, 20, kCream, 0.8);
}

// 8: the unwanted one, a sooty lump of coal in a torn, patched sack with a
// scowl.
void badGift(cairo_t* cr, double shimmer)
{
    const Rgb sack = hex(0x5a5048);
    cairo_move_to(cr, 12, 16);
    cairo_curve_to(cr, 2, 28, 6, 44, 24, 43);
    cairo_curve_to(cr, 42, 44, 46, 28, 36, 16);
    cairo_curve_to(cr, 32, 12, 16, 12, 12, 16);
    cairo_close_path(cr);
    shadeBody(cr, sack, 6, 12, 42, 44);
    gloss(cr, shimmer * 0.5);
    outline(cr, hex(0x1e1a18), 1.8);
    // The tied neck and its frayed string.
    cairo_move_to(cr, 16, 13);
    cairo_line_to(cr, 20, 5);
    cairo_line_to(cr, 24, 10);
    cairo_line_to(cr, 28, 4);
    cairo_line_to(cr, 32, 13);
    cairo_close_path(cr);
    shadeBody(cr, sack.scaled(0.8), 16, 4, 32, 13);
    outline(cr, hex(0x1e1a18), 1.4);
    cairo_rectangle(cr, 15, 12, 18, 3);
    setColour(cr, hex(0x8a7a30));
    cairo_fill(cr);
    // Patches with stitches.
    cairo_rectangle(cr, 30, 30, 8, 7);
    setColour(cr, hex(0x6b7a3a));
    cairo_fill_preserve(cr);
    outline(cr, hex(0x2a2a18), 1);
    // Angry eyes and a frown.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 24 + side * 10, 22);
        cairo_line_to(cr, 24 + side * 3, 25);
        cairo_set_line_width(cr, 2.2);
        setColour(cr, hex(0x140c08));
        cairo_stroke(cr);
        cairo_arc(cr, 24 + side * 6, 28, 2.4, 0, 2 * M_PI);
        setColour(cr, hex(0xe8d040));
        cairo_fill_preserve(cr);
        outline(cr, hex(0x140c08), 1);
    }
    cairo_move_to(cr, 17, 38);
    cairo_curve_to(cr, 20, 33, 28, 33, 31, 38);
    cairo_set_line_width(cr, 2.2);
    setColour(cr, hex(0x140c08));
    cairo_stroke(cr);
}

}  // namespace

void drawGift(cairo_t* cr, int colour, double shimmer)
{
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (colour == 8) {
        badGift(cr, shimmer);
        return;
    }
    using Draw = void (*)(cairo_t*, const Rgb&, double);
    static constexpr Draw kShapes[8] = {redBox, greenBox, blueBox, yellowBox, purpleBox, orangeBox, tealBonbon,
                                        pinkHeart};
    kShapes[colour](cr, kGifts[std::size_t(colour)], shimmer);
}

void drawRainbowGift(cairo_t* cr, double phase)
{
    // A faceted star-shaped box whose colours run round the wheel.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    glow(cr, 24, 25, 22, hue(phase), 0.35);
    for (int i = 0; i < 10; ++i) {
        double a0 = -M_PI / 2 + i * M_PI / 5, a1 = a0 + M_PI / 5;
        double r0 = i % 2 ? 9 : 19, r1 = i % 2 ? 19 : 9;
        cairo_move_to(cr, 24, 25);
        cairo_line_to(cr, 24 + r0 * std::cos(a0), 25 + r0 * std::sin(a0));
        cairo_line_to(cr, 24 + r1 * std::cos(a1), 25 + r1 * std::sin(a1));
        cairo_close_path(cr);
        Rgb c = hue(phase + i / 10.0, i % 2 ? 0.5 : 0.62);
        setColour(cr, c);
        cairo_fill(cr);
    }
    star(cr, 24, 25, 19, 9, 5);
    setColour(cr, hex(0x402060));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, 24, 25, 5, 0, 2 * M_PI);
    setColour(cr, kWhite, 0.9);
    cairo_fill(cr);
    double sx = 24 + 13 * std::cos(phase * 2 * M_PI), sy = 25 + 13 * std::sin(phase * 2 * M_PI);
    star(cr, sx, sy, 5, 1.2, 4);
    setColour(cr, kWhite);
    cairo_fill(cr);
}

}  // namespace mkdata
