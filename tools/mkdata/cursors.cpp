// The mouse cursors (the game's own pointer with its hot spot at (19, 19),
// the magic wand with its hot spot at (13, 13), the window cursor file) and
// the window icon.
#include "tools/mkdata/gift_art.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/strips.h"

#include <cmath>

namespace mkdata {
namespace {

using namespace palette;

// An arrow pointing up-left with its tip at (tx, ty), scaled.
void pointer(cairo_t* cr, double tx, double ty, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, tx, ty);
    cairo_scale(cr, scale, scale);
    auto path = [&]() {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, 17);
        cairo_line_to(cr, 4.5, 13);
        cairo_line_to(cr, 8, 20);
        cairo_line_to(cr, 11, 18.5);
        cairo_line_to(cr, 7.5, 12);
        cairo_line_to(cr, 13, 12);
        cairo_close_path(cr);
    };
    cairo_translate(cr, 1.2, 1.5);
    path();
    setColour(cr, {0.1, 0.02, 0.02}, 0.4);
    cairo_fill(cr);
    cairo_translate(cr, -1.2, -1.5);
    path();
    fillWith(cr, verticalShade(0, 20, hex(0xfff4c8), kGold), true);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, hex(0x6a1010));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void customCursor(cairo_t* cr)
{
    glow(cr, 19, 19, 8, kWhite, 0.6);
    star(cr, 19, 19, 7, 1.5, 4, 0.4);
    setColour(cr, kWhite, 0.9);
    cairo_fill(cr);
    pointer(cr, 19, 19, 1.0);
}

void wand(cairo_t* cr)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 16, 16);
    cairo_line_to(cr, 40, 40);
    setColour(cr, hex(0x2a0a40));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    for (int part = 0; part < 2; ++part) {
        cairo_move_to(cr, part ? 30 : 16, part ? 30 : 16);
        cairo_line_to(cr, part ? 40 : 30, part ? 40 : 30);
        setColour(cr, part ? kCream : hex(0x9a4bd6));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    glow(cr, 13, 13, 13, hex(0xfff0a0), 0.7);
    star(cr, 13, 13, 11, 4.5, 5, 0.2);
    fillWith(cr, verticalShade(2, 24, hex(0xfff6c0), hex(0xf0a020)), true);
    setColour(cr, hex(0x7a4008));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        double a = 0.5 + i * 0.7;
        star(cr, 13 + 17 * std::cos(a), 13 + 17 * std::sin(a) - 4, 2.5, 0.7, 4);
        setColour(cr, kWhite);
        cairo_fill(cr);
    }
}

}  // namespace

void addCursorJobs(JobList& jobs)
{
    jobs.push_back({"cursors", [](FileSet& out) {
                        addPictureWithCompanion(out, "data\\custom_cursor.jpg", makePicture(40, 40, customCursor));
                        addPicture(out, "data\\magic_wand.tga", makePicture(48, 48, wand));
                        out.add("DATA\\game.cur",
                                encodeCursor(makePicture(32, 32, [](cairo_t* cr) { pointer(cr, 1, 1, 1.25); }), 1, 1));
                        addPicture(out, "data\\icon.tga", makePicture(64, 64, [](cairo_t* cr) {
                                       cairo_scale(cr, 64.0 / 48, 64.0 / 48);
                                       drawGift(cr, 0, 0);
                                   }));
                    }, {}});
}

}  // namespace mkdata
