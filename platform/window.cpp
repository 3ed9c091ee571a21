#include "platform/sdl_window.h"

#include "platform/display.h"
#include "platform/single_instance.h"

#include <memory>
#include <vector>

namespace platform {
namespace {

struct Queue {
    std::deque<Message> pending;
    bool quitPosted = false;
    int quitCode = 0;
};

Queue& queue()
{
    static Queue q;
    return q;
}

std::unique_ptr<Window> theWindow;

// Moves whatever SDL has into the queue; answers a second copy's request
// to come to the front by minimising and restoring the window.
void pumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        translateEvent(event, queue().pending);
    if (takeBringToFrontRequest() && theWindow) {
        minimizeWindow(theWindow.get());
        restoreWindow(theWindow.get());
        SDL_RaiseWindow(theWindow->sdl);
    }
}

}  // namespace

bool videoAvailable()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

SDL_Window* sdlWindow(Window* window) { return window ? window->sdl : nullptr; }

Window* createWindow(const char* title, int x, int y, int width, int height, WindowProc proc)
{
    if (theWindow || !videoAvailable())
        return nullptr;
    SDL_Window* sdl = SDL_CreateWindow(title, x, y, width, height, SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!sdl)
        return nullptr;
    theWindow = std::make_unique<Window>(Window { sdl, proc });
    queue() = Queue {};  // a quit left from an earlier window does not end this one
    SDL_StartTextInput();
    return theWindow.get();
}

void destroyWindow(Window* window)
{
    if (!window || window != theWindow.get())
        return;
    if (window->proc)
        window->proc(MSG_DESTROY, 0, 0);
    displayClose();  // the renderer goes with the window
    SDL_StopTextInput();
    SDL_DestroyWindow(window->sdl);
    theWindow.reset();
    // Messages for the window go with it; a posted quit stays.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    queue().pending.clear();
}

Window* currentWindow() { return theWindow.get(); }

bool peekMessage(Message& out)
{
    Queue& q = queue();
    if (q.pending.empty() && SDL_WasInit(SDL_INIT_VIDEO))
        pumpEvents();
    if (q.pending.empty() && q.quitPosted) {
        q.quitPosted = false;
        out = { MSG_QUIT, static_cast<std::uintptr_t>(q.quitCode), 0 };
        return true;
    }
    if (q.pending.empty())
        return false;
    out = q.pending.front();
    q.pending.pop_front();
    return true;
}

void waitMessage()
{
    Queue& q = queue();
    while (q.pending.empty() && !q.quitPosted) {
        if (!SDL_WasInit(SDL_INIT_VIDEO))
            return;
        // A bounded wait keeps the single-instance socket answered.
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, 100))
            translateEvent(event, q.pending);
        pumpEvents();
    }
}

void postMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    queue().pending.push_back({ message, wparam, lparam });
}

void postQuitMessage(int exitCode)
{
    queue().quitPosted = true;
    queue().quitCode = exitCode;
}

std::intptr_t dispatchMessage(const Message& message)
{
    if (!theWindow || !theWindow->proc || message.message == MSG_QUIT)
        return 0;
    return theWindow->proc(message.message, message.wparam, message.lparam);
}

std::intptr_t defaultWindowProc(const Message& message)
{
    if (message.message == MSG_CLOSE)
        destroyWindow(theWindow.get());
    return 0;
}

void minimizeWindow(Window* window)
{
    if (window)
        SDL_MinimizeWindow(window->sdl);
}

void restoreWindow(Window* window)
{
    if (window)
        SDL_RestoreWindow(window->sdl);
}

Rect clientRect(Window* window)
{
    Rect rect;
    if (window)
        SDL_GetWindowSize(window->sdl, &rect.right, &rect.bottom);
    return rect;
}

Rect windowRect(Window* window)
{
    Rect rect;
    if (!window)
        return rect;
    int x = 0, y = 0, w = 0, h = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(window->sdl, &x, &y);
    SDL_GetWindowSize(window->sdl, &w, &h);
    SDL_GetWindowBordersSize(window->sdl, &top, &left, &bottom, &right);
    return { x - left, y - top, x + w + right, y + h + bottom };
}

void clientPosition(Window* window, int& x, int& y)
{
    x = y = 0;
    if (window)
        SDL_GetWindowPosition(window->sdl, &x, &y);
}

bool moveWindow(Window* window, int x, int y, int width, int height)
{
    if (!window)
        return false;
    SDL_SetWindowSize(window->sdl, width, height);
    SDL_SetWindowPosition(window->sdl, x, y);
    return true;
}

void setWindowFullScreen(Window* window, bool fullScreen)
{
    if (window)
        SDL_SetWindowFullscreen(window->sdl, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

namespace {
SDL_Rect desktopBounds()
{
    SDL_Rect bounds { 0, 0, 0, 0 };
    if (!videoAvailable())
        return bounds;
    int display = theWindow ? SDL_GetWindowDisplayIndex(theWindow->sdl) : 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0) {
        bounds.w = mode.w;
        bounds.h = mode.h;
    }
    return bounds;
}
}  // namespace

int screenWidth() { return desktopBounds().w; }
int screenHeight() { return desktopBounds().h; }

bool cursorInClient(Window* window) { return window && SDL_GetMouseFocus() == window->sdl; }

void showSystemCursor(bool show)
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void setWindowIcon(Window* window, const std::uint32_t* pixels, int width, int height)
{
    if (!window || !pixels || width <= 0 || height <= 0)
        return;
    std::vector<std::uint32_t> copy(pixels, pixels + static_cast<std::size_t>(width) * height);
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), width, height, 32, width * 4,
                                                           SDL_PIXELFORMAT_ARGB8888);
    if (!icon)
        return;
    SDL_SetWindowIcon(window->sdl, icon);
    SDL_FreeSurface(icon);
}

}  // namespace platform
