#include "graphics/font.h"

#include "graphics/graph.h"
#include "graphics/image_file.h"

#include <cstring>
#include <string>

namespace {

constexpr int kEntryNumbers = 6;

std::string metricName(const char* name)
{
    std::string text = name;
    const std::size_t slash = text.rfind('\\');
    const std::size_t dot = text.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        return text.substr(0, dot + 1) + "fh";
    return text + ".fh";
}

// Glyphs only ever draw from inside the image; a font without a usable
// metric file has size 0 and draws nothing.
void readMetrics(Font& font)
{
    FileBlock block;
    if (fileLoad(metricName(font.szName).c_str(), block) != 0)
        return;
    const std::vector<long> numbers =
        parseMetricNumbers(std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
    if (numbers.size() < 3 || numbers[1] <= 0 || numbers[1] > 32767)
        return;
    font.nLineHeight = static_cast<std::int16_t>(numbers[1]);
    font.nFrames = font.nHeight / font.nLineHeight > 0 ? font.nHeight / font.nLineHeight : 1;
    const long count = numbers[2];
    for (long i = 0; i < count; ++i) {
        const std::size_t first = 3 + static_cast<std::size_t>(i) * kEntryNumbers;
        if (first + kEntryNumbers > numbers.size())
            break;
        const long* e = &numbers[first];
        if (e[0] < 0 || e[0] > 255)
            continue;
        const int code = static_cast<int>(e[0]);
        font.glyphPos[code][0] = static_cast<std::int16_t>(e[1]);
        font.glyphPos[code][1] = static_cast<std::int16_t>(e[2]);
        for (int k = 0; k < 3; ++k)
            font.glyphSpacing[code][k] = static_cast<std::int8_t>(e[3 + k]);
        font.glyphListed[code] = true;
    }
}

int advance(const Font& font, unsigned char code)
{
    if (code <= 32)
        return font.nSpaceAdvance;
    const std::int8_t* s = font.glyphSpacing[code];
    return s[0] + s[1] + s[2];
}

int bandFor(int bands, int style)
{
    if (bands == 2)
        return style > 1 ? 1 : 0;
    if (bands == 3)
        return style >= 1 ? style - 1 : 0;
    return style;
}

}  // namespace

void Font::LoadFont()
{
    spriteLoad(this);
    nLineHeight = 0;
    nSpaceAdvance = 0;
    std::memset(glyphListed, 0, sizeof glyphListed);
    for (int i = 0; i < 256; ++i) {
        glyphPos[i][0] = 0;
        glyphPos[i][1] = static_cast<std::int16_t>(i * nHeight);
        glyphSpacing[i][0] = 0;
        glyphSpacing[i][1] = static_cast<std::int8_t>(nWidth);
        glyphSpacing[i][2] = 0;
    }
    readMetrics(*this);
    nSpaceAdvance = static_cast<std::int16_t>(nLineHeight / 2);
}

Font* graphLoadFont(const char* name)
{
    if (!name || !*name)
        return nullptr;
    if (auto* found = dynamic_cast<Font*>(graphFindSprite(name)))
        return found;
    auto made = std::make_unique<Font>();
    std::strncpy(made->szName, name, sizeof made->szName - 1);
    std::strncpy(made->szMaskName, spriteCompanionName(made->szName).c_str(), sizeof made->szMaskName - 1);
    Font* font = static_cast<Font*>(graphRegister(std::move(made)));
    font->LoadFont();
    return font;
}

void graphDeleteFont(Font* font) { graphDeleteSprite(font); }

int TextWidth(const Font* font, const char* text, int maxLength)
{
    if (!font || !text || font->nLineHeight == 0)
        return 0;
    int width = 0;
    for (int i = 0; i < maxLength && text[i]; ++i)
        width += advance(*font, static_cast<unsigned char>(text[i]));
    return width;
}

void DrawString(Sprite* dest, Font* font, int x, int y, const char* text, int style, int hAlign, int vAlign)
{
    if (!dest || !font || !text || font->nLineHeight == 0)
        return;
    if (style == 3)
        ++y;
    const int bandOffset = bandFor(font->nFrames, style) * font->nLineHeight;
    if (hAlign == 0)
        x -= TextWidth(font, text, 0x0FFFFFFF) / 2;
    else if (hAlign > 0)
        x -= TextWidth(font, text, 0x0FFFFFFF);
    if (vAlign == 0)
        y -= font->nLineHeight / 2;
    else if (vAlign > 0)
        y -= font->nLineHeight;
    for (; *text; ++text) {
        const unsigned char code = static_cast<unsigned char>(*text);
        if (code > 32 && font->glyphListed[code]) {
            const std::int8_t* s = font->glyphSpacing[code];
            dest->DrawPart(x + s[0], y, s[1], font->nLineHeight, font, font->glyphPos[code][0],
                           font->glyphPos[code][1] + bandOffset, OP_TEXT, 0);
        }
        x += advance(*font, code);
    }
}

void DrawStringMask(Sprite* dest, Font* font, int x, int y, const char* text)
{
    if (!dest || !font || !text || font->nLineHeight == 0)
        return;
    for (; *text; ++text) {
        const unsigned char code = static_cast<unsigned char>(*text);
        if (code > 32 && font->glyphListed[code]) {
            const std::int8_t* s = font->glyphSpacing[code];
            dest->CopyPartWithAlpha(x + s[0] - 1, y, font, font->glyphPos[code][0], font->glyphPos[code][1], s[1],
                                    font->nLineHeight);
        }
        x += advance(*font, code);
    }
}
