// The five bitmap fonts: every Latin-1 code from 33 to 255 that the font
// has, side by side in one row per band, with the metric file beside the
// image and the alpha in its companion.
#include "tools/common/font_metrics.h"
#include "tools/mkdata/glyph_style.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"

#include <string>
#include <vector>

namespace mkdata {
namespace {

using namespace palette;

struct FontRecipe {
    const char* name;  // the image; its metric file and companion follow from it
    const char* fontFile;
    int pixelSize;
    std::vector<GlyphStyle> bands;
};

bool shownCode(unsigned code)
{
    return code > 32 && code != 127 && !(code >= 128 && code < 160);
}

std::string metricName(const std::string& image)
{
    return image.substr(0, image.find_last_of('.')) + ".fh";
}

void makeFont(const FontRecipe& recipe, FileSet& out)
{
    GlyphRaster raster(recipe.fontFile, recipe.pixelSize);
    int pad = 0;
    for (const GlyphStyle& s : recipe.bands)
        pad = std::max(pad, stylePadding(s));
    // The line is as tall as the glyphs' ink reaches (accented capitals
    // included), plus the padding of the look.
    std::vector<std::pair<unsigned, GlyphBitmap>> glyphs;
    int above = 0, below = 0;
    for (unsigned code = 33; code < 256; ++code) {
        GlyphBitmap g;
        if (!shownCode(code) || !raster.render(code, g))
            continue;
        above = std::max(above, g.top);
        below = std::max(below, g.height - g.top);
        glyphs.emplace_back(code, std::move(g));
    }
    const int lineHeight = above + below + 2 * pad;
    const int baseline = pad + above;

    FontMetrics metrics;
    metrics.lineHeight = lineHeight;
    int x = 0;
    for (const auto& [code, g] : glyphs) {
        // The cell spans the glyph's ink and its padding; the blanks before
        // and after make up the pen advance.
        int width = std::max(1, g.width + 2 * pad);
        metrics.glyphs[code] = {true, x, 0, g.left - pad, width, g.advance - (g.left - pad) - width};
        x += width + 1;
    }
    Image sheet(x, lineHeight * int(recipe.bands.size()));
    for (std::size_t band = 0; band < recipe.bands.size(); ++band) {
        int top = int(band) * lineHeight;
        for (const auto& [code, g] : glyphs) {
            const Glyph& entry = metrics.glyphs[code];
            drawStyledGlyph(sheet, g, entry.x - entry.before, top + baseline, top, lineHeight, recipe.bands[band]);
        }
    }
    // Glyph edges keep their colour where the alpha is partial; fully clear
    // pixels take the outline colour so that filtering shows no dark fringe.
    const Rgb& o = recipe.bands[0].outline;
    for (std::uint32_t& p : sheet.pixels)
        if (alphaOf(p) == 0)
            p = argb(0, unsigned(o.r * 255), unsigned(o.g * 255), unsigned(o.b * 255));
    addPictureWithCompanion(out, recipe.name, sheet);
    std::string fh = formatFontMetrics(metrics);
    out.add(metricName(recipe.name), Bytes(fh.begin(), fh.end()));
}

std::vector<FontRecipe> recipes()
{
    // Menu bands: normal cream, highlighted bright gold, pressed deep amber.
    const GlyphStyle menuNormal{kWhite, kCream.scaled(0.92), hex(0x5a1414), 2.2, 0.55, 2};
    const GlyphStyle menuLit{hex(0xfff8b0), hex(0xffb020), hex(0xa02008), 2.2, 0.55, 2};
    const GlyphStyle menuPressed{hex(0xf0a040), hex(0xb05a10), hex(0x2a0808), 2.2, 0.3, 1};
    const GlyphStyle light{kWhite, kCream, hex(0x3a1010), 1.0, 0.5, 1};
    const GlyphStyle dark{hex(0x5a2210), hex(0x3a1408), kCream, 0, 0, 0};
    const GlyphStyle help{hex(0x4a2010), hex(0x2e1208), kCream, 0, 0, 0};
    const GlyphStyle combo{hex(0xfff6b0), hex(0xf0a020), hex(0x8a1010), 3, 0.6, 3};
    return {
        {"DATA\\fonts\\fontmenu.tga", kComfortaaBold, 22, {menuNormal, menuLit, menuPressed}},
        {"DATA\\fonts\\fontStatic.tga", kQuicksandBold, 17, {light}},
        {"DATA\\fonts\\font_dark.tga", kQuicksandBold, 18, {dark}},
        {"DATA\\fonts\\font_help.tga", kQuicksandBold, 14, {help}},
        {"DATA\\fonts\\combo.jpg", kLobster, 40, {combo}},
    };
}

}  // namespace

void addFontJobs(JobList& jobs)
{
    for (const FontRecipe& recipe : recipes())
        jobs.push_back({recipe.name, [recipe](FileSet& out) { makeFont(recipe, out); }, {recipe.fontFile}});
}

}  // namespace mkdata
