// The letter pictures of word pictures and letter popups: one bold golden
// display style, all letters on one baseline and of one height, so that a
// word set from them top-aligned reads straight. Letters are stored once
// in upper case; the case-insensitive path layer serves both cases.
#include "tools/mkdata/glyph_style.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"

#include <string>
#include <vector>

namespace mkdata {
namespace {

constexpr int kLetterSize = 46;

// Characters with letter pictures. '/', '\\' and '*' cannot be file names
// everywhere; the word texts do not use them.
const std::string& letterSet()
{
    static const std::string set = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!?.,:;-+'%&()#";
    return set;
}

void makeLetters(FileSet& out)
{
    using namespace palette;
    const GlyphStyle style{hex(0xfff4c0), hex(0xf0a028), hex(0x7a1010), 3.5, 0.6, 3};
    GlyphRaster raster(kComfortaaBold, kLetterSize);
    int pad = stylePadding(style);
    std::vector<std::pair<char, GlyphBitmap>> glyphs;
    int above = 0, below = 0;
    for (char c : letterSet()) {
        GlyphBitmap g;
        if (!raster.render(static_cast<unsigned char>(c), g))
            continue;
        above = std::max(above, g.top);
        below = std::max(below, g.height - g.top);
        glyphs.emplace_back(c, std::move(g));
    }
    const int height = above + below + 2 * pad;
    const int baseline = pad + above;
    for (const auto& [c, g] : glyphs) {
        int width = std::max(g.advance, g.left + g.width) + 2 * pad;
        Image letter(width, height);
        drawStyledGlyph(letter, g, pad, baseline, 0, height, style);
        addPicture(out, std::string("data\\letters\\") + c + ".tga", letter);
    }
}

}  // namespace

void addLetterJobs(JobList& jobs)
{
    jobs.push_back({"data\\letters", makeLetters, {kComfortaaBold}});
}

}  // namespace mkdata
