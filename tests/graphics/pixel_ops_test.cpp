#include "graphics/pixel_ops.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The channel-by-channel forms, written as plainly as possible.
std::uint16_t literalBlend(const PixelFormat& f, std::uint32_t d, std::uint32_t s, int a)
{
    std::uint32_t out = 0;
    for (std::uint32_t m : { f.redMask, f.greenMask, f.blueMask }) {
        const std::int32_t dc = static_cast<std::int32_t>(d & m), sc = static_cast<std::int32_t>(s & m);
        out |= static_cast<std::uint32_t>(dc + (((sc - dc) * a) >> 8)) & m;
    }
    return static_cast<std::uint16_t>(out);
}

std::uint16_t literalAdd(const PixelFormat& f, std::uint32_t d, std::uint32_t s)
{
    std::uint32_t out = 0;
    for (std::uint32_t m : { f.redMask, f.greenMask, f.blueMask }) {
        std::uint32_t sum = (s & m) + (d & m);
        out |= sum > m ? m : sum;
    }
    return static_cast<std::uint16_t>(out);
}

std::uint16_t literalDarken(const PixelFormat& f, std::uint32_t p, int amount)
{
    std::uint32_t out = 0;
    for (std::uint32_t m : { f.redMask, f.greenMask, f.blueMask })
        out |= (((p & m) * (255 - static_cast<std::uint32_t>(amount))) >> 8) & m;
    return static_cast<std::uint16_t>(out);
}

TEST(PixelOps, LaneArithmeticEqualsTheChannelByChannelFormsIn565And555)
{
    std::mt19937 random(7);
    for (const PixelFormat& f : { kPixelFormats[0], kPixelFormats[1] }) {
        const PixelOps ops(f);
        for (int i = 0; i < 200000; ++i) {
            const std::uint32_t d = random() & 0xFFFF, s = random() & 0xFFFF;
            const int a = static_cast<int>(random() % 256);
            ASSERT_EQ(ops.blend(d, s, static_cast<std::uint32_t>(a)), literalBlend(f, d, s, a)) << d << " " << s << " " << a;
            ASSERT_EQ(ops.add(d, s), literalAdd(f, d, s));
            std::uint16_t p = static_cast<std::uint16_t>(d);
            ops.darkenRow(&p, 1, 255 - static_cast<std::uint32_t>(a));
            ASSERT_EQ(p, literalDarken(f, d, a));
        }
    }
}

}  // namespace
