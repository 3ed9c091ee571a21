#pragma once
// Program entry, the game window's procedure and the message loop.
// The start-up, the frame and the shut-down are hooks, so that the
// subsystems plug in without the shell knowing them.

#include "platform/window.h"

#include <cstdint>

// Settings from "game.ini" [main].
extern int dwPosX, dwPosY, dwScrX, dwScrY;
extern int FullScreen, Color32, NOTCustom;
extern char WinName[256];
extern platform::Window* gb_hWnd;

struct ShellHooks {
    // After the window exists; the default sets up the display.
    void (*startUp)(platform::Window* window) = nullptr;
    // One frame; non-zero asks to end the program. The default clears and
    // presents the back buffer.
    int (*frame)() = nullptr;
    // After the settings are written; the default closes the display.
    void (*shutDown)() = nullptr;
    // Every message the window itself does not keep (the screens' input).
    std::intptr_t (*handleMessage)(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) = nullptr;
    // Master volume 0 (effects) or 1 (music), written back at exit. Without
    // it the values read at entry are written back.
    float (*soundVolume)(int which) = nullptr;
};
void setShellHooks(const ShellHooks& hooks);

// The whole run; returns 0 in every case.
int runGame();

// Minimises the window and asks the desktop to open the path; a failure
// is logged.
void openShellTarget(const char* url);

// Destroys the old window cursor and loads "DATA\game.cur".
void loadWindowCursor();
