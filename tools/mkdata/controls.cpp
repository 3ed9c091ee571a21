// Control pictures under "data\menu\": buttons in three states, arrow
// buttons, check boxes in four, the slider's knob and track halves, the
// edit field, the loading bar, the time bar and the tutorial bubble.
#include "tools/mkdata/gift_art.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/strips.h"
#include "tools/mkdata/ui_art.h"

#include <cmath>
#include <string>

namespace mkdata {
namespace {

using namespace palette;

const char* const kStateSuffix[3] = {"", "_a", "_p"};

void stateJob(JobList& jobs, const std::string& stem, int w, int h, std::function<void(cairo_t*, int)> draw,
              int states = 3)
{
    jobs.push_back({stem, [=](FileSet& out) {
                        for (int s = 0; s < states; ++s)
                            addPicture(out, stem + kStateSuffix[s] + ".tga",
                                       makePicture(w, h, [&](cairo_t* cr) { draw(cr, s); }));
                    }, {}});
}

void arrow(cairo_t* cr, int state, double angle)
{
    pillButton(cr, 44, 44, state, kButtonRed);
    cairo_save(cr);
    cairo_translate(cr, 22, 19 + (state == 2 ? 1.5 : 0));
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 7, 0);
    cairo_line_to(cr, -5, -8);
    cairo_line_to(cr, -5, 8);
    cairo_close_path(cr);
    cairo_restore(cr);
    setColour(cr, state == 1 ? kWhite : kCream);
    cairo_fill_preserve(cr);
    setColour(cr, kWine);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// States: 0 unchecked, 1 highlighted, 2 checked, 3 disabled.
void checkBox(cairo_t* cr, int state)
{
    roundedRect(cr, 3, 4, 28, 28, 6);
    setColour(cr, {0.1, 0.02, 0.02}, 0.35);
    cairo_fill(cr);
    roundedRect(cr, 2, 2, 28, 28, 6);
    Rgb face = state == 3 ? hex(0xb8aca0) : kCream;
    fillWith(cr, verticalShade(2, 30, face, face.scaled(0.8)), true);
    setColour(cr, state == 3 ? hex(0x807060) : (state == 1 ? kGold : kDeepGold));
    cairo_set_line_width(cr, state == 1 ? 3 : 2);
    cairo_stroke(cr);
    if (state == 2) {
        cairo_move_to(cr, 8, 16);
        cairo_line_to(cr, 14, 23);
        cairo_line_to(cr, 26, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, hex(0x1e7a3a));
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    }
}

void knob(cairo_t* cr, int state)
{
    cairo_arc(cr, 15, 16, 12, 0, 2 * M_PI);
    setColour(cr, {0.1, 0.02, 0.02}, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, 14, 14, 12, 0, 2 * M_PI);
    Rgb c = state == 1 ? hex(0xffe080) : (state == 2 ? hex(0xe0a030) : kGold);
    fillWith(cr, verticalShade(2, 26, c.scaled(1.3), c.scaled(0.7)), true);
    setColour(cr, hex(0x6a3808));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    star(cr, 14, 14, 6, 2.6, 5);
    setColour(cr, hex(0xc02028));
    cairo_fill(cr);
}

// A rounded track: filled in a warm gradient, or empty and sunken.
void track(cairo_t* cr, double w, double h, bool filled, const Rgb& fill)
{
    roundedRect(cr, 1, 1, w - 2, h - 2, (h - 2) / 2);
    if (filled)
        fillWith(cr, verticalShade(1, h - 1, fill.scaled(1.35), fill.scaled(0.75)), true);
    else
        fillWith(cr, verticalShade(1, h - 1, hex(0x2a0810), hex(0x5a1a28)), true);
    setColour(cr, kDeepGold);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    if (filled) {
        roundedRect(cr, 4, 2.5, w - 8, (h - 4) * 0.4, (h - 4) * 0.2);
        setColour(cr, kWhite, 0.3);
        cairo_fill(cr);
    }
}

void editField(cairo_t* cr)
{
    roundedRect(cr, 1.5, 1.5, 257, 31, 8);
    fillWith(cr, verticalShade(0, 34, hex(0x3a0c18), hex(0x5a1a2a)), true);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// The tutorial bubble: a parchment cloud whose tail points at (58, 140).
void bubble(cairo_t* cr)
{
    auto shape = [&]() {
        roundedRect(cr, 4, 4, 292, 110, 20);
        cairo_move_to(cr, 40, 110);
        cairo_line_to(cr, 58, 140);
        cairo_line_to(cr, 80, 110);
        cairo_close_path(cr);
    };
    cairo_save(cr);
    cairo_translate(cr, 3, 3);
    shape();
    setColour(cr, {0.15, 0.03, 0.02}, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    shape();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillWith(cr, verticalShade(4, 140, hex(0xfffaee), hex(0xf2dfb8)), true);
    setColour(cr, kDeepGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void trackJob(JobList& jobs, const std::string& stem, int w, int h, const Rgb& fill)
{
    jobs.push_back({stem, [=](FileSet& out) {
                        addPicture(out, stem + "_left.tga", makePicture(w, h, [&](cairo_t* cr) { track(cr, w, h, true, fill); }));
                        addPicture(out, stem + "_right.tga", makePicture(w, h, [&](cairo_t* cr) { track(cr, w, h, false, fill); }));
                    }, {}});
}

}  // namespace

void addControlJobs(JobList& jobs)
{
    stateJob(jobs, "data\\menu\\button", 200, 50, [](cairo_t* cr, int s) { pillButton(cr, 200, 50, s, kButtonRed); });
    stateJob(jobs, "data\\menu\\button_small", 130, 42, [](cairo_t* cr, int s) { pillButton(cr, 130, 42, s, kButtonRed); });
    stateJob(jobs, "data\\menu\\button_green", 200, 50, [](cairo_t* cr, int s) { pillButton(cr, 200, 50, s, kButtonGreen); });
    const char* arrows[4] = {"left", "right", "up", "down"};
    const double angles[4] = {M_PI, 0, -M_PI / 2, M_PI / 2};
    for (int i = 0; i < 4; ++i) {
        double a = angles[i];
        stateJob(jobs, std::string("data\\menu\\arrow_") + arrows[i], 44, 44, [a](cairo_t* cr, int s) { arrow(cr, s, a); });
    }
    jobs.push_back({"data\\menu\\checkbox", [](FileSet& out) {
                        const char* names[4] = {"checkbox", "checkbox_a", "checkbox_p", "checkbox_d"};
                        for (int s = 0; s < 4; ++s)
                            addPicture(out, std::string("data\\menu\\") + names[s] + ".tga",
                                       makePicture(34, 34, [s](cairo_t* cr) { checkBox(cr, s); }));
                    }, {}});
    stateJob(jobs, "data\\menu\\slider_knob", 30, 30, knob);
    trackJob(jobs, "data\\menu\\slider", 220, 16, kGold);
    trackJob(jobs, "data\\menu\\progress", 400, 26, hex(0x40c060));
    trackJob(jobs, "data\\menu\\timebar", 296, 22, hex(0xf0a030));
    jobs.push_back({"data\\menu\\edit.tga", [](FileSet& out) {
                        addPicture(out, "data\\menu\\edit.tga", makePicture(260, 34, editField));
                    }, {}});
    jobs.push_back({"data\\hint.tga", [](FileSet& out) {
                        addPicture(out, "data\\hint.tga", makePicture(300, 144, bubble));
                    }, {}});
}

}  // namespace mkdata
