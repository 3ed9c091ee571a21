#include "graphics_fixture.h"

namespace {

using SpriteBlit = GraphicsTest;

TEST_F(SpriteBlit, AlphaMapThresholdsAndBlend)
{
    const std::uint16_t d = rgb565(31, 0, 0), s = rgb565(0, 0, 31);
    struct Case {
        int alpha;
        std::uint16_t expected;
    };
    // a 128: red 31 -> 31*2048 + (-31*2048*128 >> 8) = 15.5 units, masked to 15; blue 31*128>>8 = 15.
    const Case cases[] = { { 15, d }, { 16, rgb565(29, 0, 1) }, { 128, rgb565(15, 0, 15) }, { 239, rgb565(2, 0, 28) },
                           { 240, s } };
    for (const Case& c : cases) {
        Sprite* dest = heapSprite(2, 1, d);
        Sprite* source = heapSprite(2, 1, s, c.alpha);
        dest->Draw(0, 0, source, OP_ALPHA, 0);
        EXPECT_EQ(pixel(dest, 1, 0), c.expected) << c.alpha;
    }
}

TEST_F(SpriteBlit, AllThreeAlphaFlagsChooseTheAlphaMap)
{
    for (std::uint32_t op : { OP_MASK, OP_ALPHA, OP_TEXT, OP_ALPHA | OP_ADD }) {
        Sprite* dest = heapSprite(1, 1, rgb565(31, 0, 0));
        Sprite* source = heapSprite(1, 1, rgb565(0, 0, 31), 0);
        dest->Draw(0, 0, source, op, 0);
        EXPECT_EQ(pixel(dest, 0, 0), rgb565(31, 0, 0)) << std::hex << op;
    }
}

TEST_F(SpriteBlit, AdditiveSaturatesPerChannelAndBlackLeavesTheDestination)
{
    Sprite* dest = heapSprite(3, 1, rgb565(20, 40, 10));
    Sprite* source = heapSprite(3, 1, rgb565(20, 10, 5));
    setPixel(source, 1, 0, 0xFFFF);
    setPixel(source, 2, 0, 0);
    dest->Draw(0, 0, source, OP_ADD, 0);
    EXPECT_EQ(pixel(dest, 0, 0), rgb565(31, 50, 15));
    EXPECT_EQ(pixel(dest, 1, 0), 0xFFFF);
    EXPECT_EQ(pixel(dest, 2, 0), rgb565(20, 40, 10));
}

TEST_F(SpriteBlit, ColourKeySkipsBlackOnlyOnTheSurfacePath)
{
    Sprite* keyed = surfaceSprite(2, 1, 0x1234);
    setPixel(keyed, 0, 0, 0);
    keyed->bMask = 1;
    Sprite* dest = surfaceSprite(2, 1, 0xFFFF);
    dest->Draw(0, 0, keyed, 0, 0);
    EXPECT_EQ(pixel(dest, 0, 0), 0xFFFF);
    EXPECT_EQ(pixel(dest, 1, 0), 0x1234);

    Sprite* heap = heapSprite(2, 1, 0xFFFF);
    heap->Draw(0, 0, keyed, 0, 0);  // copy path: black is drawn
    EXPECT_EQ(pixel(heap, 0, 0), 0);
}

TEST_F(SpriteBlit, ClippingAScaledBlitSkipsTheMatchingSourceColumns)
{
    Sprite* source = heapSprite(100, 1, 0);
    for (int x = 0; x < 100; ++x)
        setPixel(source, x, 0, static_cast<std::uint16_t>(x + 1));
    Sprite* dest = heapSprite(200, 1, 0);
    dest->rcClip.left = 50;
    dest->DrawStretch(0, 0, 200, 1, source, 0, 0, 100, 1, 0, 0);
    EXPECT_EQ(pixel(dest, 49, 0), 0);
    EXPECT_EQ(pixel(dest, 50, 0), 26);  // source column 25
    EXPECT_EQ(pixel(dest, 51, 0), 26);
    EXPECT_EQ(pixel(dest, 52, 0), 27);
    EXPECT_EQ(pixel(dest, 199, 0), 100);
}

TEST_F(SpriteBlit, StretchOnTheSurfacePathScalesToo)
{
    Sprite* source = surfaceSprite(2, 2, 0);
    setPixel(source, 1, 1, 7);
    Sprite* dest = surfaceSprite(4, 4, 1);
    dest->DrawStretch(0, 0, 4, 4, source, 0, 0, 2, 2, 0, 0);
    EXPECT_EQ(pixel(dest, 0, 0), 0);
    EXPECT_EQ(pixel(dest, 2, 2), 7);
    EXPECT_EQ(pixel(dest, 3, 3), 7);
    EXPECT_EQ(pixel(dest, 1, 3), 0);
}

TEST_F(SpriteBlit, LogicalFramesPickStoredFramesInProportion)
{
    Sprite* source = heapSprite(1, 1, 0);
    source->nStored = 4;
    source->nFrames = 8;
    source->makeHeapPixels();
    for (int i = 0; i < 4; ++i)
        setPixel(source, 0, i, static_cast<std::uint16_t>(100 + i));
    struct Case {
        int frame, stored;
    };
    for (Case c : { Case { 0, 0 }, Case { 4, 2 }, Case { 5, 2 }, Case { 7, 3 }, Case { 8, 0 }, Case { -1, 3 } }) {
        EXPECT_EQ(source->storedFrame(c.frame), c.stored) << c.frame;
        Sprite* dest = heapSprite(1, 1, 0);
        dest->Draw(0, 0, source, 0, c.frame);
        EXPECT_EQ(pixel(dest, 0, 0), 100 + c.stored) << c.frame;
    }
    source->nStored = 10;
    source->nFrames = 1000;
    EXPECT_EQ(source->storedFrame(150), 1);
    EXPECT_EQ(source->storedFrame(1000), 0);
}

TEST_F(SpriteBlit, ASourceRectangleOutsideTheSourceReadsNothingOutside)
{
    Sprite* source = heapSprite(4, 4, 5);
    Sprite* dest = heapSprite(8, 8, 1);
    dest->DrawPart(0, 0, 8, 8, source, 2, 2, 0, 0);
    EXPECT_EQ(pixel(dest, 0, 0), 5);
    EXPECT_EQ(pixel(dest, 1, 1), 5);
    EXPECT_EQ(pixel(dest, 2, 2), 1);
}

TEST_F(SpriteBlit, FadedDrawMultipliesTheAlphaMap)
{
    Sprite* source = heapSprite(1, 1, rgb565(0, 0, 31), 255);
    Sprite* dest = heapSprite(1, 1, rgb565(31, 0, 0));
    dest->DrawFaded(0, 0, source, 15, 0);
    EXPECT_EQ(pixel(dest, 0, 0), rgb565(31, 0, 0));
    dest->DrawFaded(0, 0, source, 129, 0);  // k = 255*129>>8 = 128
    EXPECT_EQ(pixel(dest, 0, 0), rgb565(15, 0, 15));
}

TEST_F(SpriteBlit, LinesLeaveOutTheirEndPoint)
{
    Sprite* dest = surfaceSprite(5, 5, 0);
    dest->Line(0, 0, 4, 0, 0x0000FF);  // COLORREF red
    EXPECT_EQ(pixel(dest, 0, 0), rgb565(31, 0, 0));
    EXPECT_EQ(pixel(dest, 3, 0), rgb565(31, 0, 0));
    EXPECT_EQ(pixel(dest, 4, 0), 0);
    dest->Line(0, 0, 3, 3, 0xFF0000);  // blue diagonal
    EXPECT_EQ(pixel(dest, 2, 2), rgb565(0, 0, 31));
    EXPECT_EQ(pixel(dest, 3, 3), 0);
}

TEST_F(SpriteBlit, CopyPartWithAlphaCopiesTheAlphaBytes)
{
    Sprite* source = heapSprite(4, 4, 9, 200);
    source->pAlpha[1 * 4 + 1] = 250;
    Sprite* dest = heapSprite(4, 4, 0, 0);
    dest->CopyPartWithAlpha(2, 2, source, 1, 1, 2, 2);
    EXPECT_EQ(dest->pAlpha[2 * 4 + 2], 250);
    EXPECT_EQ(dest->pAlpha[3 * 4 + 3], 200);
    EXPECT_EQ(dest->pAlpha[0], 0);
    EXPECT_EQ(pixel(dest, 2, 2), 9);
    dest->CopyPartWithAlpha(3, 3, source, 0, 0, 4, 4);  // runs off the map: clipped, no overrun
    EXPECT_EQ(dest->pAlpha[3 * 4 + 3], 200);
}

}  // namespace
