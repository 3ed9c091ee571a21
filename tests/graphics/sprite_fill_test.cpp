#include "graphics_fixture.h"

namespace {

using SpriteFill = GraphicsTest;

TEST_F(SpriteFill, AlphaByteZeroAndFrom240FillOpaqueBetweenBlends)
{
    struct Case {
        std::uint32_t color;
        std::uint16_t expected;
    };
    // Over blue 31: red 31 at 128/256 gives red (31<<11)*128>>8 -> 15, blue 31*127>>8 -> 15.
    const Case cases[] = {
        { 0x00FF0000, rgb565(31, 0, 0) },
        { 0xF0FF0000, rgb565(31, 0, 0) },
        { 0x80FF0000, rgb565(15, 0, 15) },
    };
    for (const Case& c : cases) {
        Sprite* sprite = surfaceSprite(4, 4, rgb565(0, 0, 31));
        sprite->FillRect(1, 1, 3, 3, c.color);
        EXPECT_EQ(pixel(sprite, 1, 1), c.expected) << std::hex << c.color;
        EXPECT_EQ(pixel(sprite, 2, 2), c.expected);
        EXPECT_EQ(pixel(sprite, 0, 0), rgb565(0, 0, 31));
        EXPECT_EQ(pixel(sprite, 3, 3), rgb565(0, 0, 31));
    }
}

TEST_F(SpriteFill, FillIsClampedToTheClip)
{
    Sprite* sprite = heapSprite(4, 4, 0);
    sprite->rcClip = { 1, 1, 3, 3 };
    sprite->FillRect(-100, -100, 100, 100, 0xFFFFFFFF);
    EXPECT_EQ(pixel(sprite, 0, 0), 0);
    EXPECT_EQ(pixel(sprite, 1, 1), 0xFFFF);
    EXPECT_EQ(pixel(sprite, 2, 2), 0xFFFF);
    EXPECT_EQ(pixel(sprite, 3, 3), 0);
}

TEST_F(SpriteFill, DarkenDoesNothingTo15MultipliesBelow240AndBlacksOutAbove)
{
    const std::uint16_t start = rgb565(31, 63, 31);
    struct Case {
        int amount;
        std::uint16_t expected;
    };
    const Case cases[] = { { 15, start }, { 128, rgb565(15, 31, 15) }, { 240, 0 }, { 255, 0 } };
    for (const Case& c : cases) {
        Sprite* sprite = surfaceSprite(2, 2, start);
        sprite->Darken(0, 0, 2, 2, c.amount);
        EXPECT_EQ(pixel(sprite, 1, 1), c.expected) << c.amount;
    }
}

}  // namespace
