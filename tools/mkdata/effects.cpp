// Effect pictures: sparks, the splash, chunks, glows, gems, confetti, the
// gem collector and the time bar flash. Pictures drawn additively keep
// colour already weighted by alpha, so that their clear parts add nothing.
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/strips.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace mkdata {
namespace {

using namespace palette;

std::string numbered(const char* format, int n)
{
    char name[64];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

const std::array<Rgb, 8> kSparkColours = {hex(0xffd860), hex(0xff6050), hex(0x70f070), hex(0x70b0ff),
                                          hex(0xd080ff), hex(0xffa040), hex(0x60f0f0), hex(0xffffff)};

void spark(cairo_t* cr, const Rgb& c, double phase)
{
    double s = 1 - phase * 0.8;
    glow(cr, 12, 12, 11 * s, c, 0.9);
    star(cr, 12, 12, 11 * s, 1.6 * s, 4, phase * 1.2);
    setColour(cr, c.scaled(1.5));
    cairo_fill(cr);
    cairo_arc(cr, 12, 12, 2.2 * s, 0, 2 * M_PI);
    setColour(cr, kWhite);
    cairo_fill(cr);
}

void splash(cairo_t* cr, double phase)
{
    double r = 6 + phase * 26, fade = 1 - phase;
    cairo_arc(cr, 32, 32, r, 0, 2 * M_PI);
    setColour(cr, kCream, 0.8 * fade);
    cairo_set_line_width(cr, 3 * fade + 1);
    cairo_stroke(cr);
    glow(cr, 32, 32, r * 0.8, kGold, 0.6 * fade);
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + 0.3;
        cairo_arc(cr, 32 + (r + 2) * std::cos(a), 32 + (r + 2) * std::sin(a), 2.5 * fade + 0.5, 0, 2 * M_PI);
        setColour(cr, kWhite, fade);
        cairo_fill(cr);
    }
}

void chunk(cairo_t* cr, int kind)
{
    if (kind < 2) {
        glow(cr, 8, 8, 8, kind ? hex(0xfff0c0) : kGold, 0.9);
        star(cr, 8, 8, 7, 2, 4, kind * 0.4);
        setColour(cr, kWhite, 0.9);
        cairo_fill(cr);
        return;
    }
    // A scrap of wrapping paper with a ribbon stripe.
    cairo_move_to(cr, 2, 4);
    cairo_line_to(cr, 13, 2);
    cairo_line_to(cr, 14, 12);
    cairo_line_to(cr, 4, 14);
    cairo_close_path(cr);
    fillWith(cr, verticalShade(2, 14, hex(0xff6a60), hex(0xb81e28)), true);
    setColour(cr, hex(0x5a0a10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, 7, 3);
    cairo_line_to(cr, 9, 13.5);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
}

void ringGlow(cairo_t* cr, const Rgb& c, double phase)
{
    double pulse = std::sin(phase * M_PI + 0.3);
    glow(cr, 48, 48, 30 + 16 * pulse, c, 0.85);
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + phase;
        cairo_move_to(cr, 48, 48);
        cairo_line_to(cr, 48 + 46 * std::cos(a - 0.06), 48 + 46 * std::sin(a - 0.06));
        cairo_line_to(cr, 48 + 46 * std::cos(a + 0.06), 48 + 46 * std::sin(a + 0.06));
        cairo_close_path(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(48, 48, 0, 48, 48, 46);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 0.7 * pulse);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    fillWith(cr, p);
}

// A cut gem turning about its upright axis.
void gem(cairo_t* cr, double size, const Rgb& c, double phase)
{
    double turn = phase * 2 * M_PI;
    // The outline narrows as the gem turns edge-on.
    double cx = size / 2, cy = size / 2, w = size * 0.42 * (0.65 + 0.35 * std::abs(std::cos(turn))), h = size * 0.44;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Outline: a crown on top, a point below.
    double top = cy - h * 0.55, girdle = cy - h * 0.1, bottom = cy + h;
    cairo_move_to(cr, cx - w * 0.6, top);
    cairo_line_to(cr, cx + w * 0.6, top);
    cairo_line_to(cr, cx + w, girdle);
    cairo_line_to(cr, cx, bottom);
    cairo_line_to(cr, cx - w, girdle);
    cairo_close_path(cr);
    setColour(cr, c.scaled(0.55));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Facets whose shade follows the turn.
    for (int i = 0; i < 6; ++i) {
        double a0 = turn + i * M_PI / 3, a1 = a0 + M_PI / 3;
        double x0 = cx + w * std::sin(a0), x1 = cx + w * std::sin(a1);
        if (std::cos(a0) + std::cos(a1) < 0)
            continue;
        double light = 0.7 + 0.6 * std::cos((a0 + a1) / 2 + 0.8);
        cairo_move_to(cr, x0, top);
        cairo_line_to(cr, x1, top);
        cairo_line_to(cr, x1, girdle);
        cairo_line_to(cr, cx, bottom);
        cairo_line_to(cr, x0, girdle);
        cairo_close_path(cr);
        setColour(cr, c.scaled(light));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_move_to(cr, cx - w * 0.6, top);
    cairo_line_to(cr, cx + w * 0.6, top);
    cairo_line_to(cr, cx + w, girdle);
    cairo_line_to(cr, cx, bottom);
    cairo_line_to(cr, cx - w, girdle);
    cairo_close_path(cr);
    setColour(cr, c.scaled(0.35));
    cairo_set_line_width(cr, std::max(1.0, size / 24));
    cairo_stroke(cr);
    double glint = 0.5 + 0.5 * std::sin(turn * 2);
    star(cr, cx - w * 0.3, top + h * 0.15, size * 0.14 * glint + 0.5, size * 0.03, 4);
    setColour(cr, kWhite, 0.9);
    cairo_fill(cr);
}

const std::array<Rgb, 4> kGemColours = {hex(0xff4058), hex(0x40e070), hex(0x4090ff), hex(0xffd030)};

// A piece of confetti tumbling: it flips (squashes) and turns.
void confetti(cairo_t* cr, double size, const Rgb& c, bool round, double phase)
{
    double flip = std::cos(phase * 2 * M_PI);
    cairo_translate(cr, size / 2, size / 2);
    cairo_rotate(cr, phase * M_PI);
    cairo_scale(cr, 1, std::max(0.12, std::abs(flip)));
    if (round) {
        star(cr, 0, 0, size * 0.45, size * 0.22, 5);
    } else {
        cairo_rectangle(cr, -size * 0.42, -size * 0.28, size * 0.84, size * 0.56);
    }
    setColour(cr, flip > 0 ? c : c.scaled(0.7));
    cairo_fill_preserve(cr);
    setColour(cr, c.scaled(0.45));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void collectorSlot(cairo_t* cr)
{
    cairo_arc(cr, 22, 22, 19, 0, 2 * M_PI);
    fillWith(cr, verticalShade(3, 41, hex(0x3a0a18), hex(0x70203a)), true);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_arc(cr, 22, 22, 15, 0, 2 * M_PI);
    setColour(cr, kDeepGold, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void timeBarFlash(cairo_t* cr)
{
    roundedRect(cr, 1, 1, 294, 20, 10);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 22);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.9, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.8, 0.3, 0.9);
    fillWith(cr, p);
}

void strip(JobList& jobs, const std::string& name, int side, int frames, bool adding,
           std::function<void(cairo_t*, double)> draw)
{
    jobs.push_back({name, [=](FileSet& out) {
                        Image image = makeStrip(side, side, frames, draw);
                        addPicture(out, name, adding ? forAdding(image) : image);
                    }, {}});
}

}  // namespace

void addEffectJobs(JobList& jobs)
{
    for (int i = 0; i < 8; ++i)
        strip(jobs, numbered("data\\fx\\spark%d.tga", i), 24, 6, true,
              [i](cairo_t* cr, double phase) { spark(cr, kSparkColours[std::size_t(i)], phase); });
    strip(jobs, "data\\fx\\splash.tga", 64, 8, true, splash);
    for (int i = 0; i < 3; ++i)
        jobs.push_back({numbered("data\\fx\\chunk%d.tga", i), [i](FileSet& out) {
                            Image image = makePicture(16, 16, [i](cairo_t* cr) { chunk(cr, i); });
                            addPicture(out, numbered("data\\fx\\chunk%d.tga", i), i < 2 ? forAdding(image) : image);
                        }, {}});
    strip(jobs, "data\\fx\\glow_green.tga", 96, 5, true, [](cairo_t* cr, double p) { ringGlow(cr, hex(0x60ff80), p); });
    strip(jobs, "data\\fx\\glow_blue.tga", 96, 5, true, [](cairo_t* cr, double p) { ringGlow(cr, hex(0x60a0ff), p); });
    jobs.push_back({"data\\fx\\glow.tga", [](FileSet& out) {
                        addPicture(out, "data\\fx\\glow.tga", forAdding(makePicture(64, 64, [](cairo_t* cr) {
                                       glow(cr, 32, 32, 31, hex(0xfff0b0), 0.8);
                                   })));
                    }, {}});
    for (int i = 1; i <= 4; ++i) {
        Rgb c = kGemColours[std::size_t(i - 1)];
        strip(jobs, numbered("data\\fx\\diamond_small%d.tga", i), 24, 15, false,
              [c](cairo_t* cr, double p) { gem(cr, 24, c, p); });
        strip(jobs, numbered("data\\fx\\diamond_big%d.tga", i), 40, 15, false,
              [c](cairo_t* cr, double p) { gem(cr, 40, c, p); });
    }
    const std::array<std::pair<int, Rgb>, 5> confettiColours = {
        {{1, hex(0xf03040)}, {2, hex(0xf8c830)}, {4, hex(0x40c050)}, {5, hex(0x4080f0)}, {6, hex(0xf070b0)}}};
    for (const auto& [n, c] : confettiColours) {
        Rgb colour = c;
        strip(jobs, numbered("data\\fx\\konfeti_big%d.tga", n), 16, 15, false,
              [colour](cairo_t* cr, double p) { confetti(cr, 16, colour, false, p); });
        strip(jobs, numbered("data\\fx\\konfeti_small%d.tga", n), 10, 15, false,
              [colour](cairo_t* cr, double p) { confetti(cr, 10, colour, true, p); });
    }
    jobs.push_back({"data\\fx\\diamond_collector.jpg", [](FileSet& out) {
                        addPictureWithCompanion(out, "DATA\\fx\\diamond_collector.jpg", makePicture(44, 44, collectorSlot));
                        addPictureWithCompanion(out, "DATA\\fx\\diamond_collector_a.jpg",
                                                makePicture(12, 20, [](cairo_t* cr) {
                                                    cairo_scale(cr, 0.5, 0.833);
                                                    gem(cr, 24, hex(0xff4058), 0.1);
                                                }));
                    }, {}});
    jobs.push_back({"data\\timebar_n.jpg", [](FileSet& out) {
                        addPictureWithCompanion(out, "data\\timebar_n.jpg", makePicture(296, 22, timeBarFlash));
                    }, {}});
}

}  // namespace mkdata
