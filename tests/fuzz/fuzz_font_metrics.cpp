// Any metric file: the numbers parse, and a font built from them draws
// and measures without reading outside its image.
#include "graphics/font.h"
#include "graphics/graph.h"

#include "platform/paths.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool ready = [] {
        graphInit(800, 600, 16, 0, nullptr);
        // A 16 x 16 image with its alpha: 24-bit top-down TGA, all white.
        std::vector<unsigned char> tga(18, 0);
        tga[12] = 16;
        tga[14] = 16;
        tga[16] = 24;
        tga[17] = 0x20;
        tga.resize(18 + 16 * 16 * 3, 255);
        platform::writeWholeFile("fuzzfont.tga", tga.data(), tga.size());
        platform::writeWholeFile("_fuzzfont.tga", tga.data(), tga.size());
        return true;
    }();
    (void)ready;
    parseMetricNumbers(std::string_view(reinterpret_cast<const char*>(data), size));
    platform::writeWholeFile("fuzzfont.fh", data, size);
    Font* font = graphLoadFont("fuzzfont.tga");
    std::string text;
    for (int c = 1; c < 256; ++c)
        text.push_back(static_cast<char>(c));
    TextWidth(font, text.c_str(), 0x0FFFFFFF);
    for (int style = 0; style < 4; ++style)
        DrawString(BackBuffer, font, 400, 300, text.c_str(), style, style - 1, 1 - style);
    Sprite* mask = graphCreateAlphaSprite(64, 64, "", 0);
    DrawStringMask(mask, font, 0, 0, text.c_str());
    graphDeleteSprite(mask);
    graphDeleteFont(font);
    return 0;
}
