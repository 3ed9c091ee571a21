#include "foundation/ini.h"
#include "graphics/angle_tables.h"
#include "graphics/graph.h"
#include "menu/menu_fixture.h"
#include "menu/progress_widget.h"
#include "menu/ui_fonts.h"
#include "shell/frame_clock.h"
#include "shell/program_state.h"
#include "shell/splash_screen.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

namespace {

std::int64_t fakeCounter = 0;
std::int64_t readFake() { return fakeCounter; }
std::int64_t fakeFrequency() { return 1000; }  // one tick per millisecond

// Counts its updates; asks to end the program when told to.
class StepScreen : public Screen {
public:
    int update(int milliseconds) override
    {
        ++updates;
        EXPECT_EQ(milliseconds, 20);
        return quit;
    }
    int updates = 0;
    int quit = 0;
};

class SimulatedClock : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        saved = frameClock;
        frameClock = { 0, 0.0f, 0.0f, readFake, fakeFrequency };
        fakeCounter = 0;
        frameClock.takeFrequency();
        frameClock.restart();
    }
    void TearDown() override
    {
        frameClock = saved;
        Screens = nullptr;
        MenuTest::TearDown();
    }
    FrameClock saved;
};

}  // namespace

class FrameTest : public SimulatedClock {};

TEST_F(FrameTest, APauseAdvancesByFiveStepsAndFastFramesOnlyDraw)
{
    auto* screen = new StepScreen;
    screens().addChild(screen);
    screens().activateScreen(screen);
    Screens = &screens();

    fakeCounter += 5000;
    EXPECT_EQ(gameFrame(), 0);
    EXPECT_EQ(screen->updates, 5);
    for (int i = 0; i < 3; ++i) {
        fakeCounter += 7;
        gameFrame();
    }
    EXPECT_EQ(screen->updates, 6) << "21 ms hold one step";
    fakeCounter += 7;
    gameFrame();
    EXPECT_EQ(screen->updates, 6) << "a frame without a step";
    fakeCounter += 12;
    gameFrame();
    EXPECT_EQ(screen->updates, 7) << "the remainder carries over";

    screen->quit = 1;
    fakeCounter += 20;
    EXPECT_EQ(gameFrame(), 1);
}

TEST_F(FrameTest, WithoutScreenManagerTheFrameEnds)
{
    Screens = nullptr;
    EXPECT_EQ(gameFrame(), 1);
}

class SplashTest : public SimulatedClock {};

TEST_F(SplashTest, ShowsForExactly151UpdatesThenLoadsTheMainScreens)
{
    writePicture("data/menu/l.tga", 100, 10, 255, 0, 0);
    writePicture("data/menu/b.tga", 50, 20, 0, 0, 255);
    writeMenu("logo", "[main]\n0=loading\n1=start\n[loading]\ntype=progress\nx=100\ny=500\nleftpath=data\\menu\\l.tga\n"
                      "[start]\ntype=button\nx=300\ny=400\npath=data\\menu\\b.tga\n");
    Screens = &screens();
    Screen* splash = screens().openScreen("splash", true);
    ASSERT_NE(dynamic_cast<SplashScreen*>(splash), nullptr);
    for (int i = 0; i < SPLASH_UPDATES; ++i)
        screens().update(20);
    EXPECT_EQ(screens().currentScreen(), splash);
    EXPECT_EQ(screens().findChild("logo"), nullptr);

    screens().update(20);
    Screen* logo = screens().currentScreen();
    ASSERT_NE(logo, nullptr);
    EXPECT_STREQ(logo->name, "logo");
    for (const char* name : { "game", "timeup", "levelcomplete", "editname", "options", "profilemenu", "readyintro",
                              "mainmenu" })
        EXPECT_NE(screens().findChild(name), nullptr) << name;
    EXPECT_FLOAT_EQ(static_cast<ProgressWidget*>(logo->findChild("loading"))->value, 0.8f);
    EXPECT_EQ(logo->findChild("start")->visible, 1);

    click(320, 410);
    EXPECT_STREQ(screens().currentScreen()->name, "mainmenu");
}

TEST_F(SplashTest, FadesToBlackInItsThirdSecond)
{
    writePicture("data/menu/w.tga", 800, 600, 255, 255, 255);
    writeMenu("splash", "[main]\n0=bg\n[bg]\ntype=static\npath=data\\menu\\w.tga\n");
    Screens = &screens();
    auto* splash = static_cast<SplashScreen*>(screens().openScreen("splash", true));
    auto shown = [&](int updates) {
        splash->updates = updates;
        splash->draw(0, 0, BackBuffer);
        return pixel(BackBuffer, 400, 300);
    };
    EXPECT_EQ(shown(100), 0xFFFF);
    const std::uint16_t half = shown(125);
    EXPECT_NE(half, 0xFFFF);
    EXPECT_NE(half, 0);
    EXPECT_EQ(shown(150), 0);
}

class StartUpTest : public SimulatedClock {
protected:
    void SetUp() override
    {
        SimulatedClock::SetUp();
        graphClose();  // the start-up makes its own display
    }
    void TearDown() override
    {
        if (Screens)
            gameShutDown();
        graphInit(800, 600, 16, 0, nullptr);
        SimulatedClock::TearDown();
    }
};

TEST_F(StartUpTest, ReadsTheSharedStateOpensTheSplashAndWritesTheScoresBack)
{
    folder.write("game.ini", "[main]\nmusic=0.5\nsound=0.25\n[highscores]\nname0=Ann\nscore0=500\nname1=Bo\n"
                             "score1=300\n");
    folder.write("profiles.ini", "[main]\ncurrent=1\n[users]\n0=Cy\n1=Dee\n");
    gameStartUp(nullptr);
    ASSERT_NE(Screens, nullptr);
    EXPECT_STREQ(Screens->currentScreen()->name, "splash");
    EXPECT_NE(BackBuffer, nullptr);
    EXPECT_FLOAT_EQ(fSinTable[64], 1.0f);
    EXPECT_NE(MenuFont, nullptr);
    EXPECT_NE(ComboFont, nullptr);
    EXPECT_EQ(CurrentPlayer, 1);
    EXPECT_STREQ(CurrentPlayerName, "Dee");
    EXPECT_STREQ(HighScores[0].name, "Ann");
    EXPECT_EQ(HighScores[1].score, 300);

    HighScores[2].score = 7;
    gameShutDown();
    EXPECT_EQ(Screens, nullptr);
    EXPECT_EQ(BackBuffer, nullptr);
    const std::string written = folder.read("game.ini");
    for (const char* line : { "name0=Ann", "score0=500", "score2=7", "name9=", "score9=0" })
        EXPECT_NE(written.find(line), std::string::npos) << line;

    folder.write("game.ini", "[main]\nmusic=0.75\n");
    EXPECT_FLOAT_EQ(iniGetFloat("game.ini", "main", "music"), 0.75f) << "the INI cache was released";
}

TEST_F(StartUpTest, NoCurrentPlayerLeavesTheNameEmpty)
{
    folder.write("profiles.ini", "[main]\ncurrent=-1\n[users]\n0=Cy\n");
    gameStartUp(nullptr);
    EXPECT_EQ(CurrentPlayer, -1);
    EXPECT_STREQ(CurrentPlayerName, "");
}
