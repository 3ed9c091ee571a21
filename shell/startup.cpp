#include "shell/startup.h"

#include "foundation/binary_fields.h"
#include "foundation/ini.h"
#include "graphics/angle_tables.h"
#include "graphics/font.h"
#include "graphics/graph.h"
#include "menu/screen_manager.h"
#include "menu/typed_word.h"
#include "menu/ui_fonts.h"
#include "platform/clock.h"
#include "shell/frame_clock.h"
#include "shell/program_state.h"
#include "shell/runwin.h"
#include "sound/bank_sound.h"
#include "sound/sound_engine.h"

#include <memory>

namespace {

constexpr int kBufferWidth = 800, kBufferHeight = 600;

// The root of every screen, from the start-up to the shut-down.
std::unique_ptr<ScreenManager> screenManager;

std::intptr_t routeMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    return Screens ? Screens->handleMessage(message, wparam, lparam) : 0;
}

}  // namespace

void gameStartUp(platform::Window* window)
{
    fillAngleTables();
    clearTypedWord();
    frameClock.takeFrequency();
    graphInit(kBufferWidth, kBufferHeight, 16, FullScreen, window);
    graphPresent();
    SoundInit(window);
    LoadSoundBank("DATA\\SOUND\\sound.ini");
    readCurrentPlayer();
    loadUiFonts();
    SetSoundVolume(0.0f, 0);
    SetSoundVolume(iniGetFloat("game.ini", "main", "music"), 1);
    readHighScores();
    frameClock.restart();
    screenManager = std::make_unique<ScreenManager>();
    Screens = screenManager.get();
    Screens->load("", "");
    Screens->openScreen("splash", true);
}

int gameFrame()
{
    frameClock.advance();
    if (BackBuffer)
        BackBuffer->FillRect(0, 0, kBufferWidth, kBufferHeight, 0xFF000000);
    if (!Screens)
        return 1;
    while (frameClock.takeStep())
        if (Screens->update(UPDATE_STEP))
            return 1;
    Screens->draw(0, 0, BackBuffer);
    graphPresent();
    platform::sleepMilliseconds(1);
    return 0;
}

void gameShutDown()
{
    Screens = nullptr;
    screenManager.reset();
    if (!BackBuffer)
        return;
    graphDeleteFont(MenuFont);
    MenuFont = nullptr;
    writeHighScores();
    SoundDone();
    graphClose();
    StaticFont = DarkFont = HelpFont = ComboFont = nullptr;
    iniRelease();
    if (fileExists("fscommand\\wgame.exe"))
        openShellTarget("fscommand\\wgame.exe");
    openShellTarget("play.url");
}

void installGameHooks() { setShellHooks({ gameStartUp, gameFrame, gameShutDown, routeMessage, GetSoundVolume }); }
