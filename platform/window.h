#pragma once
// The game's one window and its message queue. SDL events become the
// messages of messages.h; the window procedure receives them through
// dispatchMessage, as the message loop takes them with peekMessage.

#include "platform/messages.h"

#include <cstdint>

namespace platform {

struct Window;  // opaque; there is at most one

using WindowProc = std::intptr_t (*)(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Starts the video system (once); false when there is no display at all.
bool videoAvailable();

// Creates and shows the window with a client area of width x height at
// (x, y); nullptr when it cannot be made (or one exists already).
Window* createWindow(const char* title, int x, int y, int width, int height, WindowProc proc);

// Sends MSG_DESTROY to the window procedure, then removes the window.
void destroyWindow(Window* window);

// The window that exists, or nullptr.
Window* currentWindow();

// Takes the next message, if one waits. MSG_QUIT arrives after postQuitMessage.
bool peekMessage(Message& out);
// Sleeps until a message is waiting.
void waitMessage();
void postMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
void postQuitMessage(int exitCode);
// Hands a message to the window procedure; 0 when there is no window.
std::intptr_t dispatchMessage(const Message& message);
// What the system does with a message the procedure passes on: a close
// request destroys the window; everything else is ignored.
std::intptr_t defaultWindowProc(const Message& message);

void minimizeWindow(Window* window);
void restoreWindow(Window* window);

// Window rectangle including decorations, and the client rectangle
// (origin 0, 0, in window pixels).
Rect windowRect(Window* window);
Rect clientRect(Window* window);
// Screen position of the client area's top-left corner.
void clientPosition(Window* window, int& x, int& y);
// Moves the window so that its client area is width x height at (x, y).
bool moveWindow(Window* window, int x, int y, int width, int height);
// Full screen on the desktop's own resolution, or back to a window.
void setWindowFullScreen(Window* window, bool fullScreen);

// Size of the desktop the window is on (or the first display).
int screenWidth();
int screenHeight();

// True when the mouse is over the window's client area.
bool cursorInClient(Window* window);
void showSystemCursor(bool show);

// Sets the window icon from 0xAARRGGBB pixels, rows top-down.
void setWindowIcon(Window* window, const std::uint32_t* pixels, int width, int height);

}  // namespace platform
