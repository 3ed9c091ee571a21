#include "graphics/angle_tables.h"
#include "graphics/rotate.h"
#include "graphics_fixture.h"

#include <numbers>

namespace {

class Rotation : public GraphicsTest {
protected:
    void SetUp() override
    {
        GraphicsTest::SetUp();
        fillAngleTables();
    }
    // A 4 x 4 texture whose texel (i, j) is 1 + i + 4 j.
    Sprite* numbered(int w = 4, int h = 4)
    {
        Sprite* source = heapSprite(w, h, 0);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                setPixel(source, i, j, static_cast<std::uint16_t>(1 + i + w * j));
        return source;
    }
    static std::vector<std::uint16_t> picture(Sprite* s)
    {
        std::vector<std::uint16_t> all;
        for (int y = 0; y < s->nHeight; ++y)
            for (int x = 0; x < s->nWidth; ++x)
                all.push_back(pixel(s, x, y));
        return all;
    }
};

TEST_F(Rotation, AngleZeroDrawsTheSpriteUnrotatedAroundItsCentre)
{
    Sprite* source = numbered();
    Sprite* dest = heapSprite(20, 20, 0);
    DrawRotated(dest, 10, 10, source, 0.0f);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pixel(dest, 8 + i, 8 + j), 1 + i + 4 * j) << i << "," << j;
    EXPECT_EQ(pixel(dest, 7, 8), 0);
    EXPECT_EQ(pixel(dest, 12, 8), 0);
    EXPECT_EQ(pixel(dest, 8, 12), 0);
}

TEST_F(Rotation, AQuarterTurnIsClockwiseOnScreen)
{
    Sprite* source = numbered();
    Sprite* dest = heapSprite(20, 20, 0);
    DrawRotated(dest, 10, 10, source, std::numbers::pi_v<float> / 2);
    // The left column of texels (1, 5, 9, 13 downwards) becomes the top row,
    // read right to left; the top row (1, 2, 3, 4) runs down the right side.
    // The half-texel offset works in texture space, so the turned picture
    // sits one pixel left of the unturned one.
    const std::uint16_t topRow[4] = { 13, 9, 5, 1 };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pixel(dest, 9 + i, 8), topRow[i]) << i;
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(pixel(dest, 10, 8 + j), 9 + j) << j;
}

TEST_F(Rotation, WholeTurnsAndNegativeAnglesMeetTheSameTableEntries)
{
    Sprite* source = numbered();
    auto drawn = [&](float angle) {
        Sprite* dest = heapSprite(20, 20, 0);
        DrawRotated(dest, 10, 10, source, angle);
        return picture(dest);
    };
    const float pi = std::numbers::pi_v<float>;
    EXPECT_EQ(drawn(0.3f), drawn(0.3f + 2 * pi));
    EXPECT_EQ(drawn(-pi / 2), drawn(3 * pi / 2));
}

TEST_F(Rotation, TheOtherWindingDrawsNothingAndBlackTexelsAreSkipped)
{
    Sprite* source = numbered();
    setPixel(source, 1, 1, 0);
    Sprite* dest = heapSprite(20, 20, 0x7777);
    DrawTriangle(dest, 0x02000000, OP_ALPHA, source, 0, 0, 4, 4, 4, 0, 0, 0, 1, 1, 1, 0, 0);
    EXPECT_EQ(picture(dest), std::vector<std::uint16_t>(400, 0x7777));
    DrawRotated(dest, 10, 10, source, 0.0f);
    EXPECT_EQ(pixel(dest, 9, 9), 0x7777);
    EXPECT_EQ(pixel(dest, 8, 8), 1);
}

TEST_F(Rotation, TextModeBlendsWithThresholds8And248)
{
    struct Case {
        int alpha;
        std::uint16_t expected;
    };
    const std::uint16_t d = rgb565(31, 0, 0), s = rgb565(0, 0, 31);
    for (Case c : { Case { 7, d }, Case { 8, rgb565(30, 0, 0) }, Case { 248, s } }) {
        Sprite* source = heapSprite(4, 4, s, c.alpha);
        Sprite* dest = heapSprite(8, 8, d);
        DrawTriangle(dest, 0x02000000, OP_TEXT, source, 0, 0, 4, 0, 4, 4, 0, 0, 1, 0, 1, 1, 0);
        EXPECT_EQ(pixel(dest, 2, 1), c.expected) << c.alpha;
    }
}

TEST_F(Rotation, SidesThatAreNotPowersOfTwoStayInsideTheImage)
{
    Sprite* source = numbered(5, 3);
    Sprite* dest = heapSprite(30, 30, 0);
    for (float angle = 0; angle < 6.3f; angle += 0.1f)
        DrawRotated(dest, 15, 15, source, angle);
    DrawRotated(dest, 15, 15, source, 0.0f);
    EXPECT_EQ(pixel(dest, 13, 14), 1);  // top-left texel at (15 - 2, 15 - 1)
    for (std::uint16_t p : picture(dest))
        EXPECT_LE(p, 15);
}

}  // namespace
