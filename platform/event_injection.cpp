#include "platform/event_injection.h"

#include "platform/sdl_window.h"

#include <cstring>

namespace platform {
namespace {

SDL_Keycode keycodeFor(unsigned vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return static_cast<SDL_Keycode>(SDLK_a + (vk - 'A'));
    if (vk >= '0' && vk <= '9')
        return static_cast<SDL_Keycode>(vk);
    switch (vk) {
    case KEY_BACK: return SDLK_BACKSPACE;
    case KEY_TAB: return SDLK_TAB;
    case KEY_RETURN: return SDLK_RETURN;
    case KEY_ESCAPE: return SDLK_ESCAPE;
    case KEY_SPACE: return SDLK_SPACE;
    case KEY_END: return SDLK_END;
    case KEY_HOME: return SDLK_HOME;
    case KEY_LEFT: return SDLK_LEFT;
    case KEY_UP: return SDLK_UP;
    case KEY_RIGHT: return SDLK_RIGHT;
    case KEY_DOWN: return SDLK_DOWN;
    case KEY_DELETE: return SDLK_DELETE;
    case KEY_MENU: return SDLK_LALT;
    default: return SDLK_UNKNOWN;
    }
}

Uint32 windowId()
{
    SDL_Window* window = sdlWindow(currentWindow());
    return window ? SDL_GetWindowID(window) : 0;
}

}  // namespace

void injectKey(unsigned virtualKey, bool down, bool altHeld, bool repeat)
{
    SDL_Event event {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = windowId();
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = keycodeFor(virtualKey);
    event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
    event.key.keysym.mod = altHeld ? KMOD_LALT : KMOD_NONE;
    SDL_PushEvent(&event);
}

void injectText(const char* utf8)
{
    SDL_Event event {};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = windowId();
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    SDL_PushEvent(&event);
}

void injectMouseMotion(int x, int y)
{
    SDL_Event event {};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = windowId();
    event.motion.x = x;
    event.motion.y = y;
    SDL_PushEvent(&event);
}

void injectMouseButton(int button, bool down, int x, int y, int clicks)
{
    SDL_Event event {};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = windowId();
    const Uint8 sdlButtons[] = { 0, SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE };
    event.button.button = button >= 1 && button <= 3 ? sdlButtons[button] : 0;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = static_cast<Uint8>(clicks);
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void injectWindowChange(WindowChange change)
{
    SDL_Event event {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId();
    switch (change) {
    case WindowChange::FocusGained: event.window.event = SDL_WINDOWEVENT_FOCUS_GAINED; break;
    case WindowChange::FocusLost: event.window.event = SDL_WINDOWEVENT_FOCUS_LOST; break;
    case WindowChange::Minimized: event.window.event = SDL_WINDOWEVENT_MINIMIZED; break;
    case WindowChange::Restored: event.window.event = SDL_WINDOWEVENT_RESTORED; break;
    case WindowChange::Close: event.window.event = SDL_WINDOWEVENT_CLOSE; break;
    }
    SDL_PushEvent(&event);
}

}  // namespace platform
