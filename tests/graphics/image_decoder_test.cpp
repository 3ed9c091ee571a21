#include "graphics/image_file.h"
#include "graphics/jpeg_image.h"
#include "graphics/tga_image.h"
#include "graphics_fixture.h"
#include "image_builders.h"
#include "platform/message_box.h"

#include <cstdio>
#include <string>

extern "C" {
#include <jpeglib.h>
}

std::vector<unsigned char> jpegFile(int width, int height, int components, const unsigned char* colour)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * components);
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < components; ++c)
            row[x * components + c] = colour[c];
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<unsigned char> file(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return file;
}

namespace {

class ImageLoading : public GraphicsTest {
protected:
    void SetUp() override
    {
        GraphicsTest::SetUp();
        platform::setMessageBoxObserver(
            [this](const std::string& text, const std::string& caption) { boxes.push_back(caption + ":" + text); });
    }
    void TearDown() override
    {
        platform::setMessageBoxObserver(nullptr);
        GraphicsTest::TearDown();
    }
    TempFolder folder;
    std::vector<std::string> boxes;
};

TEST(ImageChoice, DecoderIsChosenByTheFirstPatternFoundAnyCase)
{
    EXPECT_NE(dynamic_cast<TgaImage*>(imageCreateByName("DATA\\X.TGA").get()), nullptr);
    EXPECT_NE(dynamic_cast<TgaImage*>(imageCreateByName("a.jpg.tga").get()), nullptr);
    EXPECT_NE(dynamic_cast<TgaImage*>(imageCreateByName("a.tga.jpg").get()), nullptr);
    EXPECT_NE(dynamic_cast<JpegImage*>(imageCreateByName("Pic.JpG").get()), nullptr);
    EXPECT_EQ(imageCreateByName("a.jpeg"), nullptr);
    EXPECT_EQ(imageCreateByName("a.png"), nullptr);
}

TEST_F(ImageLoading, BottomUpAndTopDown24BitTgaGiveTheSameSpriteIn565)
{
    // Rows top to bottom: (255,128,7) and (0,0,255); bytes blue, green, red.
    const std::vector<unsigned char> top = { 7, 128, 255 }, bottom = { 255, 0, 0 };
    std::vector<unsigned char> topDown = top, bottomUp = bottom;
    topDown.insert(topDown.end(), bottom.begin(), bottom.end());
    bottomUp.insert(bottomUp.end(), top.begin(), top.end());
    folder.writeBytes("a.tga", tgaFile(1, 2, 24, true, topDown));
    folder.writeBytes("b.tga", tgaFile(1, 2, 24, false, bottomUp));
    for (const char* name : { "a.tga", "b.tga" }) {
        Sprite* sprite = graphLoadSprite(name, nullptr, 0);
        ASSERT_EQ(sprite->nWidth, 1) << name;
        ASSERT_EQ(sprite->nHeight, 2);
        EXPECT_EQ(pixel(sprite, 0, 0), rgb565(31, 32, 0)) << name;
        EXPECT_EQ(pixel(sprite, 0, 1), rgb565(0, 0, 31));
        EXPECT_EQ(sprite->pAlpha, nullptr);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ImageLoading, The555FormatNarrowsGreenToFiveBits)
{
    graphClose();
    ScreenFormat = kPixelFormats[1];
    TgaImage image;
    image.Decode(tgaFile(1, 1, 24, true, { 7, 128, 255 }));
    std::uint16_t out = 0;
    image.GetFrame(reinterpret_cast<std::uint8_t*>(&out), 0, 2, 2, 5, 5, 5, 0, 10, 5, 0, 0, 1, 1);
    EXPECT_EQ(out, (31 << 10) | (16 << 5));
    ScreenFormat = kPixelFormats[0];
    graphInit(800, 600, 16, 0, nullptr);
}

TEST_F(ImageLoading, EightBitTgaUsesItsColourMapOrAGreyRamp)
{
    folder.writeBytes("grey.tga", tgaFile(2, 1, 8, true, { 0, 255 }));
    folder.writeBytes("mapped.tga", tgaFile(2, 1, 8, true, { 0, 1 }, true, { 0, 0, 0, 255, 0, 0 }));
    Sprite* grey = graphLoadSprite("grey.tga", nullptr, 0);
    EXPECT_EQ(pixel(grey, 0, 0), 0);
    EXPECT_EQ(pixel(grey, 1, 0), 0xFFFF);
    EXPECT_EQ(grey->bMask, 1u);  // has black pixels
    Sprite* mapped = graphLoadSprite("mapped.tga", nullptr, 0);
    EXPECT_EQ(pixel(mapped, 1, 0), rgb565(0, 0, 31));
}

TEST_F(ImageLoading, SixteenBitTgaIs555)
{
    const std::uint16_t red555 = 31 << 10;
    folder.writeBytes("p.tga", tgaFile(1, 1, 16, true, { red555 & 0xFF, red555 >> 8 }));
    EXPECT_EQ(pixel(graphLoadSprite("p.tga", nullptr, 0), 0, 0), rgb565(31, 0, 0));
}

TEST_F(ImageLoading, ThirtyTwoBitTgaIsAHeapSpriteWithItsAlphaAndACompanionOverridesIt)
{
    folder.writeBytes("pic.tga", tgaFile(2, 1, 32, true, { 0, 0, 255, 10, 255, 0, 0, 200 }));
    Sprite* sprite = graphLoadSprite("pic.tga", nullptr, 0);
    EXPECT_EQ(sprite->lpSurface, nullptr);
    ASSERT_NE(sprite->pAlpha, nullptr);
    EXPECT_EQ(sprite->pAlpha[0], 10);
    EXPECT_EQ(sprite->pAlpha[1], 200);
    EXPECT_EQ(pixel(sprite, 0, 0), rgb565(31, 0, 0));

    folder.writeBytes("_pic.tga", tgaFile(2, 1, 24, true, { 77, 0, 0, 88, 0, 0 }));
    graphLoadSprite("pic.tga", nullptr, 1);
    EXPECT_EQ(sprite->pAlpha[0], 77);  // the companion's blue bytes
    EXPECT_EQ(sprite->pAlpha[1], 88);
}

TEST_F(ImageLoading, CompanionNamesAreDerivedFromTheFileName)
{
    folder.writeBytes("DATA/fonts/combo.tga", tgaFile(1, 1, 24, true, { 1, 2, 3 }));
    Sprite* a = graphLoadSprite("DATA\\fonts\\combo.tga", nullptr, 0);
    EXPECT_STREQ(a->szMaskName, "DATA\\fonts\\_combo.tga");
    Sprite* b = graphLoadSprite("x.tga", "own.tga", 0);
    EXPECT_STREQ(b->szMaskName, "own.tga");
    boxes.clear();
    Sprite* c = graphLoadSprite("noext", nullptr, 0);
    EXPECT_STREQ(c->szMaskName, "_noext.tga");
}

TEST_F(ImageLoading, SameNameInAnotherCaseIsTheSameSpriteAndAMissingFileIsReportedOnce)
{
    folder.writeBytes("Pic.tga", tgaFile(1, 1, 24, true, { 1, 2, 3 }));
    Sprite* a = graphLoadSprite("Pic.tga", nullptr, 0);
    EXPECT_EQ(graphLoadSprite("PIC.TGA", nullptr, 0), a);
    EXPECT_EQ(graphLoadSprite("", nullptr, 0), nullptr);
    EXPECT_EQ(graphLoadSprite(nullptr, nullptr, 0), nullptr);
    Sprite* missing = graphLoadSprite("gone.tga", nullptr, 0);
    Sprite* again = graphLoadSprite("gone.tga", nullptr, 0);
    EXPECT_EQ(missing, again);
    EXPECT_EQ(missing->nWidth, 0);
    EXPECT_EQ(boxes, std::vector<std::string> { "file not found:gone.tga" });
    folder.write("x.png", "png");
    graphLoadSprite("x.png", nullptr, 0);
    EXPECT_EQ(boxes.back(), "unknown file format:x.png");
}

TEST_F(ImageLoading, DamagedTgaHeadersGiveEmptyOrPartialPictures)
{
    folder.writeBytes("short.tga", { 0, 0, 2, 0 });
    folder.writeBytes("wide.tga", tgaFile(9000, 1, 24, true, {}));
    folder.writeBytes("zero.tga", tgaFile(0, 5, 24, true, {}));
    folder.writeBytes("bits.tga", tgaFile(1, 1, 17, true, { 1, 2, 3 }));
    for (const char* name : { "short.tga", "wide.tga", "zero.tga", "bits.tga" })
        EXPECT_EQ(graphLoadSprite(name, nullptr, 0)->nWidth, 0) << name;
    // Two rows promised, one and a half given: the first row arrives.
    folder.writeBytes("cut.tga", tgaFile(2, 2, 24, true, { 0, 0, 255, 0, 0, 255, 255, 0, 0 }));
    Sprite* cut = graphLoadSprite("cut.tga", nullptr, 0);
    ASSERT_EQ(cut->nWidth, 2);
    EXPECT_EQ(pixel(cut, 1, 0), rgb565(31, 0, 0));
    EXPECT_EQ(pixel(cut, 0, 1), rgb565(0, 0, 31));
    EXPECT_EQ(pixel(cut, 1, 1), 0);
}

TEST_F(ImageLoading, JpegGivesRgbPixelsNeverAColourKeyAndItsRedAsAlpha)
{
    const unsigned char orange[3] = { 255, 128, 0 };
    folder.writeBytes("o.jpg", jpegFile(16, 8, 3, orange));
    Sprite* sprite = graphLoadSprite("o.jpg", nullptr, 0);
    ASSERT_EQ(sprite->nWidth, 16);
    ASSERT_EQ(sprite->nHeight, 8);
    const std::uint16_t p = pixel(sprite, 5, 5);
    EXPECT_NEAR(p >> 11, 31, 1);
    EXPECT_NEAR((p >> 5) & 63, 32, 1);
    EXPECT_NEAR(p & 31, 0, 1);
    EXPECT_EQ(sprite->bMask, 0u);
    JpegImage image;
    image.Decode(jpegFile(4, 4, 3, orange));
    std::uint8_t alpha[16] = {};
    image.GetChannel(alpha, 0, 1, 4, 8, 0, 4, 4);
    EXPECT_NEAR(alpha[5], 255, 2);
}

TEST_F(ImageLoading, GreyJpegIsGreyAndATruncatedJpegStillEnds)
{
    const unsigned char grey[1] = { 200 };
    std::vector<unsigned char> file = jpegFile(32, 32, 1, grey);
    JpegImage image;
    ASSERT_EQ(image.Decode(file), 0);
    EXPECT_EQ(image.bitsPerPixel, 8);
    std::uint16_t out = 0;
    image.GetFrame(reinterpret_cast<std::uint8_t*>(&out), 0, 2, 2, 5, 6, 5, 0, 11, 5, 0, 0, 1, 1);
    EXPECT_NEAR(out >> 11, 200 >> 3, 1);
    EXPECT_NEAR((out >> 5) & 63, 200 >> 2, 1);
    for (std::size_t keep : { file.size() / 2, std::size_t { 300 }, std::size_t { 20 }, std::size_t { 2 } }) {
        JpegImage cut;
        cut.Decode(std::vector<unsigned char>(file.begin(), file.begin() + static_cast<long>(keep)));
    }
    JpegImage garbage;
    EXPECT_NE(garbage.Decode({ 1, 2, 3, 4, 5 }), 0);
    EXPECT_EQ(garbage.width, 0);
}

}  // namespace
