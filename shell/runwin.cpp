#include "shell/runwin.h"

#include "foundation/game_random.h"
#include "foundation/gerr.h"
#include "foundation/ini.h"
#include "graphics/cursor_file.h"
#include "graphics/graph.h"
#include "graphics/image_file.h"
#include "platform/clock.h"
#include "platform/cursor.h"
#include "platform/shell_open.h"
#include "platform/single_instance.h"

#include <cstring>

int dwPosX = 0, dwPosY = 0, dwScrX = 0, dwScrY = 0;
int FullScreen = 0, Color32 = 0, NOTCustom = 0;
char WinName[256] = {};
platform::Window* gb_hWnd = nullptr;

namespace {

constexpr const char* kIni = "game.ini";
constexpr int kDefaultWidth = 800, kDefaultHeight = 600;

int bActive = 1;
float volumeAtEntry[2] = {};

void defaultStartUp(platform::Window* window) { graphInit(dwScrX, dwScrY, 16, FullScreen, window); }

int defaultFrame()
{
    if (BackBuffer)
        BackBuffer->FillRect(0, 0, BackBuffer->nWidth, BackBuffer->nHeight, 0);
    graphPresent();
    return 0;
}

void defaultShutDown() { graphClose(); }

ShellHooks hooks { defaultStartUp, defaultFrame, defaultShutDown, nullptr, nullptr };

void readSettings()
{
    dwPosX = iniGetInt(kIni, "main", "x");
    dwPosY = iniGetInt(kIni, "main", "y");
    dwScrX = iniGetInt(kIni, "main", "xs");
    dwScrY = iniGetInt(kIni, "main", "ys");
    FullScreen = iniGetInt(kIni, "main", "FullScreen");
    Color32 = iniGetInt(kIni, "main", "Color32");
    NOTCustom = iniGetInt(kIni, "main", "NOTCustom");
    volumeAtEntry[0] = iniGetFloat(kIni, "main", "sound");
    volumeAtEntry[1] = iniGetFloat(kIni, "main", "music");
    // Without a size there would be no back buffer to draw into.
    if (dwScrX <= 0 || dwScrY <= 0) {
        dwScrX = kDefaultWidth;
        dwScrY = kDefaultHeight;
    }
}

void placeWindow()
{
    const int screenW = platform::screenWidth(), screenH = platform::screenHeight();
    if (dwPosX < 0 || dwPosX >= screenW)
        dwPosX = (screenW - dwScrX) / 2;
    if (dwPosY < 0 || dwPosY >= screenH)
        dwPosY = (screenH - dwScrY) / 2;
}

void writeSettings()
{
    iniSetInt(kIni, "main", "NOTCustom", NOTCustom);
    iniSetInt(kIni, "main", "FullScreen", FullScreen);
    iniSetInt(kIni, "main", "Color32", Color32);
    iniSetFloat(kIni, "main", "music", hooks.soundVolume ? hooks.soundVolume(1) : volumeAtEntry[1]);
    iniSetFloat(kIni, "main", "sound", hooks.soundVolume ? hooks.soundVolume(0) : volumeAtEntry[0]);
}

std::intptr_t forward(const platform::Message& message)
{
    if (hooks.handleMessage)
        hooks.handleMessage(message.message, message.wparam, message.lparam);
    return platform::defaultWindowProc(message);
}

std::intptr_t windowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    const platform::Message m { message, wparam, lparam };
    switch (message) {
    case platform::MSG_DESTROY:
        platform::postQuitMessage(0);
        gb_hWnd = nullptr;
        return platform::defaultWindowProc(m);
    case platform::MSG_SIZE:
        bActive = (wparam == platform::SIZE_MINIMIZED || wparam == platform::SIZE_MAXHIDE) ? 0 : 1;
        return platform::defaultWindowProc(m);
    case platform::MSG_ACTIVATEAPP:
        bActive = wparam ? 1 : 0;
        if (hooks.handleMessage)
            hooks.handleMessage(message, wparam, lparam);
        return 0;
    case platform::MSG_ERASEBKGND: return 0;
    case platform::MSG_SETCURSOR: return platform::applyWindowCursor() ? 1 : platform::defaultWindowProc(m);
    case platform::MSG_DISPLAYCHANGE:
        loadWindowCursor();
        return platform::defaultWindowProc(m);
    case platform::MSG_SYSKEYUP:
        if (wparam == platform::KEY_RETURN && (lparam & platform::KEY_CONTEXT_ALT)) {
            FullScreen = !FullScreen;
            graphInit(dwScrX, dwScrY, 16, FullScreen, gb_hWnd);
        }
        return platform::defaultWindowProc(m);
    default: return forward(m);
    }
}

void messageLoop()
{
    platform::Message message;
    while (message.message != platform::MSG_QUIT && gb_hWnd) {
        if (platform::peekMessage(message)) {
            platform::dispatchMessage(message);
        } else if (!bActive) {
            platform::waitMessage();
        } else if (hooks.frame && hooks.frame()) {
            platform::dispatchMessage({ platform::MSG_CLOSE, 0, 0 });
        }
    }
}

// The window icon: one of the game's own pictures, when it is there.
void setIcon()
{
    auto image = imageCreateByName("DATA\\icon.tga");
    if (!image || image->Load("DATA\\icon.tga") != 0 || image->width <= 0)
        return;
    const int w = std::abs(image->width), h = std::abs(image->height);
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(w) * h, 0);
    image->GetFrame(reinterpret_cast<std::uint8_t*>(argb.data()), 0, 4, w * 4, 8, 8, 8, 0, 16, 8, 0, 0, w, h);
    std::vector<std::uint8_t> alpha(argb.size(), 255);
    image->GetChannel(alpha.data(), 0, 1, w, 8, 0, w, h);
    if (image->bitsPerPixel == 32)
        for (std::size_t i = 0; i < argb.size(); ++i)
            argb[i] |= static_cast<std::uint32_t>(alpha[i]) << 24;
    else
        for (std::uint32_t& p : argb)
            p |= 0xFF000000u;
    platform::setWindowIcon(gb_hWnd, argb.data(), w, h);
}

}  // namespace

void setShellHooks(const ShellHooks& newHooks) { hooks = newHooks; }

void loadWindowCursor()
{
    platform::destroyWindowCursor();
    FileBlock block;
    CursorImage cursor;
    if (fileLoad("DATA\\game.cur", block) == 0 && parseCursorFile(block, cursor))
        platform::setWindowCursorImage(cursor.pixels.data(), cursor.width, cursor.height, cursor.hotX, cursor.hotY);
}

void openShellTarget(const char* url)
{
    platform::minimizeWindow(gb_hWnd);
    GERR_CHECK(((unsigned)platform::shellOpen(url)) < 32);
}

int runGame()
{
    bActive = 1;
    readSettings();
    gameRandom.seed(platform::tickCount());
    const char* name = iniGetString(kIni, "main", "name");
    std::strncpy(WinName, name, sizeof WinName - 1);
    if (!platform::videoAvailable())
        return 0;
    placeWindow();
    if (!platform::claimSingleInstance(WinName))
        return 0;
    GERR_CHECK(!(gb_hWnd = platform::createWindow(WinName, dwPosX, dwPosY, dwScrX, dwScrY, windowProc)));
    setIcon();
    if (hooks.startUp)
        hooks.startUp(gb_hWnd);
    loadWindowCursor();
    messageLoop();
    writeSettings();
    if (hooks.shutDown)
        hooks.shutDown();
    platform::destroyWindow(gb_hWnd);
    gb_hWnd = nullptr;
    platform::destroyWindowCursor();
    platform::releaseSingleInstance();
    return 0;
}
