#include "foundation/ini.h"
#include "graphics/graph.h"
#include "platform/event_injection.h"
#include "platform/single_instance.h"
#include "shell/runwin.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

int framesRun = 0;
std::function<int(int)> onFrame;

int countingFrame()
{
    ++framesRun;
    BackBuffer->FillRect(0, 0, 800, 600, 0);
    graphPresent();
    return onFrame(framesRun);
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        name = "giftfall shell test " + std::to_string(std::random_device {}());
        folder.write("game.ini", "[main]\nname=" + name + "\nx=-1\ny=0\nxs=800\nys=600\nColor32=1\nmusic=0.5\n");
        iniRelease();
        ShellHooks hooks;
        hooks.startUp = [](platform::Window* window) { graphInit(dwScrX, dwScrY, 16, FullScreen, window); };
        hooks.frame = countingFrame;
        hooks.shutDown = graphClose;
        setShellHooks(hooks);
        framesRun = 0;
    }
    void TearDown() override
    {
        setShellHooks(ShellHooks {});
        iniRelease();
    }
    TempFolder folder;
    std::string name;
};

TEST_F(Shell, RunsFramesUntilAskedToStopAndWritesTheSettingsBack)
{
    onFrame = [](int n) { return n >= 3 ? 1 : 0; };
    EXPECT_EQ(runGame(), 0);
    EXPECT_EQ(framesRun, 3);
    EXPECT_EQ(gb_hWnd, nullptr);
    iniRelease();
    EXPECT_EQ(iniGetInt("game.ini", "main", "Color32"), 1);
    EXPECT_EQ(iniGetInt("game.ini", "main", "NOTCustom"), 0);
    EXPECT_EQ(std::string(iniGetString("game.ini", "main", "NOTCustom")), "0");  // written though missing
    EXPECT_FLOAT_EQ(iniGetFloat("game.ini", "main", "music"), 0.5f);
    EXPECT_EQ(iniGetInt("game.ini", "main", "x"), -1);  // position is not written back
}

TEST_F(Shell, AltEnterTogglesFullScreenAndTheWindowCloseButtonEndsTheRun)
{
    onFrame = [](int n) {
        if (n == 1) {
            platform::injectKey(platform::KEY_RETURN, true, true);
            platform::injectKey(platform::KEY_RETURN, false, true);
            platform::injectKey(platform::KEY_RETURN, false);  // Enter alone does nothing
        }
        if (n == 3)
            platform::injectWindowChange(platform::WindowChange::Close);
        return n > 50 ? 1 : 0;
    };
    runGame();
    EXPECT_LT(framesRun, 50);
    iniRelease();
    EXPECT_EQ(iniGetInt("game.ini", "main", "FullScreen"), 1);
}

TEST_F(Shell, MinimisingStopsFramesUntilRestored)
{
    onFrame = [](int n) {
        if (n == 1) {
            platform::injectWindowChange(platform::WindowChange::Minimized);
            platform::injectWindowChange(platform::WindowChange::Restored);
        }
        return n >= 2 ? 1 : 0;
    };
    runGame();
    EXPECT_EQ(framesRun, 2);
}

TEST_F(Shell, ASecondStartExitsWithoutWritingAnything)
{
    ASSERT_TRUE(platform::claimSingleInstance(name.c_str()));
    const std::string before = folder.read("game.ini");
    onFrame = [](int) { return 1; };
    EXPECT_EQ(runGame(), 0);
    EXPECT_EQ(framesRun, 0);
    EXPECT_EQ(folder.read("game.ini"), before);
    EXPECT_EQ(folder.list(), std::vector<std::string> { "game.ini" });
    EXPECT_TRUE(platform::takeBringToFrontRequest());
    platform::releaseSingleInstance();
}

}  // namespace
