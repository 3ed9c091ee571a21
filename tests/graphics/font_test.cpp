#include "graphics/font.h"
#include "graphics_fixture.h"
#include "image_builders.h"

namespace {

class Fonts : public GraphicsTest {
protected:
    // An image of 8 x 30: three bands of 10 rows; band b's pixels are b + 1.
    Font* makeFont(const std::string& metrics)
    {
        std::vector<unsigned char> pixels;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 8; ++x) {
                const unsigned char band = static_cast<unsigned char>(y / 10 + 1);
                pixels.insert(pixels.end(), { band, 0, 0 });  // blue = band (in 565: band >> 3 = 0)
            }
        // Encode the band in red instead, which survives 565: 8 * band.
        for (std::size_t i = 0; i < pixels.size(); i += 3) {
            pixels[i + 2] = static_cast<unsigned char>(pixels[i] * 8);
            pixels[i] = 0;
        }
        folder.writeBytes("f.tga", tgaFile(8, 30, 24, true, pixels));
        folder.writeBytes("_f.tga", tgaFile(8, 30, 24, true, std::vector<unsigned char>(8 * 30 * 3, 255)));
        if (!metrics.empty())
            folder.write("f.fh", metrics);
        return graphLoadFont("f.tga");
    }
    TempFolder folder;
};

TEST(FontMetrics, NumbersSkipSeparatorsAndFractions)
{
    EXPECT_EQ(parseMetricNumbers("1, 12.5 ; -3 x7--"), (std::vector<long> { 1, 12, -3, 7 }));
    EXPECT_TRUE(parseMetricNumbers("no digits").empty());
}

TEST_F(Fonts, BandsStylesAndTheSpaceAdvance)
{
    // line height 10, glyph 'A' at (0,0) before 1 width 4 after 2; 'B' listed twice, last wins.
    Font* font = makeFont("0 10 3\n65 0 0 1 4 2\n66 0 0 0 1 0\n66 4 0 -1 3 -1\n");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->nLineHeight, 10);
    EXPECT_EQ(font->nFrames, 3);
    EXPECT_EQ(font->nSpaceAdvance, 5);
    EXPECT_EQ(TextWidth(font, "   ", 0x0FFFFFFF), 15);
    EXPECT_EQ(TextWidth(font, "AB", 0x0FFFFFFF), 7 + 1);
    EXPECT_EQ(TextWidth(font, "AB", 1), 7);
    EXPECT_EQ(graphLoadFont("F.TGA"), font);

    struct Case {
        int style, band, yShift;
    };
    for (Case c : { Case { 0, 0, 0 }, Case { 1, 0, 0 }, Case { 2, 1, 0 }, Case { 3, 2, 1 } }) {
        Sprite* dest = heapSprite(20, 20, 0);
        DrawString(dest, font, 0, 0, "A", c.style, -1, -1);
        EXPECT_EQ(pixel(dest, 0, c.yShift), 0) << c.style;  // the blank before
        EXPECT_EQ(pixel(dest, 1, c.yShift), rgb565(c.band + 1, 0, 0)) << c.style;
        EXPECT_EQ(pixel(dest, 4, 9 + c.yShift), rgb565(c.band + 1, 0, 0)) << c.style;
        EXPECT_EQ(pixel(dest, 5, c.yShift), 0) << c.style;
    }
}

TEST_F(Fonts, AlignmentMovesThePen)
{
    Font* font = makeFont("0 10 1\n65 0 0 1 4 2\n");
    Sprite* dest = heapSprite(40, 40, 0);
    DrawString(dest, font, 20, 20, "A", 0, 1, 1);  // right and bottom: text spans x 13..20, y 10..20
    EXPECT_EQ(pixel(dest, 13, 10), 0);
    EXPECT_EQ(pixel(dest, 14, 10), rgb565(1, 0, 0));
    EXPECT_EQ(pixel(dest, 17, 19), rgb565(1, 0, 0));
    EXPECT_EQ(pixel(dest, 18, 19), 0);
    Sprite* centred = heapSprite(40, 40, 0);
    DrawString(centred, font, 20, 20, "A", 0, 0, 0);  // x - 3, y - 5
    EXPECT_EQ(pixel(centred, 18, 15), rgb565(1, 0, 0));
    EXPECT_EQ(pixel(centred, 17, 15), 0);
    EXPECT_EQ(pixel(centred, 18, 14), 0);
}

TEST_F(Fonts, UnlistedGlyphsAreSkippedButAdvance)
{
    Font* font = makeFont("0 10 1\n65 0 0 0 2 0\n");
    Sprite* dest = heapSprite(40, 10, 0);
    DrawString(dest, font, 0, 0, "ZA", 0, -1, -1);  // Z: default width 8, nothing drawn
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pixel(dest, x, 0), 0) << x;
    EXPECT_EQ(pixel(dest, 8, 0), rgb565(1, 0, 0));
}

TEST_F(Fonts, AFontWithoutMetricsOrWithLineHeightZeroHasSizeZero)
{
    for (const char* metrics : { "", "0 0 1 65 0 0 0 2 0", "garbage" }) {
        Font* font = makeFont(metrics);
        EXPECT_EQ(font->nLineHeight, 0) << metrics;
        EXPECT_EQ(TextWidth(font, "AAA", 0x0FFFFFFF), 0);
        Sprite* dest = heapSprite(10, 10, 0);
        DrawString(dest, font, 0, 0, "A", 0, -1, -1);
        EXPECT_EQ(pixel(dest, 0, 0), 0);
        graphDeleteFont(font);
        folder.write("f.fh", "");
    }
}

TEST_F(Fonts, StringMaskCopiesGlyphAlphaOnePixelLeft)
{
    Font* font = makeFont("0 10 1\n65 0 0 1 4 2\n");
    Sprite* dest = heapSprite(20, 10, 0, 0);
    DrawStringMask(dest, font, 0, 0, "A");
    EXPECT_EQ(dest->pAlpha[0], 255);  // x + before - 1 = 0
    EXPECT_EQ(dest->pAlpha[3], 255);
    EXPECT_EQ(dest->pAlpha[4], 0);
}

}  // namespace
