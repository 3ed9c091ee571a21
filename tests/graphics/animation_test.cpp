#include "graphics/avi_image.h"
#include "graphics/cursor_file.h"
#include "graphics/tva_image.h"
#include "graphics_fixture.h"

#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

Bytes chunk(const char* id, const Bytes& body)
{
    Bytes out(id, id + 4);
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1)
        out.push_back(0);
    return out;
}

Bytes list(const char* kind, const char* type, const Bytes& body)
{
    Bytes inner(type, type + 4);
    inner.insert(inner.end(), body.begin(), body.end());
    return chunk(kind, inner);
}

// An AVI of 24-bit 2 x 1 frames at 10 frames a second; frame k's pixels have red = 50 k.
Bytes aviFile(int frames, std::uint32_t compression = 0)
{
    Bytes strh(56, 0);
    std::memcpy(strh.data(), "vids", 4);
    strh[20] = 1;   // scale
    strh[24] = 10;  // rate
    strh[32] = static_cast<unsigned char>(frames);
    strh[52] = 2;  // frame rectangle right
    strh[54] = 1;  // bottom
    Bytes strf(40, 0);
    strf[0] = 40;
    strf[4] = 2;
    strf[8] = 1;
    strf[14] = 24;
    strf[16] = static_cast<unsigned char>(compression);
    Bytes movi;
    for (int k = 0; k < frames; ++k) {
        const unsigned char red = static_cast<unsigned char>(50 * k);
        const Bytes body = { 0, 0, red, 0, 0, red, 0, 0 };  // rows padded to 4 bytes
        const Bytes c = chunk("00db", body);
        movi.insert(movi.end(), c.begin(), c.end());
    }
    Bytes hdrl = chunk("avih", Bytes(56, 0));
    const Bytes strl = list("LIST", "strl", [&] {
        Bytes b = chunk("strh", strh);
        const Bytes f = chunk("strf", strf);
        b.insert(b.end(), f.begin(), f.end());
        return b;
    }());
    hdrl.insert(hdrl.end(), strl.begin(), strl.end());
    Bytes body = list("LIST", "hdrl", hdrl);
    const Bytes m = list("LIST", "movi", movi);
    body.insert(body.end(), m.begin(), m.end());
    return list("RIFF", "AVI ", body);
}

using Animations = GraphicsTest;

TEST_F(Animations, TvaFramesLoadIntoStoredFramesAndBottomUpFramesAreTurned)
{
    TempFolder folder;
    // 2 stored frames of 1 x 2, bottom-up: each frame lists its bottom row first.
    const Bytes pixels = { 255, 0, 0, 0, 0, 255, /* frame 1 */ 0, 255, 0, 255, 255, 255 };
    folder.writeBytes("clip.tva", tvaFile(40, 2, 1, 2, 24, false, pixels));
    Sprite* sprite = graphLoadSprite("clip.tva", nullptr, 0);
    ASSERT_EQ(sprite->nWidth, 1);
    ASSERT_EQ(sprite->nHeight, 2);
    EXPECT_EQ(sprite->nStored, 2);
    EXPECT_EQ(sprite->nFrames, 40);
    EXPECT_EQ(pixel(sprite, 0, 0), rgb565(31, 0, 0));  // frame 0 top
    EXPECT_EQ(pixel(sprite, 0, 1), rgb565(0, 0, 31));  // frame 0 bottom
    EXPECT_EQ(pixel(sprite, 0, 2), 0xFFFF);
    EXPECT_EQ(pixel(sprite, 0, 3), rgb565(0, 63, 0));
    EXPECT_EQ(sprite->storedFrame(20), 1);
}

TEST_F(Animations, DamagedTvaIsReportedAndConvertsOnlyWhatIsThere)
{
    TvaImage short_;
    EXPECT_EQ(short_.Decode(tvaFile(1, 4, 2, 2, 24, true, Bytes(5, 255))), 1);
    EXPECT_EQ(short_.storedFrames, 4);
    std::uint16_t out[4] = {};
    short_.GetFrame(reinterpret_cast<std::uint8_t*>(out), 3, 2, 4, 5, 6, 5, 0, 11, 5, 0, 0, 2, 2);
    TvaImage lying;
    EXPECT_EQ(lying.Decode(tvaFile(1, -3, 2, 2, 24, true, {})), 1);
    EXPECT_EQ(lying.width, 0);
    TvaImage bits;
    EXPECT_EQ(bits.Decode(tvaFile(1, 1, 1, 1, 16, true, { 1, 2 })), 1);
    EXPECT_EQ(bits.width, 0);
}

TEST_F(Animations, AviReportsMillisecondsAndPicksTheFrameForATime)
{
    AviImage avi;
    ASSERT_EQ(avi.Decode(aviFile(3)), 0);
    EXPECT_EQ(avi.width, 2);
    EXPECT_EQ(avi.height, 1);
    EXPECT_EQ(avi.storedFrames, 3);
    EXPECT_EQ(avi.totalFrames, 300);
    for (auto [time, red] : { std::pair { 0, 0 }, std::pair { 150, 50 }, std::pair { 299, 100 }, std::pair { 300, 0 } }) {
        std::uint32_t out[2] = {};
        ASSERT_EQ(avi.GetFrame(reinterpret_cast<std::uint8_t*>(out), time, 4, 8, 8, 8, 8, 0, 16, 8, 0, 0, 2, 1), 0);
        EXPECT_EQ(out[1] >> 16, static_cast<std::uint32_t>(red)) << time;
    }
}

TEST_F(Animations, CompressedOrBrokenAviGivesNoPixels)
{
    AviImage compressed;
    compressed.Decode(aviFile(2, 1));
    std::uint32_t out[2] = {};
    EXPECT_NE(compressed.GetFrame(reinterpret_cast<std::uint8_t*>(out), 0, 4, 8, 8, 8, 8, 0, 16, 8, 0, 0, 2, 1), 0);
    Bytes file = aviFile(2);
    for (std::size_t keep : { std::size_t { 0 }, std::size_t { 12 }, file.size() / 2, file.size() - 3 }) {
        AviImage cut;
        cut.Decode(Bytes(file.begin(), file.begin() + static_cast<long>(keep)));
        cut.GetFrame(reinterpret_cast<std::uint8_t*>(out), 100, 4, 8, 8, 8, 8, 0, 16, 8, 0, 0, 2, 1);
    }
}

TEST(CursorFile, ReadsTheHotSpotColoursAndMask)
{
    // One 2 x 2 image, 24 bits: bottom row white, top row red; the mask hides the top-right pixel.
    Bytes image(40, 0);
    image[0] = 40;
    image[4] = 2;
    image[8] = 4;  // colour and mask
    image[12] = 1;
    image[14] = 24;
    const Bytes rows = { 255, 255, 255, 255, 255, 255, 0, 0, /* top */ 0, 0, 255, 0, 0, 255, 0, 0 };
    image.insert(image.end(), rows.begin(), rows.end());
    const Bytes mask = { 0x00, 0, 0, 0, 0x40, 0, 0, 0 };  // bottom row, top row
    image.insert(image.end(), mask.begin(), mask.end());
    Bytes file = { 0, 0, 2, 0, 1, 0, 2, 2, 0, 0, 1, 0, 1, 0 };
    put32(file, static_cast<std::uint32_t>(image.size()));
    put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    CursorImage cursor;
    ASSERT_TRUE(parseCursorFile(file, cursor));
    EXPECT_EQ(cursor.width, 2);
    EXPECT_EQ(cursor.height, 2);
    EXPECT_EQ(cursor.hotX, 1);
    EXPECT_EQ(cursor.hotY, 1);
    EXPECT_EQ(cursor.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(cursor.pixels[1], 0u);
    EXPECT_EQ(cursor.pixels[2], 0xFFFFFFFFu);
    for (std::size_t keep = 0; keep < file.size(); ++keep)
        EXPECT_FALSE(parseCursorFile(std::span(file.data(), keep), cursor)) << keep;
}

}  // namespace
