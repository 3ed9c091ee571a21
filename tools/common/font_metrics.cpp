#include "tools/common/font_metrics.h"

#include <cstdlib>

namespace mkdata {
namespace {

// The next number: skip to a digit or '-', convert, skip digits, '.' and '-'.
bool nextNumber(const std::string& text, std::size_t& pos, int& value)
{
    while (pos < text.size() && !(text[pos] == '-' || (text[pos] >= '0' && text[pos] <= '9')))
        ++pos;
    if (pos >= text.size())
        return false;
    value = std::atoi(text.c_str() + pos);
    while (pos < text.size() && (text[pos] == '-' || text[pos] == '.' || (text[pos] >= '0' && text[pos] <= '9')))
        ++pos;
    return true;
}

}  // namespace

bool parseFontMetrics(const std::string& text, FontMetrics& out)
{
    std::size_t pos = 0;
    int unused = 0;
    if (!nextNumber(text, pos, unused) || !nextNumber(text, pos, out.lineHeight) ||
        !nextNumber(text, pos, out.entries))
        return false;
    for (int i = 0; i < out.entries; ++i) {
        int v[6];
        for (int& n : v)
            if (!nextNumber(text, pos, n))
                return false;
        if (v[0] < 0 || v[0] > 255)
            return false;
        out.glyphs[std::size_t(v[0])] = {true, v[1], v[2], v[3], v[4], v[5]};
    }
    return true;
}

std::string formatFontMetrics(const FontMetrics& metrics)
{
    int count = 0;
    for (const Glyph& g : metrics.glyphs)
        count += g.present;
    std::string out = "1 " + std::to_string(metrics.lineHeight) + " " + std::to_string(count) + "\n";
    for (int code = 0; code < 256; ++code) {
        const Glyph& g = metrics.glyphs[std::size_t(code)];
        if (g.present)
            out += std::to_string(code) + " " + std::to_string(g.x) + " " + std::to_string(g.y) + " " +
                   std::to_string(g.before) + " " + std::to_string(g.width) + " " + std::to_string(g.after) +
                   "\n";
    }
    return out;
}

}  // namespace mkdata
