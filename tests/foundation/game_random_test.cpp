#include "foundation/game_random.h"

#include <gtest/gtest.h>

TEST(GameRandom, StepsFromTheStartState)
{
    GameRandom random;
    // 125423 * 214013 + 2531011 = 26844280110 -> mod 2^32 = 1154410030 (0x44CF2E2E)
    std::uint32_t expected = 125423u * 214013u + 2531011u;
    int draw = random.nextUnsigned();
    EXPECT_EQ(random.state(), expected);
    EXPECT_EQ(draw, static_cast<int>((expected >> 16) & 0x7fff));
}

TEST(GameRandom, SignedDrawKeepsTheTopBit)
{
    // A state whose next upper half is 0xFFFF reads as -1 signed and 32767 unsigned.
    for (std::uint32_t s = 0; s < 200000; ++s) {
        GameRandom a(s), b(s);
        int u = a.nextUnsigned();
        int v = b.nextSigned();
        ASSERT_EQ(u, v & 0x7fff);
        ASSERT_GE(v, -32768);
        ASSERT_LE(v, 32767);
    }
}
