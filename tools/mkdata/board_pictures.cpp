// The board's cell pictures: the cell base, the layers and special cells
// (also as the pieces that fly off when cleared), chains, the selection
// marker and the teleport overlay.
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/strips.h"

#include <cmath>

namespace mkdata {
namespace {

constexpr int kCell = 48;
using namespace palette;

void cellBase(cairo_t* cr)
{
    roundedRect(cr, 1.5, 1.5, kCell - 3, kCell - 3, 7);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, kCell, kCell);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.97, 0.9, 0.86);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.96, 0.86, 0.74, 0.86);
    fillWith(cr, p, true);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, kDeepGold, 0.45);
    cairo_stroke(cr);
    roundedRect(cr, 3.5, 3.5, kCell - 7, kCell - 7, 5);
    setColour(cr, kWhite, 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void snowflake(cairo_t* cr, double cx, double cy, double r)
{
    for (int arm = 0; arm < 6; ++arm) {
        double a = arm * M_PI / 3;
        double ex = cx + r * std::cos(a), ey = cy + r * std::sin(a);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, ex, ey);
        for (double side : {-0.6, 0.6}) {
            double mx = cx + r * 0.55 * std::cos(a), my = cy + r * 0.55 * std::sin(a);
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + r * 0.35 * std::cos(a + side), my + r * 0.35 * std::sin(a + side));
        }
    }
}

// A layer of frosty wrapping: one layer light, two layers deeper and doubled.
void layer(cairo_t* cr, int layers)
{
    Rgb top = layers == 1 ? hex(0x9fd2ff) : hex(0x5f86e8);
    Rgb bottom = layers == 1 ? hex(0x6aa6ee) : hex(0x3b4fbf);
    roundedRect(cr, 2, 2, kCell - 4, kCell - 4, 7);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kCell);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, 0.82);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, 0.88);
    fillWith(cr, p, true);
    setColour(cr, bottom.scaled(0.6), 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kWhite, 0.55);
    snowflake(cr, 14, 14, 6);
    snowflake(cr, 34, 33, 6);
    snowflake(cr, 35, 12, 3.5);
    snowflake(cr, 13, 35, 3.5);
    cairo_stroke(cr);
    if (layers == 2) {
        roundedRect(cr, 6, 6, kCell - 12, kCell - 12, 4);
        setColour(cr, kWhite, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // Gloss along the top.
    roundedRect(cr, 5, 4, kCell - 10, 12, 5);
    setColour(cr, kWhite, 0.22);
    cairo_fill(cr);
}

void specialPlate(cairo_t* cr, const Rgb& top, const Rgb& bottom)
{
    roundedRect(cr, 2, 2, kCell - 4, kCell - 4, 8);
    fillWith(cr, verticalShade(2, kCell - 2, top, bottom), true);
    setColour(cr, bottom.scaled(0.55));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    roundedRect(cr, 5, 4, kCell - 10, 14, 6);
    setColour(cr, kWhite, 0.25);
    cairo_fill(cr);
}

void scoreCell(cairo_t* cr)
{
    specialPlate(cr, hex(0xffe08a), hex(0xd08a1c));
    cairo_arc(cr, 24, 25, 14, 0, 2 * M_PI);
    fillWith(cr, verticalShade(11, 39, hex(0xfff2b0), hex(0xe0a020)), true);
    setColour(cr, hex(0x8a5208));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    star(cr, 24, 25.5, 10, 4.2, 5);
    setColour(cr, hex(0xc0392b));
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x6e1a10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void wandCell(cairo_t* cr)
{
    specialPlate(cr, hex(0xd9a6ff), hex(0x6b2aa8));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5);
    setColour(cr, hex(0x3a1060));
    cairo_move_to(cr, 13, 37);
    cairo_line_to(cr, 29, 21);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3);
    setColour(cr, kCream);
    cairo_move_to(cr, 13, 37);
    cairo_line_to(cr, 29, 21);
    cairo_stroke(cr);
    star(cr, 31, 18, 10, 4.2, 5, 0.2);
    setColour(cr, kGold);
    cairo_fill_preserve(cr);
    setColour(cr, kDeepGold.scaled(0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    glow(cr, 31, 18, 14, kWhite, 0.35);
}

// One chain of links along a line through the cell.
void chain(cairo_t* cr, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, 24, 24);
    cairo_rotate(cr, angle);
    for (int i = -3; i <= 3; ++i) {
        double x = i * 9.0;
        bool flat = i % 2 == 0;
        double w = flat ? 12 : 11, h = flat ? 8 : 4;
        for (int pass = 0; pass < 2; ++pass) {
            roundedRect(cr, x - w / 2, -h / 2, w, h, h / 2);
            cairo_set_line_width(cr, pass == 0 ? 4 : 2);
            if (pass == 0)
                setColour(cr, hex(0x3c3f48));
            else
                fillWith(cr, verticalShade(-h / 2, h / 2, hex(0xf2f4fa), hex(0x8a909e)), true);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void lock(cairo_t* cr, int chains)
{
    chain(cr, M_PI / 4);
    if (chains == 2)
        chain(cr, -M_PI / 4);
    // The padlock where the chains meet.
    roundedRect(cr, 17, 22, 14, 12, 2.5);
    fillWith(cr, verticalShade(22, 34, hex(0xffd866), hex(0xb87618)), true);
    setColour(cr, hex(0x5a3206));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, 24, 22, 4.5, M_PI, 2 * M_PI);
    cairo_set_line_width(cr, 2.2);
    setColour(cr, hex(0x5a3206));
    cairo_stroke(cr);
    cairo_arc(cr, 24, 27, 1.6, 0, 2 * M_PI);
    setColour(cr, hex(0x5a3206));
    cairo_fill(cr);
}

void selection(cairo_t* cr, double phase)
{
    double pulse = 0.5 + 0.5 * std::sin(phase * 2 * M_PI);
    double inset = 2.5 - pulse * 1.5;
    roundedRect(cr, inset, inset, kCell - 2 * inset, kCell - 2 * inset, 8);
    setColour(cr, kGold, 0.35 + 0.25 * pulse);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    setColour(cr, kCream);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // A sparkle travelling round the frame.
    double t = phase * 4;
    int side = int(t);
    double f = t - side;
    double pts[4][2] = {{inset + f * (kCell - 2 * inset), inset},
                        {kCell - inset, inset + f * (kCell - 2 * inset)},
                        {kCell - inset - f * (kCell - 2 * inset), kCell - inset},
                        {inset, kCell - inset - f * (kCell - 2 * inset)}};
    for (int k = 0; k < 2; ++k) {
        const double* p = pts[(side + 2 * k) % 4];
        glow(cr, p[0], p[1], 7, kWhite, 0.9);
        star(cr, p[0], p[1], 5, 1.4, 4, phase * M_PI);
        setColour(cr, kWhite);
        cairo_fill(cr);
    }
}

// Drawn additively: bright swirls.
void teleport(cairo_t* cr, double phase)
{
    for (int i = 0; i < 10; ++i) {
        double a = phase * 2 * M_PI + i * 2 * M_PI / 10;
        double r = 16 + 3 * std::sin(a * 2 + phase * 6.28);
        double x = 24 + r * std::cos(a), y = 24 + r * std::sin(a);
        Rgb c = i % 2 ? hex(0x7fd4ff) : hex(0xd28cff);
        glow(cr, x, y, 6, c, 0.9);
    }
    cairo_arc(cr, 24, 24, 19, 0, 2 * M_PI);
    setColour(cr, hex(0x3060c0), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void picture(JobList& jobs, const std::string& name, void (*draw)(cairo_t*), bool flying = false,
             const std::string& flyingName = {})
{
    jobs.push_back({name, [=](FileSet& out) {
                        Image image = makePicture(kCell, kCell, draw);
                        addPicture(out, name, image);
                        if (flying)
                            addPicture(out, flyingName, keepOffBlack(image));
                    }, {}});
}

}  // namespace

void addBoardJobs(JobList& jobs)
{
    picture(jobs, "data\\field.tga", cellBase);
    picture(jobs, "data\\cell0.tga", [](cairo_t* cr) { layer(cr, 1); }, true, "data\\fx\\cell0.tga");
    picture(jobs, "data\\cell1.tga", [](cairo_t* cr) { layer(cr, 2); }, true, "data\\fx\\cell1.tga");
    picture(jobs, "data\\cell_score.tga", scoreCell, true, "data\\fx\\cell_score.tga");
    picture(jobs, "data\\cell_wand.tga", wandCell, true, "data\\fx\\cell_wand.tga");
    picture(jobs, "data\\locked0.tga", [](cairo_t* cr) { lock(cr, 1); });
    picture(jobs, "data\\locked1.tga", [](cairo_t* cr) { lock(cr, 2); });
    jobs.push_back({"data\\select.tga", [](FileSet& out) {
                        addPicture(out, "data\\select.tga", makeStrip(kCell, kCell, 11, selection));
                    }, {}});
    jobs.push_back({"data\\fx\\teleport.tga", [](FileSet& out) {
                        addPicture(out, "data\\fx\\teleport.tga", forAdding(makeStrip(kCell, kCell, 6, teleport)));
                    }, {}});
}

}  // namespace mkdata
