#include "graphics/screenshot.h"
#include "graphics_fixture.h"

#include <png.h>

namespace {

using Screenshot = GraphicsTest;

TEST_F(Screenshot, TheBackBufferIsWrittenAsAnRgbPng)
{
    TempFolder folder;
    ASSERT_NE(BackBuffer, nullptr);
    EXPECT_EQ(BackBuffer->nWidth, 800);
    EXPECT_EQ(BackBuffer->nHeight, 600);
    BackBuffer->FillRect(0, 0, 800, 600, 0);
    BackBuffer->FillRect(10, 20, 11, 21, 0xFFFF0000);
    ASSERT_EQ(graphSaveScreenshot("shots\\one.png"), 0);

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    const std::string path = folder.path() + "/shots/one.png";
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(image.width, 800u);
    EXPECT_EQ(image.height, 600u);
    const std::size_t at = (20 * 800 + 10) * 3;
    EXPECT_EQ(rgb[at], 248);  // red 31 widened
    EXPECT_EQ(rgb[at + 1], 0);
    EXPECT_EQ(rgb[at + 3], 0);
}

}  // namespace
