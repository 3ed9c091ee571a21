#include "graphics/blit_rows.h"
#include "graphics/pixel_ops.h"
#include "graphics_fixture.h"

#include <random>

namespace {

// Alpha bytes around the thresholds as often as anywhere else.
std::uint8_t randomAlpha(std::mt19937& random)
{
    constexpr std::uint8_t kEdges[] = { 0, 15, 16, 17, 128, 238, 239, 240, 241, 255 };
    return random() % 2 ? kEdges[random() % std::size(kEdges)] : static_cast<std::uint8_t>(random());
}

std::uint16_t randomPixel(std::mt19937& random)
{
    constexpr std::uint16_t kEdges[] = { 0, 0xFFFF, 0x0821, 0xF800, 0x07E0, 0x001F, 0x7FFF };
    return random() % 4 == 0 ? kEdges[random() % std::size(kEdges)] : static_cast<std::uint16_t>(random());
}

TEST(BlitRows, EverySetMatchesTheScalarReferenceOnRandomRows)
{
    std::mt19937 random(11);
    const BlitRows& reference = scalarBlitRows();
    constexpr int kSize = 200;
    for (const PixelFormat& format : { kPixelFormats[0], kPixelFormats[1] })
        for (const BlitRows& rows : blitRowSets())
            for (int trial = 0; trial < 3000; ++trial) {
                std::vector<std::uint16_t> dest(kSize), source(kSize);
                std::vector<std::uint8_t> alpha(kSize);
                for (int i = 0; i < kSize; ++i) {
                    dest[i] = randomPixel(random);
                    source[i] = randomPixel(random);
                    alpha[i] = randomAlpha(random);
                }
                // Odd lengths and starts on every alignment, each buffer its own.
                const int count = static_cast<int>(random() % 120), out = static_cast<int>(random() % 40),
                          in = static_cast<int>(random() % 40), mask = static_cast<int>(random() % 40);
                std::vector<std::uint16_t> expected = dest, actual = dest;
                const bool add = trial % 2;
                if (add) {
                    reference.add(expected.data() + out, source.data() + in, count, format);
                    rows.add(actual.data() + out, source.data() + in, count, format);
                } else {
                    reference.alpha(expected.data() + out, source.data() + in, alpha.data() + mask, count, format);
                    rows.alpha(actual.data() + out, source.data() + in, alpha.data() + mask, count, format);
                }
                ASSERT_EQ(actual, expected) << rows.name << (add ? " add" : " alpha") << " bits " << int(format.greenBits)
                                            << " count " << count << " at " << out << "/" << in << "/" << mask;
            }
}

class BlitRowSets : public GraphicsTest {
protected:
    void TearDown() override
    {
        chooseBlitRows(blitRowSets().back());
        GraphicsTest::TearDown();
    }
    static void randomize(Sprite* sprite, std::mt19937& random)
    {
        sprite->Lock();
        for (int y = 0; y < sprite->storedRows(); ++y)
            for (int x = 0; x < sprite->nWidth; ++x)
                sprite->row(y)[x] = randomPixel(random);
        if (sprite->pAlpha)
            for (std::size_t i = 0; i < sprite->pixelCount(); ++i)
                sprite->pAlpha[i] = randomAlpha(random);
    }
    static std::vector<std::uint16_t> pixels(Sprite* sprite)
    {
        sprite->Lock();
        std::vector<std::uint16_t> out;
        for (int y = 0; y < sprite->storedRows(); ++y)
            out.insert(out.end(), sprite->row(y), sprite->row(y) + sprite->nWidth);
        return out;
    }
};

TEST_F(BlitRowSets, BlitsThroughEverySetMatchTheScalarReference)
{
    std::mt19937 random(5);
    const std::uint32_t kOps[] = { OP_ALPHA, OP_TEXT, OP_ADD, 0 };
    for (int trial = 0; trial < 400; ++trial) {
        const int w = 1 + static_cast<int>(random() % 70), h = 1 + static_cast<int>(random() % 30);
        Sprite* source = heapSprite(w, h, 0, 0);
        Sprite* dest = heapSprite(90, 60, 0);
        randomize(source, random);
        randomize(dest, random);
        dest->rcClip = { static_cast<std::int16_t>(random() % 30), static_cast<std::int16_t>(random() % 20),
                         static_cast<std::int16_t>(40 + random() % 51), static_cast<std::int16_t>(30 + random() % 31) };
        const bool scaled = trial % 2;
        const int dx = static_cast<int>(random() % 120) - 40, dy = static_cast<int>(random() % 80) - 20;
        const int dw = scaled ? 1 + static_cast<int>(random() % 130) : w, dh = scaled ? 1 + static_cast<int>(random() % 70) : h;
        const int sx = static_cast<int>(random() % 5) - 2, sy = static_cast<int>(random() % 5) - 2;
        const std::uint32_t ops = kOps[random() % std::size(kOps)];
        const std::vector<std::uint16_t> before = pixels(dest);
        std::vector<std::uint16_t> expected;
        for (const BlitRows& rows : blitRowSets()) {
            std::copy(before.begin(), before.end(), dest->row(0));  // heap rows lie one after the other
            chooseBlitRows(rows);
            spriteBlit(dest, dx, dy, dw, dh, source, sx, sy, w, h, 0, ops);
            if (expected.empty())
                expected = pixels(dest);
            else
                ASSERT_EQ(pixels(dest), expected) << rows.name << " trial " << trial;
        }
        graphDeleteSprite(source);
        graphDeleteSprite(dest);
    }
}

// Drawn onto itself to the right, each pixel reads the one the row has
// just written: the pixels smear as they do one after the other.
TEST_F(BlitRowSets, ASpriteDrawnOntoItselfReadsWhatTheRowHasJustWritten)
{
    std::mt19937 random(3);
    const PixelOps ops(ScreenFormat);
    for (const BlitRows& rows : blitRowSets()) {
        chooseBlitRows(rows);
        for (std::uint32_t op : { OP_ALPHA, OP_ADD }) {
            Sprite* sprite = heapSprite(64, 1, 0, 0);
            randomize(sprite, random);
            std::vector<std::uint16_t> expected = pixels(sprite);
            const std::vector<std::uint8_t> alpha(sprite->pAlpha.get(), sprite->pAlpha.get() + 64);
            for (int x = 3; x < 64; ++x) {
                const std::uint16_t s = expected[x - 3];
                const int a = alpha[x - 3];
                if (op == OP_ADD)
                    expected[x] = ops.add(expected[x], s);
                else if (a >= 240)
                    expected[x] = s;
                else if (a >= 16)
                    expected[x] = ops.blend(expected[x], s, static_cast<std::uint32_t>(a));
            }
            sprite->Draw(3, 0, sprite, op, 0);
            EXPECT_EQ(pixels(sprite), expected) << rows.name << " " << std::hex << op;
        }
    }
}

}  // namespace
