#include "graphics/image_builders.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

// Runs uiscript on a script in the working folder.
ToolRun runScript(const TempFolder& folder, const std::string& script)
{
    folder.write("script.txt", script);
    return runTool("uiscript", "script.txt");
}

std::vector<unsigned char> solid(int width, int height, unsigned char r, unsigned char g, unsigned char b)
{
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), { b, g, r });
    return tgaFile(width, height, 24, true, pixels);
}

class UiScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeBytes("data/menu/back.tga", solid(800, 600, 40, 40, 120));
        folder.writeBytes("data/menu/bar.tga", solid(200, 10, 255, 0, 0));
        folder.writeBytes("data/menu/start.tga", solid(100, 40, 0, 200, 0));
        folder.write("data/menu/splash.ini", "[main]\n0=bg\n[bg]\ntype=static\npath=data\\menu\\back.tga\n");
        folder.write("data/menu/logo.ini",
                     "[main]\n0=bg\n1=loading\n2=start\n[bg]\ntype=static\npath=data\\menu\\back.tga\n"
                     "[loading]\ntype=progress\nx=300\ny=500\nleftpath=data\\menu\\bar.tga\n"
                     "[start]\ntype=button\nx=350\ny=400\npath=data\\menu\\start.tga\n");
        folder.write("data/menu/mainmenu.ini", "[main]\n0=play\n[play]\ntype=button\nx=10\ny=10\nxs=50\nys=50\n");
    }
    TempFolder folder;
};

}  // namespace

TEST_F(UiScript, RunsTheSplashTheLoadingAndTheLogoToTheMainMenu)
{
    const ToolRun run = runScript(folder, "wait 3000\nscreen\nshot splash.png\nwait 60\nscreen\nwidget loading\n"
                                            "widget start\nshot logo.png\nmove 400 420\ndown 400 420\nup 400 420\n"
                                            "screen\nwidget play\nquit\nscreen\n");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "screen splash\n"
                       "screen logo\n"
                       "widget loading x 300 y 500 xs 200 ys 10 visible 1 enabled 1 highlighted 0 pressed 0 value 0.8 "
                       "checked 0 text \"\"\n"
                       "widget start x 350 y 400 xs 100 ys 40 visible 1 enabled 1 highlighted 0 pressed 0 value 0 "
                       "checked 0 text \"\"\n"
                       "screen mainmenu\n"
                       "widget play x 10 y 10 xs 50 ys 50 visible 1 enabled 1 highlighted 0 pressed 0 value 0 "
                       "checked 0 text \"\"\n");
    for (const char* shot : { "splash.png", "logo.png" }) {
        ASSERT_TRUE(folder.exists(shot)) << shot;
        EXPECT_EQ(folder.read(shot).substr(1, 3), "PNG");
    }
    EXPECT_NE(folder.read("game.ini").find("score9=0"), std::string::npos) << "the shut-down ran";
}

TEST_F(UiScript, AnUnknownLineEndsWithCodeTwo)
{
    const ToolRun run = runScript(folder, "screen\nfly 1 2\nscreen\n");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "screen splash\n");
}
