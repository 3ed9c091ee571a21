// The gift strips: 20 idle frames per colour (a bounce with a sweeping
// gloss), the rainbow gift, and the 15-frame hint strips (a hop with a
// golden halo).
#include "tools/mkdata/gift_art.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/strips.h"

#include <cmath>
#include <cstdio>

namespace mkdata {
namespace {

constexpr int kSide = 48;

// Squash and stretch about the bottom centre.
void bounce(cairo_t* cr, double lift, double squash)
{
    cairo_translate(cr, 24, 44 - lift);
    cairo_scale(cr, 1 + squash, 1 - squash);
    cairo_translate(cr, -24, -44);
}

void idleFrame(cairo_t* cr, int colour, double phase)
{
    double s = std::sin(phase * 2 * M_PI);
    bounce(cr, 1.5 * std::max(0.0, s), -0.04 * s);
    drawGift(cr, colour, phase);
}

void hintFrame(cairo_t* cr, int colour, double phase)
{
    double hop = std::sin(phase * M_PI);
    glow(cr, 24, 26, 24, palette::kGold, 0.25 + 0.5 * hop);
    bounce(cr, 5 * hop, phase < 0.1 ? 0.06 : -0.03 * hop);
    drawGift(cr, colour, 0);
}

std::string numbered(const char* format, int n)
{
    char name[64];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

}  // namespace

void addGiftJobs(JobList& jobs)
{
    for (int colour = 0; colour < kGiftColours; ++colour) {
        std::string idle = numbered("data\\gifts\\NONE\\active%d.tga", colour);
        jobs.push_back({idle, [=](FileSet& out) {
                            addPicture(out, idle, makeStrip(kSide, kSide, 20, [=](cairo_t* cr, double phase) {
                                           idleFrame(cr, colour, phase);
                                       }));
                        }, {}});
        std::string hint = numbered("data\\gifts\\HELP\\help%d.tga", colour);
        jobs.push_back({hint, [=](FileSet& out) {
                            addPicture(out, hint, makeStrip(kSide, kSide, 15, [=](cairo_t* cr, double phase) {
                                           hintFrame(cr, colour, phase);
                                       }));
                        }, {}});
    }
    jobs.push_back({"data\\gifts\\raduga.tga", [](FileSet& out) {
                        addPicture(out, "data\\gifts\\raduga.tga",
                                   makeStrip(kSide, kSide, 20, [](cairo_t* cr, double phase) {
                                       double s = std::sin(phase * 2 * M_PI);
                                       bounce(cr, 1.5 * std::max(0.0, s), -0.03 * s);
                                       drawRainbowGift(cr, phase);
                                   }));
                    }, {}});
}

}  // namespace mkdata
