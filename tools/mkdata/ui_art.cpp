#include "tools/mkdata/ui_art.h"

#include "tools/mkdata/glyph_raster.h"
#include "tools/mkdata/palette.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

namespace mkdata {
namespace {

using namespace palette;

double unit(std::uint32_t& state)
{
    state = state * 214013u + 2531011u;
    return ((state >> 16) & 0x7FFF) / 32768.0;
}

}  // namespace

void parchmentPanel(cairo_t* cr, double w, double h, double radius)
{
    roundedRect(cr, 6, 6, w - 8, h - 8, radius);
    setColour(cr, {0.15, 0.03, 0.02}, 0.35);
    cairo_fill(cr);
    roundedRect(cr, 2, 2, w - 10, h - 10, radius);
    cairo_pattern_t* p = cairo_pattern_create_radial(w * 0.4, h * 0.3, 10, w * 0.5, h * 0.5, std::max(w, h) * 0.7);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.97, 0.88);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.93, 0.82, 0.62);
    fillWith(cr, p, true);
    setColour(cr, kDeepGold);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    roundedRect(cr, 8, 8, w - 22, h - 22, radius * 0.7);
    setColour(cr, kGold, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Holly corners.
    for (int corner = 0; corner < 4; ++corner) {
        double cx = corner % 2 ? w - 20 : 14, cy = corner / 2 ? h - 20 : 14;
        for (int leaf = 0; leaf < 2; ++leaf) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, leaf ? 0.7 : -0.7);
            cairo_scale(cr, 7, 3.2);
            cairo_arc(cr, leaf ? 0.8 : -0.8, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            setColour(cr, kPine);
            cairo_fill(cr);
        }
        for (int b = 0; b < 3; ++b) {
            cairo_arc(cr, cx - 2 + b * 2.5, cy + (b == 1 ? -2 : 1), 2.4, 0, 2 * M_PI);
            setColour(cr, hex(0xd81e2a));
            cairo_fill(cr);
        }
    }
}

void pillButton(cairo_t* cr, double w, double h, int state, const Rgb& colour)
{
    double dy = state == 2 ? 1.5 : 0;
    Rgb c = state == 1 ? colour.scaled(1.2) : (state == 2 ? colour.scaled(0.8) : colour);
    if (state == 1)
        for (int i = 4; i > 0; --i) {
            roundedRect(cr, 4 - i, 4 - i, w - 8 + 2 * i, h - 8 + 2 * i, h / 2);
            setColour(cr, kGold, 0.12);
            cairo_fill(cr);
        }
    roundedRect(cr, 5, 6 + (state == 2 ? 0 : 1.5), w - 10, h - 10, (h - 10) / 2);
    setColour(cr, {0.1, 0.02, 0.02}, 0.4);
    cairo_fill(cr);
    roundedRect(cr, 4, 4 + dy, w - 8, h - 10, (h - 10) / 2);
    fillWith(cr, verticalShade(4 + dy, h - 6 + dy, c.scaled(1.3), c.scaled(0.75)), true);
    setColour(cr, state == 1 ? kCream : kGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    roundedRect(cr, 10, 6 + dy, w - 20, (h - 10) * 0.4, (h - 10) * 0.2);
    setColour(cr, kWhite, state == 2 ? 0.12 : 0.25);
    cairo_fill(cr);
}

void festiveBackdrop(cairo_t* cr, double w, double h, const Rgb& top, const Rgb& bottom, std::uint32_t seed)
{
    cairo_rectangle(cr, 0, 0, w, h);
    fillWith(cr, verticalShade(0, h, top, bottom));
    cairo_pattern_t* v = cairo_pattern_create_radial(w / 2, h * 0.45, std::min(w, h) * 0.2, w / 2, h / 2,
                                                     std::max(w, h) * 0.75);
    cairo_pattern_add_color_stop_rgba(v, 0, 1, 0.9, 0.7, 0.12);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.45);
    cairo_rectangle(cr, 0, 0, w, h);
    fillWith(cr, v);
    std::uint32_t state = seed;
    int flakes = int(w * h / 2500);
    for (int i = 0; i < flakes; ++i) {
        double x = unit(state) * w, y = unit(state) * h, r = 0.8 + unit(state) * 2.4;
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        setColour(cr, kWhite, 0.25 + 0.5 * unit(state));
        cairo_fill(cr);
    }
}

void firTree(cairo_t* cr, double cx, double baseY, double height, int ornaments, std::uint32_t seed)
{
    double w = height * 0.62;
    cairo_rectangle(cr, cx - w * 0.07, baseY - height * 0.1, w * 0.14, height * 0.1);
    setColour(cr, hex(0x6a3a18));
    cairo_fill(cr);
    for (int tier = 0; tier < 3; ++tier) {
        double top = baseY - height * (1.0 - tier * 0.25), bottom = baseY - height * (0.42 - tier * 0.15);
        double half = w * (0.3 + tier * 0.1);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx + half, bottom);
        cairo_curve_to(cr, cx + half * 0.3, bottom + 6, cx - half * 0.3, bottom + 6, cx - half, bottom);
        cairo_close_path(cr);
        fillWith(cr, verticalShade(top, bottom, hex(0x3c9a50), hex(0x16582c)), true);
        setColour(cr, hex(0x0c3018));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    std::uint32_t state = seed;
    for (int i = 0; i < ornaments; ++i) {
        double fy = 0.2 + 0.7 * unit(state);
        double y = baseY - height * (1.0 - fy * 0.85);
        double spread = w * 0.45 * fy * 0.9;
        double x = cx + (unit(state) * 2 - 1) * spread;
        cairo_arc(cr, x, y, height * 0.028 + 1.5, 0, 2 * M_PI);
        setColour(cr, kGifts[std::size_t(i % 8)].scaled(1.1));
        cairo_fill_preserve(cr);
        setColour(cr, kWhite, 0.4);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    if (ornaments > 0) {
        star(cr, cx, baseY - height * 0.98, height * 0.07, height * 0.03, 5);
        setColour(cr, kGold);
        cairo_fill(cr);
    }
}

void titleText(cairo_t* cr, const char* text, double x, double y, double size)
{
    // The display font, opened once for the whole run.
    struct DisplayFont {
        FT_Library library = nullptr;
        FT_Face face = nullptr;
        cairo_font_face_t* font = nullptr;
        DisplayFont()
        {
            if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, kLobster, 0, &face) != 0)
                return;
            font = cairo_ft_font_face_create_for_ft_face(face, 0);
            // cairo may keep the face past our last use; it closes it.
            static const cairo_user_data_key_t key {};
            cairo_font_face_set_user_data(font, &key, face, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
        }
        ~DisplayFont()
        {
            if (font)
                cairo_font_face_destroy(font);
        }
    };
    static DisplayFont display;
    if (!display.font)
        return;
    cairo_set_font_face(cr, display.font);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double left = x - ext.width / 2 - ext.x_bearing, base = y - ext.height / 2 - ext.y_bearing;
    cairo_move_to(cr, left + size * 0.05, base + size * 0.06);
    cairo_text_path(cr, text);
    setColour(cr, {0.15, 0.02, 0.02}, 0.5);
    cairo_fill(cr);
    cairo_move_to(cr, left, base);
    cairo_text_path(cr, text);
    setColour(cr, hex(0x7a1010));
    cairo_set_line_width(cr, size * 0.09);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    fillWith(cr, verticalShade(base - size * 0.7, base, hex(0xfff6c0), hex(0xf0a020)));
}

}  // namespace mkdata
