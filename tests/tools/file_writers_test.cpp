#include "tools/common/image_files.h"
#include "tools/mkdata/file_writers.h"
#include "tools/mkdata/job.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace mkdata;

Image sample()
{
    Image image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.at(x, y) = argb(unsigned(x * 60), unsigned(40 * y + 10), unsigned(x * 50), 200);
    return image;
}

TEST(FileWriters, Tga32KeepsColourAndAlphaTopDown)
{
    Bytes file = encodeTga32(sample());
    ASSERT_EQ(file.size(), 18u + 5 * 3 * 4);
    EXPECT_EQ(file[2], 2);           // uncompressed true colour
    EXPECT_EQ(file[16], 32);
    EXPECT_EQ(file[17] & 0x20, 0x20);  // first row is the top row
    DecodedPicture back;
    ASSERT_TRUE(decodeTga(file, back));
    EXPECT_EQ(back.image.pixels, sample().pixels);
}

TEST(FileWriters, GreyCompanionGivesTheAlphaAsTheGameReadsIt)
{
    Image image = sample();
    Bytes file = encodeTgaGrey(image.width, image.height, alphaChannel(image));
    EXPECT_EQ(file[1], 0);  // no colour map: read through the grey ramp
    EXPECT_EQ(file[16], 8);
    DecodedPicture back;
    ASSERT_TRUE(decodeTga(file, back));
    EXPECT_EQ(companionAlpha(back), alphaChannel(image));
}

TEST(FileWriters, Tga24StoresBlueGreenRed)
{
    Bytes file = encodeTga24(Image(1, 1, argb(255, 255, 128, 7)));
    ASSERT_EQ(file.size(), 21u);
    EXPECT_EQ(file[18], 7);
    EXPECT_EQ(file[19], 128);
    EXPECT_EQ(file[20], 255);
}

TEST(FileWriters, JpegRoundTripKeepsSizeAndColour)
{
    Image image(32, 16, argb(255, 200, 60, 30));
    DecodedPicture back;
    ASSERT_TRUE(decodeJpeg(encodeJpeg(image), back));
    ASSERT_EQ(back.image.width, 32);
    ASSERT_EQ(back.image.height, 16);
    std::uint32_t p = back.image.at(10, 8);
    EXPECT_NEAR(redOf(p), 200, 4);
    EXPECT_NEAR(greenOf(p), 60, 4);
    EXPECT_NEAR(blueOf(p), 30, 4);
}

TEST(FileWriters, WaveHeaderDescribesMono16BitPcm)
{
    Bytes file = encodeWav({0, 1000, -1000}, 44100);
    ASSERT_EQ(file.size(), 44u + 6);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(file[22], 1);                              // channels
    EXPECT_EQ(file[24] | (file[25] << 8) | (file[26] << 16), 44100);
    EXPECT_EQ(file[34], 16);                             // bits
    EXPECT_EQ(file[40], 6);                              // data bytes
    EXPECT_EQ(std::int16_t(file[46] | (file[47] << 8)), 1000);
}

TEST(FileWriters, CursorHasItsHotSpotAndMasksClearPixels)
{
    Image image(32, 32);
    image.at(0, 0) = argb(255, 255, 255, 255);
    Bytes file = encodeCursor(image, 3, 5);
    EXPECT_EQ(file[2], 2);  // cursor, not icon
    EXPECT_EQ(file[10] | (file[11] << 8), 3);
    EXPECT_EQ(file[12] | (file[13] << 8), 5);
    ASSERT_EQ(file.size(), 22u + 40 + 32 * 32 * 4 + 32 * 4);
    // The AND mask's last row is the image's top row (bottom-up): the
    // opaque pixel (0, 0) has its bit clear, the clear one beside it set.
    std::size_t topRow = file.size() - 4;
    EXPECT_EQ(file[topRow] & 0x80, 0);
    EXPECT_EQ(file[topRow] & 0x40, 0x40);
}

TEST(FileWriters, CompanionNamesFollowTheLoaderRule)
{
    const std::pair<const char*, const char*> cases[] = {
        {"DATA\\fonts\\combo.jpg", "DATA\\fonts\\_combo.tga"},
        {"data\\custom_cursor.jpg", "data\\_custom_cursor.tga"},
        {"data\\a.b\\noext", "data\\a.b\\_noext.tga"},
        {"plain.tga", "\\_plain.tga"},
    };
    for (const auto& [name, companion] : cases)
        EXPECT_EQ(companionName(name), companion) << name;
}

TEST(FileWriters, TruncatedTgaIsRefused)
{
    Bytes file = encodeTga32(sample());
    file.resize(file.size() - 1);
    DecodedPicture back;
    EXPECT_FALSE(decodeTga(file, back));
}

}  // namespace
