#pragma once
// Inside the platform layer only: the SDL objects behind the window.

#include "platform/window.h"

#include <SDL.h>

#include <deque>

namespace platform {

struct Window {
    SDL_Window* sdl = nullptr;
    WindowProc proc = nullptr;
};

SDL_Window* sdlWindow(Window* window);

// Turns one SDL event into the messages it stands for (none, one or more).
void translateEvent(const SDL_Event& event, std::deque<Message>& out);

}  // namespace platform
